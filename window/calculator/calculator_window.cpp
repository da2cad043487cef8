// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/calculator_window.h"

#include "window/calculator/calculator_icon.h"
#include "window/calculator/layout.h"
#include "window/calculator/readout_label.h"
#include "window/calculator/timed_message.h"
#include "window/document/tape_document.h"
#include "window/keys/key_button.h"
#include "window/keys/key_typer.h"
#include "window/keys/keyboard.h"
#include "window/language/translations.h"
#include "window/tape/tape_editor.h"
#include "window/tape/tape_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tallimax {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toColour(std::uint32_t bgr)
{
    return { static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
        static_cast<int>((bgr >> 16U) & 0xFFU) };
}

QFont toFont(const layout::FontChoice &choice)
{
    QFont font(toQString(choice.family));
    font.setPointSizeF(choice.pointSize);
    font.setBold(choice.bold);
    // Where the named face is missing, fall back to a sans-serif of the same build.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect pixelGeometry(const layout::ControlRow &row)
{
    return { layout::toPixels(row.left), layout::toPixels(row.top), layout::toPixels(row.width),
        layout::toPixels(row.height) };
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(toQString(layout::WindowCaption));
    // The window's own texts stay in English and its controls where they are in every language:
    // a right-to-left translation turns the application right to left, which would move the RESET
    // ALL key's picture to the other side of its caption and the labels' text to their other
    // edges. The context menu and the warning box, windows of their own, follow the language.
    setLayoutDirection(Qt::LeftToRight);
    setFixedSize(layout::toPixels(layout::ClientWidth), layout::toPixels(layout::ClientHeight));
    // The bare background recolours the readout on every move, with or without a button held.
    setMouseTracking(true);
    m_calculator = std::make_unique<Calculator>(*this, keyboard::systemDecimalSeparator);
    createControls();
    createActions();
}

void CalculatorWindow::createControls()
{
    const QIcon icon = calculatorIcon();
    setWindowIcon(icon);

    const QFont controlFont = toFont(layout::ControlFont);
    std::vector<std::pair<int, QWidget *>> tabOrder;
    std::vector<std::pair<layout::ControlRow, KeyButton *>> keys;

    for (const layout::ControlRow &row : layout::Controls) {
        const QString caption = toQString(layout::captionOf(row));
        const QString name = QString::fromStdString(layout::objectNameOf(row));

        if (layout::kindOf(row.control) == layout::Kind::Label) {
            // The readout elides a number too long for it; the other two labels never overflow.
            QLabel *label = row.control == layout::Control::Readout
                ? new ReadoutLabel(caption, this)
                : new QLabel(caption, this);
            label->setObjectName(name);
            label->setGeometry(pixelGeometry(row));
            // Captions are shown exactly as given, never read as markup.
            label->setTextFormat(Qt::PlainText);
            // A description, not a name: a name would hide the changing text from screen readers.
            label->setAccessibleDescription(translated(layout::accessibleDescriptionOf(row)));
            if (row.control == layout::Control::Readout) {
                label->setFont(toFont(layout::ReadoutFont));
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                // The digits just typed stay in view when a long number overflows the readout.
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                label->setIndent(6);
                label->setAutoFillBackground(true);
                label->setMouseTracking(true);
                label->installEventFilter(this);
                m_readout = label;
            } else {
                label->setFont(controlFont);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(true);
                if (row.control == layout::Control::Action)
                    m_action = label;
            }
            continue;
        }

        auto *key = new KeyButton(caption, this);
        key->setObjectName(name);
        key->setGeometry(pixelGeometry(row));
        key->setFont(controlFont);
        key->setAutoDefault(false);
        key->setAccessibleName(translated(layout::accessibleNameOf(row)));
        tabOrder.emplace_back(row.tabIndex, key);

        keys.emplace_back(row, key);
        if (row.control == layout::Control::Reset) {
            key->setIcon(icon);
            key->setIconSize(QSize(32, 32));
        }
    }

    // Each key types its one engine operation through the tape, as one step.
    m_typer = new KeyTyper(*m_calculator, *this, *m_readout, *m_action, TimedMessage::Duration);
    m_editor = new TapeEditor(*m_typer, this);
    m_document = new TapeDocument(
        *m_editor,
        [this]() -> QWidget * {
            return m_tape != nullptr && m_tape->isVisible() ? static_cast<QWidget *>(m_tape) : this;
        },
        this);
    m_typer->addTapeListener(m_document);
    for (const auto &[row, key] : keys)
        m_typer->addKey(layout::captionOf(row), key);

    SetReadoutBackColor(toColour(layout::BrightWhite));

    // The keys were made in layout order; the keyboard visits them by tab index.
    std::sort(tabOrder.begin(), tabOrder.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();
}

void CalculatorWindow::SetReadout(const std::string &text)
{
    m_readout->setText(QString::fromStdString(text));
}

void CalculatorWindow::SetAction(const std::string &text)
{
    m_action->setText(QString::fromStdString(text));
}

void CalculatorWindow::ShowWarning(const std::string &prompt, const std::string &title)
{
    m_typer->interrupt();
    // The key may have been typed in the tape, which then gets the keys back. Either window goes
    // only with this one.
    QWidget *typedIn = QApplication::activeWindow();
    if (typedIn == nullptr || (typedIn != this && typedIn != m_tape))
        typedIn = this;
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
        QString::fromStdString(prompt), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Keys go back to the calculator. A window manager hands the focus back to the window under
    // a closed dialog; on a bare X server the focus would fall to the screen's root and the next
    // keys would be lost.
    QWidget *back = typedIn->isVisible() ? typedIn : this;
    if (back->isVisible())
        back->activateWindow();
}

void CalculatorWindow::SetReadoutBackColor(const QColor &colour)
{
    QPalette palette = m_readout->palette();
    palette.setColor(QPalette::Window, colour);
    // Black on the readout's own back colour, whatever the desktop theme's text colour is.
    palette.setColor(QPalette::WindowText, toColour(layout::Black));
    m_readout->setPalette(palette);
}

void CalculatorWindow::Form_MouseMove()
{
    SetReadoutBackColor(toColour(layout::BrightWhite));
}

void CalculatorWindow::Readout_MouseMove()
{
    SetReadoutBackColor(toColour(layout::LightGrey));
}

void CalculatorWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over keys and labels that do not handle them are passed up to the window; only the
    // bare background counts as the window's own.
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove();
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_readout && event->type() == QEvent::MouseMove) {
        Readout_MouseMove();
        // Consumed here, so the move does not reach the window background as well.
        return true;
    }
    if (watched == m_readout && event->type() == QEvent::ContextMenu) {
        showReadoutMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Made once, with the platform's standard keys, for the window and the readout's menu alike.
// Backspace takes a step back too, as in any calculator; Ctrl+Y puts one back on every desktop.
void CalculatorWindow::createActions()
{
    const auto add = [this](const QString &text, QKeySequence::StandardKey keys,
                         QList<QKeySequence> more, auto slot) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keyboard::shortcuts(keys, more));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    //: In the readout's context menu: copies the number shown. The & marks the access key.
    m_copy = add(tr("&Copy"), QKeySequence::Copy, {}, [this] { m_typer->copy(); });
    //: In the readout's context menu: types the clipboard's number or calculation.
    m_paste = add(tr("&Paste"), QKeySequence::Paste, {},
        [this] { m_typer->paste(QGuiApplication::clipboard()->text()); });
    //: In the readout's context menu: takes back the last step (key press or paste).
    m_undo = add(tr("&Undo"), QKeySequence::Undo, { QKeySequence(Qt::Key_Backspace) },
        [this] { m_typer->undo(); });
    //: In the readout's context menu: puts back the last step taken back.
    m_redo = add(tr("&Redo"), QKeySequence::Redo, { QKeySequence(Qt::CTRL | Qt::Key_Y) },
        [this] { m_typer->redo(); });
    //: In the readout's context menu: opens or closes the tape, the list of every number typed.
    m_showTape = add(tr("&Tape"), QKeySequence::UnknownKey, { QKeySequence(Qt::CTRL | Qt::Key_H) },
        [this] { toggleTape(); });
    m_showTape->setCheckable(true);
}

CalculatorWindow::~CalculatorWindow()
{
    // Before the typer it shows, which goes with the window's other children.
    delete m_tape;
}

TapeWindow *CalculatorWindow::tapeWindow()
{
    return m_tape;
}

// Made the first time, so that a start without the tape costs nothing more.
void CalculatorWindow::toggleTape()
{
    if (m_tape == nullptr)
        m_tape =
            new TapeWindow(*m_typer, *m_editor, *m_document, *this, { m_paste, m_undo, m_redo });
    m_tape->toggle();
}

void CalculatorWindow::openTapeFile(const QString &path)
{
    if (m_tape == nullptr || !m_tape->isVisible())
        toggleTape();
    m_document->open(path);
}

// Closing the calculator ends Tallimax: changes to a saved tape are asked about first.
void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    if (m_document->mayClose())
        event->accept();
    else
        event->ignore();
}

// The tape kept from the last session comes once the calculator is on the screen, so that a long
// one does not hold back the window.
bool CalculatorWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        if (m_document->keepRequested())
            QTimer::singleShot(0, m_document, &TapeDocument::restoreKept);
    }
    return QWidget::event(event);
}

void CalculatorWindow::showReadoutMenu(const QPoint &globalPosition)
{
    // The actions stay enabled for their keys, which say by the readout when there is nothing to
    // do; the menu greys out what would do nothing.
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    m_paste->setEnabled(clipboard != nullptr && clipboard->hasText());
    m_undo->setEnabled(m_typer->canUndo());
    m_redo->setEnabled(m_typer->canRedo());
    m_showTape->setChecked(m_tape != nullptr && m_tape->isVisible());
    // Made on demand: most sessions never open it, and the window opens sooner without it.
    QMenu menu(this);
    menu.addActions({ m_copy, m_paste, m_undo, m_redo });
    menu.addSeparator();
    menu.addAction(m_showTape);
    menu.exec(globalPosition);
    for (QAction *action : { m_paste, m_undo, m_redo })
        action->setEnabled(true);
}

} // namespace tallimax
