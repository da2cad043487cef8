// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallimax {

// One line of the tape, as an adding machine prints it: a number entered and the operator key that
// ended it, with the running result after it; or the break that RESET ALL draws.
struct TapeLine
{
    // Every key typed for this line, in order: its number's digits and point (a minus that started
    // the number included), then the operator that ended it; "R" for a break.
    std::string keys;
    // The number as the readout showed it; empty when an operator came with no number typed.
    std::string number;
    // The operator key that ended the line, or '\0' while its number is still being typed (or when
    // RESET ALL abandoned it).
    char op = '\0';
    // What the readout showed after the operator evaluated; empty when it evaluated nothing.
    std::string result;
    // The action panel's message when the evaluation was refused (a division by zero, an overflow).
    std::string message;
    // What the user wrote beside the line, up to 200 characters; empty for none.
    std::string note;

    bool isBreak() const { return keys == "R"; }
    // A line whose result is the total of an "=".
    bool isTotal() const { return op == '=' && !result.empty(); }

    friend bool operator==(const TapeLine &, const TapeLine &) = default;
};

// The lines of the tape from one line on, as they were before a step changed them; a step only
// ever changes the end of the tape. `first` counts lines from the start of the session, so it
// stays right when the oldest lines go. A step that cleared the tape also keeps the calculator as
// it was before the first of its lines.
struct TapeSplice
{
    std::size_t first = 0;
    std::vector<TapeLine> lines;
    std::optional<Snapshot> base;
};

} // namespace tallimax
