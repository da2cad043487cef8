// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/history.h"
#include "engine/tape_line.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallimax {

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
// every total after the corrected line is what typing it right in the first place would give. It
// types from the nearest state the tape kept before the line (one every CheckpointEvery lines),
// and stops where the calculation comes back to what it was: the lines after that stay as they
// are.
class Tape
{
public:
    static constexpr std::size_t MaxLines = 100'000;
    static constexpr std::size_t MaxBytes = std::size_t{ 64 } << 20U;
    static constexpr std::size_t CheckpointEvery = 256;

    explicit Tape(DecimalSeparatorSource decimalSeparator, std::size_t maxLines = MaxLines,
        std::size_t maxBytes = MaxBytes, std::size_t checkpointEvery = CheckpointEvery);

    // Each listener is told of every change, in the order they were added.
    void addListener(TapeListener *listener) { m_listeners.push_back(listener); }
    void removeListener(TapeListener *listener) { std::erase(m_listeners, listener); }

    // A step, one key or one whole paste, starts from `before`, and each of its keys is typed on
    // the calculator through the tape, which puts it on its lines. False for a character that is
    // no key's. The calculator belongs with the tape: a key that opens the warning box returns
    // when it is closed.
    void beginStep(const Snapshot &before);
    bool type(Calculator &calculator, char key);
    void endStep();
    // Whether the keys of the step running or last run wrote the action panel, even with the
    // text it held.
    bool stepWroteAction() const { return m_stepWroteAction; }

    // Takes the last step back, or puts back the last step taken back: what the calculator shows
    // instead of `now`; nothing when there is none.
    std::optional<Snapshot> undo(Snapshot now);
    std::optional<Snapshot> redo(Snapshot now);

    // One step each, which undo takes back: the line's number keys (a leading "-" as the minus key)
    // and operator replaced, or the whole line gone, and everything after it typed again. Returns
    // what the calculator shows then; nothing, and no change, when there is no such line.
    std::optional<Snapshot> correct(std::size_t line, std::string_view numberKeys,
        std::optional<TapeOperator> op, Snapshot now);
    std::optional<Snapshot> remove(std::size_t line, Snapshot now);
    // Whether `correct` may give the line these number keys: one number, its sign the minus key
    // and then digits and the point; or none, on a line that came with no number.
    bool takesNumber(std::size_t line, std::string_view numberKeys) const;
    // Empties the tape; the calculator stays as it is. A step too.
    void clear(Snapshot now);
    // The line's note (cut to TapeLine::MaxNote code points), a step that changes nothing else;
    // returns `now`. Nothing, and no step, when there is no such line or the note is the same.
    std::optional<Snapshot> annotate(std::size_t line, std::string note, Snapshot now);
    // Types the lines after those there, as one step, with no warning box: a division by zero
    // shows its message on its line, as a correction does. Returns what the calculator shows then.
    Snapshot typeLines(const std::vector<LineKeys> &lines, Snapshot now);
    // Puts the lines kept from an earlier session before this session's, above a break, as no
    // step: this session's lines are typed again after the break, and what they show stays as
    // it was. Returns what the calculator shows then.
    Snapshot preload(std::vector<LineKeys> kept, Snapshot now);
    // Whether the calculator may be standing in a calculation that lines typed now would go on.
    bool continues(const CalculatorState &state) const;

    // The running result of the calculation since the last RESET ALL, or `readout` before any.
    std::string runningTotal(std::string_view readout) const;

    const std::deque<TapeLine> &lines() const { return m_lines; }
    const History &history() const { return m_history; }
    // The memory the lines and the states kept take.
    std::size_t bytes() const { return m_bytes + m_checkpointBytes; }

private:
    // The calculator before a line, `line` counting from the start of the session.
    struct Checkpoint
    {
        std::size_t line;
        Snapshot before;
    };

    std::string separator() const;
    std::optional<Snapshot> retype(
        std::size_t line, std::optional<std::string_view> keys, Snapshot now);
    // Puts `lines` in place of the `count` lines from `first` on (TapeSplice::ToEnd: all of
    // them), and returns those; the bytes, the states kept and the listener follow.
    std::vector<TapeLine> replace(
        std::size_t first, std::size_t count, std::vector<TapeLine> lines);
    TapeSplice swap(TapeSplice splice);
    void trim();

    // The line of the checkpoint nearest before the line, or of the base, and its state.
    std::pair<std::size_t, const Snapshot *> nearest(std::size_t line) const;
    void keep(Checkpoint checkpoint);
    void forgetCheckpoints(std::size_t after, std::size_t before);

    DecimalSeparatorSource m_decimalSeparator;
    std::size_t m_maxLines;
    std::size_t m_maxBytes;
    std::size_t m_checkpointEvery;
    History m_history;
    std::deque<TapeLine> m_lines;
    std::size_t m_bytes = 0;
    // The calculator before the first line kept, and how many lines went before that one.
    std::optional<Snapshot> m_base;
    std::size_t m_dropped = 0;
    // Later states, by line, each at least m_checkpointEvery lines after the one before it.
    std::deque<Checkpoint> m_checkpoints;
    std::size_t m_checkpointBytes = 0;
    // While a step runs: the first line it may change, how many lines followed it before, and the
    // action panel as its keys left it.
    std::size_t m_stepFirst = 0;
    std::size_t m_stepRemoved = 0;
    std::string m_action;
    bool m_stepWroteAction = false;
    std::vector<TapeListener *> m_listeners;
};

} // namespace tallimax
