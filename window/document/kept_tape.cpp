// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/document/kept_tape.h"

#include "engine/tape_file.h"
#include "window/keys/keyboard.h"

#include <QDir>
#include <QFileInfo>

namespace tallimax {

namespace {

constexpr const char *FileName = "tape.tape";
constexpr const char *LockName = "tape.lock";

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
    // A lock left by a Tallimax that was killed names a process that is gone: it is taken over.
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    m_status = Status::KeptByAnother;
    return false;
}

std::optional<std::string> KeptTape::take()
{
    if (!requested() || !lock())
        return std::nullopt;
    m_status = Status::Keeping;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(MaxFileBytes))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool KeptTape::start(const Tape &tape, QString *error)
{
    if (!lock()) {
        if (error != nullptr)
            *error = m_status == Status::KeptByAnother ? QString() : m_folder;
        return false;
    }
    m_status = Status::Keeping;
    m_offsets.clear();
    m_file.close();
    if (!writeFrom(tape, 0)) {
        if (error != nullptr)
            *error = m_file.errorString();
        stop();
        return false;
    }
    return true;
}

void KeptTape::stop()
{
    m_file.close();
    QFile::remove(path());
    m_offsets.clear();
    if (m_lock != nullptr)
        m_lock->unlock();
    m_lock.reset();
    m_status = Status::Off;
}

void KeptTape::linesReplaced(const Tape &tape, std::size_t first)
{
    if (m_status == Status::Keeping)
        writeFrom(tape, first);
}

void KeptTape::oldestDropped(const Tape &tape)
{
    if (m_status != Status::Keeping)
        return;
    m_offsets.clear();
    writeFrom(tape, 0);
}

// A step changes only the end of the tape, so only the end of the file is written: what a key
// costs does not grow with the tape. The file is written straight through, without a buffer of
// Qt's, so that what a step wrote is on its way to the disk when the step ends.
bool KeptTape::writeFrom(const Tape &tape, std::size_t first)
{
    if (!m_file.isOpen()) {
        m_file.setFileName(path());
        if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            return false;
        m_offsets.clear();
    }
    // m_offsets[i] is where line i starts, and its last entry where the file ends.
    std::string text;
    qint64 cut = 0;
    if (m_offsets.empty()) {
        first = 0;
        text = tapeFileHeader(keyboard::systemDecimalSeparator());
        m_offsets.push_back(static_cast<qint64>(text.size()));
    } else {
        first = std::min(first, m_offsets.size() - 1);
        m_offsets.resize(first + 1);
        cut = m_offsets.back();
    }
    const auto &lines = tape.lines();
    const qint64 start = m_offsets.back() - static_cast<qint64>(text.size());
    for (std::size_t i = first; i < lines.size(); ++i) {
        appendTapeFileLine(text, fileLineOf(lines[i]));
        m_offsets.push_back(start + static_cast<qint64>(text.size()));
    }
    const auto size = static_cast<qint64>(text.size());
    return m_file.resize(cut) && m_file.seek(cut) && m_file.write(text.data(), size) == size;
}

} // namespace tallimax
