// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/history.h"
#include "engine/tape_line.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tallimax {

// How the calculator stood before a key, as far as the tape needs to know.
struct KeyStart
{
    bool typingNumber = false; // "NUMS"
    bool signStarted = false; // "NEG"
    std::int16_t operandCount = 0;

    static KeyStart of(const CalculatorState &state);
};

// Told which lines of the tape changed, after they did.
class TapeListener
{
public:
    virtual ~TapeListener() = default;
    // The lines from `first` on were `removed` lines and are now `added` others.
    virtual void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) = 0;
    // The oldest `count` lines went, to keep the tape within its bounds.
    virtual void oldestDropped(std::size_t count) = 0;
};

// The record of the session: every key typed, as the lines of an adding machine's tape, and the
// steps that can be taken back and put back, kept as one, so the two can never disagree. The tape
// keeps the whole session up to MaxLines lines or MaxBytes, the oldest going first; the steps, the
// history's own bounds.
//
// The calculator it records can always be had again by typing the tape's keys from the state
// before its first line. A correction does just that, with the corrected keys in their place, so
// every total after the corrected line is what typing it right in the first place would give.
class Tape
{
public:
    static constexpr std::size_t MaxLines = 100'000;
    static constexpr std::size_t MaxBytes = std::size_t{ 64 } << 20U;

    explicit Tape(DecimalSeparatorSource decimalSeparator, std::size_t maxLines = MaxLines,
        std::size_t maxBytes = MaxBytes);

    void setListener(TapeListener *listener) { m_listener = listener; }

    // A step, one key or one whole paste, starts from `before`; each of its keys is told as it is
    // typed, with what the engine wrote on the action panel meanwhile (empty when nothing).
    void beginStep(const Snapshot &before);
    void typed(char key, KeyStart start, const CalculatorState &after, std::string_view action);
    void endStep();

    // Takes the last step back, or puts back the last step taken back: what the calculator shows
    // instead of `now`; nothing when there is none.
    std::optional<Snapshot> undo(Snapshot now);
    std::optional<Snapshot> redo(Snapshot now);

    // One step each, which undo takes back: the line's number keys (a leading "-" as the minus key)
    // and operator replaced, or the whole line gone, and everything after it typed again. Returns
    // what the calculator shows then; nothing, and no change, when there is no such line.
    std::optional<Snapshot> correct(
        std::size_t line, std::string_view numberKeys, char op, Snapshot now);
    std::optional<Snapshot> remove(std::size_t line, Snapshot now);
    // Empties the tape; the calculator stays as it is. A step too.
    void clear(Snapshot now);

    const std::deque<TapeLine> &lines() const { return m_lines; }
    const History &history() const { return m_history; }
    std::size_t bytes() const { return m_bytes; }

    // Puts one key on the lines: a digit, the point, or a minus that starts a negative number goes
    // to the number being typed; any other operator key ends it (or makes a line of its own when
    // no number was typed); RESET ALL draws a break.
    static void addKey(std::deque<TapeLine> &lines, char key, KeyStart start,
        const CalculatorState &after, std::string_view action);

private:
    // Types the keys on a calculator standing at `from`, adding the lines they make to `lines`
    // when given; returns where it ends.
    Snapshot replay(const Snapshot &from, std::string_view keys, std::deque<TapeLine> *lines) const;
    std::optional<Snapshot> retype(std::size_t line, std::string_view keys, Snapshot now);
    // Puts the splice's lines in place of those from its first on, and returns those.
    TapeSplice swap(TapeSplice splice);
    void replaceFrom(std::size_t first, std::deque<TapeLine> lines);
    void changed(std::size_t first, std::size_t removed);
    void trim();

    DecimalSeparatorSource m_decimalSeparator;
    std::size_t m_maxLines;
    std::size_t m_maxBytes;
    History m_history;
    std::deque<TapeLine> m_lines;
    std::size_t m_bytes = 0;
    // The calculator before the first line kept, and how many lines went before that one.
    std::optional<Snapshot> m_base;
    std::size_t m_dropped = 0;
    // While a step runs: the first line it may change, and how many lines followed it before.
    std::size_t m_stepFirst = 0;
    std::size_t m_stepRemoved = 0;
    TapeListener *m_listener = nullptr;
};

} // namespace tallimax
