// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/tape_line.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>

namespace tallimax {

// The steps the user can take back and put back. A step is whatever runs between two snapshots
// (one key, or one whole paste); the history keeps what the calculator was before each step, so
// taking one back restores exactly that, and putting it back restores exactly what followed,
// without running the step again.
//
// It keeps the newest MaxSteps steps and, since a readout may hold a number thousands of digits
// long, at most MaxBytes of snapshots between them; the oldest go first. The newest step is kept
// whatever its size.
//
// A step also keeps the tape's lines it changed, so the tape always shows exactly the steps that
// stand: the tape hands its own swap over, which puts a step's lines in and gives back the ones
// they replace.
class History
{
public:
    static constexpr std::size_t MaxSteps = 1000;
    static constexpr std::size_t MaxBytes = std::size_t{ 64 } << 20U;

    explicit History(std::size_t maxSteps = MaxSteps, std::size_t maxBytes = MaxBytes);

    // Puts a step's tape lines in place of the ones now there and returns those.
    using SwapTape = std::function<TapeSplice(TapeSplice)>;

    // A step starts from `before`, and from the tape lines as they were before it changed them.
    // What was taken back can no longer be put back.
    void record(Snapshot before, TapeSplice tape = {});
    // The snapshot to show instead of `now`, taking the last step back; nothing when there is none.
    std::optional<Snapshot> undo(Snapshot now, const SwapTape &swapTape = {});
    // The snapshot to show instead of `now`, putting the last step taken back back again.
    std::optional<Snapshot> redo(Snapshot now, const SwapTape &swapTape = {});
    // Forgets every step that would put back tape lines before `line`, and those older than it.
    void forgetLinesBefore(std::size_t line);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The steps held, both ways, and the memory their snapshots take.
    std::size_t size() const { return m_undo.size() + m_redo.size(); }
    std::size_t bytes() const { return m_bytes; }

    // The memory a snapshot takes, its texts included; and a step, its tape lines included.
    static std::size_t bytesOf(const Snapshot &snapshot);
    static std::size_t bytesOf(const TapeLine &line);

private:
    struct Step
    {
        Snapshot snapshot;
        TapeSplice tape;
    };
    static std::size_t bytesOf(const Step &step);

    std::optional<Snapshot> travel(
        std::deque<Step> &from, std::deque<Step> &to, Snapshot now, const SwapTape &swapTape);
    void push(std::deque<Step> &steps, Step step);
    Step pop(std::deque<Step> &steps);
    void trim();

    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
    std::deque<Step> m_undo; // oldest first
    std::deque<Step> m_redo; // the next to put back last
    std::size_t m_bytes = 0;
};

} // namespace tallimax
