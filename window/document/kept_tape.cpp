// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/document/kept_tape.h"

#include "engine/tape_file.h"
#include "window/keys/keyboard.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tallimax {

namespace {

constexpr const char *FileName = "tape.tape";
constexpr const char *LockName = "tape.lock";

// The number of text lines in a file, and where its last one starts.
std::size_t textLineCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'))
        + (text.empty() || text.ends_with('\n') ? 0 : 1);
}

std::size_t lastLineStart(std::string_view text)
{
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    const std::size_t end = text.rfind('\n');
    return end == std::string_view::npos ? 0 : end + 1;
}

} // namespace

KeptTape::KeptTape(QString folder) : m_folder(std::move(folder)) { }

KeptTape::~KeptTape() = default;

// Qt 6.4 has no state location of its own: the folder is read from the environment, as the XDG
// base directories say, with its default when unset or not absolute.
QString KeptTape::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tallimax");
}

QString KeptTape::path() const
{
    return m_folder + u'/' + QLatin1String(FileName);
}

bool KeptTape::requested() const
{
    return QFileInfo::exists(path());
}

bool KeptTape::lock()
{
    if (m_lock != nullptr && m_lock->isLocked())
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    m_lock = std::make_unique<QLockFile>(m_folder + u'/' + QLatin1String(LockName));
    // The lock is held for a whole session, however long: only one left by a Tallimax that was
    // killed, naming a process that is gone, is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    m_status = Status::KeptByAnother;
    return false;
}

std::optional<TapeFileReading> KeptTape::take()
{
    if (!requested() || !lock())
        return std::nullopt;
    TapeFileReading reading;
    QFile file(path());
    if (file.size() > qint64(MaxFileBytes)) {
        reading.error = TapeFileError{ 0, TapeFileError::Reason::TooLarge };
        return reading;
    }
    // A file that cannot be read cannot be written either: start() says why.
    if (!file.open(QIODevice::ReadOnly))
        return reading;
    const QByteArray bytes = file.readAll();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    reading = readTapeFile(text);
    if (reading.error && reading.error->line > 1 && reading.error->line == textLineCount(text))
        reading = readTapeFile(text.substr(0, lastLineStart(text)));
    return reading;
}

bool KeptTape::start(const Tape &tape, QString *error)
{
    if (!lock()) {
        if (error != nullptr)
            *error = m_status == Status::KeptByAnother ? QString() : m_folder;
        return false;
    }
    m_status = Status::Keeping;
    if (!writeWhole(tape)) {
        if (error != nullptr)
            *error = m_error;
        release();
        return false;
    }
    return true;
}

void KeptTape::stop()
{
    m_file.close();
    QFile::remove(path());
    release();
}

void KeptTape::release()
{
    m_file.close();
    m_offsets.clear();
    if (m_lock != nullptr)
        m_lock->unlock();
    m_lock.reset();
    m_status = Status::Off;
}

bool KeptTape::linesReplaced(const Tape &tape, std::size_t first)
{
    return m_status != Status::Keeping || writeFrom(tape, first);
}

bool KeptTape::oldestDropped(const Tape &tape)
{
    return m_status != Status::Keeping || writeWhole(tape);
}

// A step changes only the end of the tape, so only the end of the file is written: what a key
// costs does not grow with the tape. The file is written straight through, without a buffer of
// Qt's, so that what a step wrote is on its way to the disk when the step ends. A write that
// fails leaves the offsets unknown: the next change writes the file whole.
bool KeptTape::writeFrom(const Tape &tape, std::size_t first)
{
    if (m_offsets.empty() || !m_file.isOpen())
        return writeWhole(tape);
    // m_offsets[i] is where line i starts, and its last entry where the file ends.
    first = std::min(first, m_offsets.size() - 1);
    m_offsets.resize(first + 1);
    const qint64 cut = m_offsets.back();
    std::string text;
    const auto &lines = tape.lines();
    for (std::size_t i = first; i < lines.size(); ++i) {
        appendTapeFileLine(text, fileLineOf(lines[i]));
        m_offsets.push_back(cut + static_cast<qint64>(text.size()));
    }
    const auto size = static_cast<qint64>(text.size());
    if (m_file.resize(cut) && m_file.seek(cut) && m_file.write(text.data(), size) == size)
        return true;
    m_error = m_file.errorString();
    m_offsets.clear();
    m_file.close();
    return false;
}

// The whole file replaces the one kept only once it is all written, so that a kill, a full disk
// or a folder that cannot be written leaves the tape kept as it was; the new file is then kept
// open for the steps that follow.
bool KeptTape::writeWhole(const Tape &tape)
{
    m_file.close();
    m_offsets.clear();
    std::string text = tapeFileHeader(keyboard::systemDecimalSeparator());
    std::vector<qint64> offsets{ static_cast<qint64>(text.size()) };
    for (const TapeLine &line : tape.lines()) {
        appendTapeFileLine(text, fileLineOf(line));
        offsets.push_back(static_cast<qint64>(text.size()));
    }
    QSaveFile whole(path());
    const auto size = static_cast<qint64>(text.size());
    if (!whole.open(QIODevice::WriteOnly) || whole.write(text.data(), size) != size
        || !whole.commit()) {
        m_error = whole.errorString();
        return false;
    }
    m_file.setFileName(path());
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        return false;
    }
    m_offsets = std::move(offsets);
    return true;
}

} // namespace tallimax
