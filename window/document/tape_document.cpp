// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/document/tape_document.h"

#include "engine/tape_file.h"
#include "window/keys/keyboard.h"
#include "window/print/tape_print.h"
#include "window/tape/tape_editor.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace tallimax {

namespace {

QString reasonText(TapeFileError::Reason reason)
{
    using Reason = TapeFileError::Reason;
    switch (reason) {
    case Reason::NotATape:
    case Reason::BadSeparator:
        //: Why a file was not opened: its first line does not say it is a Tallimax tape.
        return TapeDocument::tr("it is not a Tallimax tape");
    case Reason::NewerVersion:
        //: Why a file was not opened: a later Tallimax wrote it, in a format this one lacks.
        return TapeDocument::tr("it was written by a newer Tallimax");
    case Reason::InvalidUtf8:
        //: Why a file was not opened: it holds bytes that are not UTF-8 text.
        return TapeDocument::tr("it is not UTF-8 text");
    case Reason::TooLarge:
        //: Why a file was not opened: it is larger than a tape can be.
        return TapeDocument::tr("it is larger than 64 MiB");
    case Reason::TooManyLines:
        //: Why a file was not opened: it has more lines than a tape can hold.
        return TapeDocument::tr("it has more than 100,000 lines");
    case Reason::NotANumber:
        //: Why a file was not opened: a line's number is not one the keys can type.
        return TapeDocument::tr("its number is not a number");
    case Reason::NumberTooLong:
        //: Why a file was not opened: a line's number is over 10,000 characters or keys.
        return TapeDocument::tr("its number is too long");
    case Reason::UnknownOperator:
        //: Why a file was not opened: a line's operator is not +, -, X, / or =.
        return TapeDocument::tr("its operator is not +, -, X, / or =");
    case Reason::MissingOperator:
        //: Why a file was not opened: a number in the middle of the tape has no operator.
        return TapeDocument::tr("its number has no operator");
    case Reason::EmptyLine:
    case Reason::TooManyCells:
        //: Why a file was not opened: a line does not have the tape's columns.
        return TapeDocument::tr("it does not have the tape's columns");
    case Reason::NoteTooLong:
        //: Why a file was not opened: a line's note is over 200 characters.
        return TapeDocument::tr("its note is over 200 characters");
    }
    return {};
}

std::vector<PrintedLine> printedLines(const Tape &tape)
{
    std::vector<PrintedLine> printed;
    printed.reserve(tape.lines().size());
    for (const TapeLine &line : tape.lines()) {
        const auto text = [](const std::string &part) {
            return QString::fromStdString(part);
        };
        printed.push_back({ text(line.number),
            line.op ? QString(QLatin1Char(keyOf(*line.op))) : QString(), text(line.result),
            text(line.message), text(line.note), line.isTotal(), line.isBreak() });
    }
    return printed;
}

QString fileFilter()
{
    //: In the file dialogs: the kind of file a tape is saved as.
    return TapeDocument::tr("Tallimax tapes (*.tape)")
        + QStringLiteral(";;")
        //: In the file dialogs: any file.
        + TapeDocument::tr("All files (*)");
}

} // namespace

TapeDocument::TapeDocument(
    TapeEditor &editor, std::function<QWidget *()> dialogParent, QObject *parent)
    : QObject(parent), m_editor(editor), m_dialogParent(std::move(dialogParent))
{ }

TapeDocument::~TapeDocument() = default;

void TapeDocument::createActions()
{
    if (m_new != nullptr)
        return;
    const auto add = [this](const QString &text, QKeySequence::StandardKey standard,
                         const QKeySequence &key, auto slot) {
        auto *action = new QAction(text, this);
        action->setShortcuts(
            keyboard::shortcuts(standard, key.isEmpty() ? QList<QKeySequence>() : QList{ key }));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    //: In the tape's File menu: empties the tape for a new one, a step Undo takes back.
    m_new = add(
        tr("&New"), QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newTape(); });
    //: In the tape's File menu: opens a saved tape.
    m_open = add(tr("&Open…"), QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
        if (!mayClose())
            return;
        //: The title of the dialog that opens a saved tape.
        const QString path = QFileDialog::getOpenFileName(
            m_dialogParent(), tr("Open Tape"), QFileInfo(m_path).path(), fileFilter());
        if (!path.isEmpty())
            open(path);
    });
    //: In the tape's File menu: saves the tape to its file, asking for one the first time.
    m_save = add(
        tr("&Save"), QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
    //: In the tape's File menu: saves the tape to a file chosen now.
    m_saveAs = add(tr("Save &As…"), QKeySequence::SaveAs,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveAs(); });
    //: In the tape's File menu: prints the tape.
    m_print = add(tr("&Print…"), QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P),
        [this] { print(); });
    //: In the tape's File menu: writes the tape as a PDF document.
    m_export = add(
        tr("E&xport as PDF…"), QKeySequence::UnknownKey, QKeySequence(), [this] { exportPdf(); });
    //: In the tape's File menu, checkable: keeps the tape in a file of its own between sessions.
    m_keep = new QAction(tr("&Keep the tape between sessions"), this);
    m_keep->setCheckable(true);
    showKeeping();
    connect(m_keep, &QAction::toggled, this, &TapeDocument::setKeeping);
}

