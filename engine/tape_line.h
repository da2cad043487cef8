// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallimax {

// The operator key that ends a line of the tape, by its key on the tape.
enum class TapeOperator : char {
    Divide = '/',
    Plus = '+',
    Times = 'X',
    Minus = '-',
    Equals = '=',
};

// The operator a key is, if it is one.
std::optional<TapeOperator> operatorOf(char key);
inline char keyOf(TapeOperator op)
{
    return static_cast<char>(op);
}

// A line to type: the tape's own keys (digits, ".", "+", "-", "X", "/", "=", and "R" for
// RESET ALL) and the note the line they start gets.
struct LineKeys
{
    std::string keys;
    std::string note;

    friend bool operator==(const LineKeys &, const LineKeys &) = default;
};

// One line of the tape, as an adding machine prints it: a number entered and the operator key that
// ended it, with the running result after it; or the break that RESET ALL draws.
struct TapeLine
{
    enum class Kind { Number, Break };

    Kind kind = Kind::Number;
    // Every key typed for this line, in order: its number's digits and point (a minus that started
    // the number included), then the operator that ended it; "R" for a break.
    std::string keys;
    // The number as the readout showed it; empty when an operator came with no number typed.
    std::string number;
    // The operator key that ended the line; none while its number is still being typed (or when
    // RESET ALL abandoned it).
    std::optional<TapeOperator> op;
    // What the readout showed after the operator evaluated; empty when it evaluated nothing.
    std::string result;
    // The action panel's message when the evaluation was refused (a division by zero, an overflow).
    std::string message;
    // The user's own words about the line, at most MaxNote code points of UTF-8.
    std::string note;

    static constexpr std::size_t MaxNote = 200;

    bool isBreak() const { return kind == Kind::Break; }
    // A number still being typed: the next key that is not RESET ALL goes on this line.
    bool isOpen() const { return kind == Kind::Number && !op; }
    // A line whose result is the total of an "=".
    bool isTotal() const { return op == TapeOperator::Equals && !result.empty(); }

    friend bool operator==(const TapeLine &, const TapeLine &) = default;
};

// The note a line keeps of a text: its tabs and line breaks made spaces, as they would split it
// into cells and lines wherever the tape is copied or saved, cut to TapeLine::MaxNote code points,
// never inside a character.
std::string noteOf(std::string text);

// The lines of the tape from one line on, as they were before a step changed them: they stand
// for `count` lines there now (all those to the end of the tape for ToEnd). `first` counts lines
// from the start of the session, so it stays right when the oldest lines go. A step that cleared
// the tape also keeps the calculator as it was before the first of its lines.
struct TapeSplice
{
    static constexpr std::size_t ToEnd = static_cast<std::size_t>(-1);

    std::size_t first = 0;
    std::vector<TapeLine> lines;
    std::size_t count = ToEnd;
    std::optional<Snapshot> base;
};

} // namespace tallimax
