// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape.h"
#include "engine/tape_file.h"

#include <QFile>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallimax {

// The tape kept between sessions, when the user asks for it: a tape file of its own in the user's
// state folder, written as the tape changes, so that a crash, a kill or a logout loses at most
// the step being made. Keeping is on exactly while that file exists: Tallimax keeps no settings.
//
// Only one Tallimax keeps the tape at a time. The first to keep it holds a lock beside the file
// for as long as it keeps it; another one started meanwhile neither reads nor writes the kept
// tape, and says so, so two sessions never write over each other's lines.
class KeptTape
{
public:
    enum class Status { Off, Keeping, KeptByAnother };

    // Looks for the kept tape in `folder`, by default $XDG_STATE_HOME/tallimax.
    explicit KeptTape(QString folder = defaultFolder());
    ~KeptTape();

    static QString defaultFolder();
    QString path() const;

    // Whether the user asked for the tape to be kept, whoever keeps it: the kept file exists.
    bool requested() const;
    Status status() const { return m_status; }

    // Takes the lock and reads the kept tape, to be typed before start(); nothing when none was
    // asked for or another Tallimax keeps it. A last line cut short, as by a kill while a step
    // was being written, is left out: the tape is as it was before that step.
    std::optional<TapeFileReading> take();
    // Keeps this tape from now on, writing it whole. False, with the reason, when it cannot; the
    // kept file is then as it was.
    bool start(const Tape &tape, QString *error);
    // Deletes the kept tape at once and lets the lock go.
    void stop();
    // Lets the lock go and keeps nothing more, leaving the kept file as it is.
    void release();

    // The lines from `first` on changed: the file is cut there and written on from it. False when
    // it could not be written; the next change writes it whole again.
    bool linesReplaced(const Tape &tape, std::size_t first);
    // The oldest lines went: the file is written again whole.
    bool oldestDropped(const Tape &tape);
    // Why the last write failed, as the system says it.
    QString errorString() const { return m_error; }

private:
    bool lock();
    bool writeFrom(const Tape &tape, std::size_t first);
    bool writeWhole(const Tape &tape);

    QString m_folder;
    Status m_status = Status::Off;
    std::unique_ptr<QLockFile> m_lock;
    QFile m_file;
    // Where each kept line starts in the file, and where the file ends.
    std::vector<qint64> m_offsets;
    QString m_error;
};

} // namespace tallimax