QString TapeDocument::displayName() const
{
    return QFileInfo(m_path).fileName();
}

QString TapeDocument::printTitle() const
{
    return m_path.isEmpty() ? tr("Tallimax tape") : displayName();
}

QString TapeDocument::title() const
{
    //: The title of the tape's window.
    const QString tape = tr("Tallimax tape");
    if (m_path.isEmpty())
        return tape;
    //: The title of the tape's window with a file: %1 is the file's name; [*] is where the
    //: desktop's mark for unsaved changes goes.
    return tr("%1[*] – %2").arg(displayName(), tape);
}

void TapeDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit titleChanged();
}

void TapeDocument::linesReplaced(std::size_t first, std::size_t /*removed*/, std::size_t /*added*/)
{
    keptWritten(m_kept.linesReplaced(m_editor.tape(), first));
    if (!m_path.isEmpty())
        setModified(true);
}

void TapeDocument::oldestDropped(std::size_t /*count*/)
{
    keptWritten(m_kept.oldestDropped(m_editor.tape()));
    if (!m_path.isEmpty())
        setModified(true);
}

// A kept tape that can no longer be written is said once, not at every key; each change tries
// again, and keeping goes on as soon as the file can be written.
void TapeDocument::keptWritten(bool written)
{
    if (written == m_keptWritten)
        return;
    m_keptWritten = written;
    if (!written)
        sayNotKept(m_kept.errorString());
}

void TapeDocument::sayNotKept(const QString &why)
{
    const QString text = why.isEmpty()
        //: Said when the tape cannot be kept because another Tallimax keeps it.
        ? tr("Another Tallimax keeps the tape; this one keeps nothing.")
        //: Said when the tape's file between sessions cannot be written: %1 why.
        : tr("The tape cannot be kept: %1").arg(why);
    m_editor.announce(text);
    emit said(text);
}

void TapeDocument::refuse(const QString &text)
{
    QMessageBox box(
        QMessageBox::Warning, tr("Tallimax tape"), text, QMessageBox::Ok, m_dialogParent());
    box.setTextFormat(Qt::PlainText);
    m_editor.announce(text);
    box.exec();
}

