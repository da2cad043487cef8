// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape.h"

#include <QObject>

#include <cstddef>
#include <optional>
#include <vector>

namespace tallimax {

class KeyTyper;
struct Snapshot;

// Edits the tape the key typer records: a line corrected, annotated, removed or typed again, the
// tape cleared. Each is one step, which the typer takes back and puts back; each says what the
// tape now comes to, or why it could not be made.
class TapeEditor : public QObject
{
    Q_OBJECT

public:
    explicit TapeEditor(KeyTyper &typer, QObject *parent = nullptr);

    // The tape's line gets the number a text spells, read as a pasted number is, and the operator
    // (none when none), and everything after it is typed again. False, and a message by the
    // readout saying why, when the text is not one number or no correction can be made now.
    bool correct(std::size_t line, const QString &number, std::optional<TapeOperator> op);
    // The line's note becomes the text (cut at TapeLine::MaxNote characters). False when there
    // is no such line, the note is the same, or no change can be made now.
    bool annotate(std::size_t line, const QString &note);
    // The line's number and operator go, and everything after it is typed again.
    bool removeLine(std::size_t line);
    // Types the line's number into the calculator, as pasting it would.
    void useLine(std::size_t line);
    // Empties the tape, a step that can be taken back; the calculator stays as it is.
    void clearTape();
    // Types the lines of a tape opened from a file, as one step, after a break when the
    // calculator stood in a calculation they would go on; the calculator shows what they give.
    // False, having said why, when no step can be made now.
    bool typeLines(const std::vector<LineKeys> &lines);
    // Puts the tape kept from the last session before this one's, as no step.
    void preload(std::vector<LineKeys> lines);

    const Tape &tape() const;
    // Tells the screen reader, through the one announcer.
    void announce(const QString &text);

private:
    // A change waits while a step runs: its warning box is open, and the step is not finished.
    bool busy();
    // Shows what a correction of the tape left, and says the total it comes to.
    bool corrected(const std::optional<Snapshot> &shown);

    KeyTyper &m_typer;
};

} // namespace tallimax