bool TapeDocument::open(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: A file could not be opened: %1 is its name, %2 why, as the system says it.
        refuse(tr("Could not open %1: %2").arg(name, file.errorString()));
        return false;
    }
    TapeFileReading reading;
    if (file.size() > static_cast<qint64>(MaxFileBytes)) {
        reading.error = TapeFileError{ 0, TapeFileError::Reason::TooLarge };
    } else {
        const QByteArray bytes = file.readAll();
        reading = readTapeFile(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (reading.error) {
        const QString why = reasonText(reading.error->reason);
        refuse(reading.error->line == 0
                //: A file was not opened: %1 is its name, %2 why.
                ? tr("Could not open %1: %2.").arg(name, why)
                //: A file was not opened: %1 is its name, %2 the line at fault, %3 why.
                : tr("Could not open %1, line %2: %3.")
                      .arg(name, QString::number(reading.error->line), why));
        return false;
    }
    // Lines typed before the file's stay above them, and make the tape other than the file.
    const bool before = !m_editor.tape().lines().empty();
    if (!m_editor.typeLines(reading.lines))
        return false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = before;
    emit titleChanged();
    //: Said after a tape was opened: %1 is the file's name; %n how many lines it holds.
    const QString text =
        tr("Opened %1, %n line(s)", nullptr, static_cast<int>(reading.lines.size())).arg(name);
    m_editor.announce(text);
    emit said(text);
    return true;
}

// Where a file dialog starts: the tape's file under its name with this suffix, or for a tape
// never saved, a name of its own in the user's documents.
QString TapeDocument::offeredPath(const QString &suffix) const
{
    if (m_path.isEmpty())
        //: The name a tape never saved is offered to be saved under.
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/'
            + tr("tape") + suffix;
    const QFileInfo file(m_path);
    return file.absolutePath() + u'/' + file.completeBaseName() + suffix;
}

bool TapeDocument::save()
{
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool TapeDocument::saveAs()
{
    const QString start = m_path.isEmpty() ? offeredPath(QStringLiteral(".tape")) : m_path;
    //: The title of the dialog that saves the tape to a file.
    QFileDialog dialog(m_dialogParent(), tr("Save Tape As"), start, fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tape"));
    dialog.selectFile(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return writeTo(dialog.selectedFiles().constFirst());
}

// The file is replaced only once the whole new one is written: a full disk or a folder that went
// leaves the old file whole, and the tape unsaved.
bool TapeDocument::writeTo(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const std::string text =
        writeTapeFile(m_editor.tape().lines(), keyboard::systemDecimalSeparator());
    QSaveFile file(path);
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size
        || !file.commit()) {
        //: A tape could not be saved: %1 is the file's name, %2 why, as the system says it.
        refuse(tr("Could not save %1: %2").arg(name, file.errorString()));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    emit titleChanged();
    //: Said after the tape was saved: %1 is the file's name.
    const QString said = tr("Saved %1").arg(name);
    m_editor.announce(said);
    emit this->said(said);
    return true;
}

void TapeDocument::newTape()
{
    if (!mayClose())
        return;
    m_editor.clearTape();
    m_path.clear();
    m_modified = false;
    emit titleChanged();
}

bool TapeDocument::mayClose()
{
    if (m_path.isEmpty() || !m_modified)
        return true;
    QMessageBox box(QMessageBox::Question, tr("Tallimax tape"),
        //: Asked before a changed tape is closed: %1 is the file's name.
        tr("Save the changes to %1?").arg(displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_dialogParent());
    box.setDefaultButton(QMessageBox::Save);
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TapeDocument::setKeeping(bool keep)
{
    if (keep == (m_kept.status() == KeptTape::Status::Keeping))
        return;
    QString text;
    m_keptWritten = true;
    if (!keep) {
        m_kept.stop();
        //: Said when keeping the tape between sessions was turned off.
        text = tr("The tape is no longer kept; its file is deleted.");
    } else if (QString error; m_kept.start(m_editor.tape(), &error)) {
        //: Said when keeping the tape between sessions was turned on.
        text = tr("The tape is kept between sessions.");
    } else {
        showKeeping();
        sayNotKept(error);
        return;
    }
    m_editor.announce(text);
    emit said(text);
}

void TapeDocument::restoreKept()
{
    if (m_restored)
        return;
    m_restored = true;
    const std::optional<TapeFileReading> reading = m_kept.take();
    if (!reading) {
        showKeeping();
        return;
    }
    // A kept tape this Tallimax cannot read, as one a newer Tallimax wrote, is left as it is, and
    // this session keeps nothing over it.
    QString error;
    if (reading->error) {
        m_kept.release();
        error = reasonText(reading->error->reason);
    } else {
        m_editor.preload(reading->lines);
        m_kept.start(m_editor.tape(), &error);
    }
    showKeeping();
    if (!error.isEmpty())
        sayNotKept(error);
}

// Another Tallimax that keeps the tape has the option to itself: here it shows greyed out.
void TapeDocument::showKeeping()
{
    if (m_keep == nullptr)
        return;
    const QSignalBlocker blocker(m_keep);
    const bool another = m_kept.status() == KeptTape::Status::KeptByAnother;
    m_keep->setEnabled(!another);
    m_keep->setChecked(!another && m_kept.status() == KeptTape::Status::Keeping);
}

void TapeDocument::exportPdf()
{
    //: The title of the dialog that writes the tape as a PDF document.
    QString path = QFileDialog::getSaveFileName(m_dialogParent(), tr("Export Tape as PDF"),
        offeredPath(QStringLiteral(".pdf")),
        //: In the file dialog: the kind of file a PDF document is.
        tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString error;
    const QString name = QFileInfo(path).fileName();
    if (!exportTapePdf(path, printedLines(m_editor.tape()), printTitle(), &error)) {
        refuse(error);
        return;
    }
    //: Said after the tape was written as a PDF document: %1 is the file's name.
    const QString text = tr("Exported %1").arg(name);
    m_editor.announce(text);
    emit said(text);
}

void TapeDocument::print()
{
    QString error;
    if (!printTape(m_dialogParent(), printedLines(m_editor.tape()), printTitle(), &error)) {
        if (!error.isEmpty())
            refuse(error);
        return;
    }
    //: Said after the tape was sent to the printer.
    const QString text = tr("Tape printed");
    m_editor.announce(text);
    emit said(text);
}

} // namespace tallimax
