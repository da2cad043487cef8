// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"

#include <cstddef>
#include <deque>
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
class History
{
public:
    static constexpr std::size_t MaxSteps = 1000;
    static constexpr std::size_t MaxBytes = std::size_t{ 64 } << 20U;

    explicit History(std::size_t maxSteps = MaxSteps, std::size_t maxBytes = MaxBytes);

    // A step starts from `before`. What was taken back can no longer be put back.
    void record(Snapshot before);
    // The snapshot to show instead of `now`, taking the last step back; nothing when there is none.
    std::optional<Snapshot> undo(Snapshot now);
    // The snapshot to show instead of `now`, putting the last step taken back back again.
    std::optional<Snapshot> redo(Snapshot now);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The steps held, both ways, and the memory their snapshots take.
    std::size_t size() const { return m_undo.size() + m_redo.size(); }
    std::size_t bytes() const { return m_bytes; }

    // The memory a snapshot takes, its texts included.
    static std::size_t bytesOf(const Snapshot &snapshot);

private:
    std::optional<Snapshot> travel(
        std::deque<Snapshot> &from, std::deque<Snapshot> &to, Snapshot now);
    void push(std::deque<Snapshot> &steps, Snapshot snapshot);
    Snapshot pop(std::deque<Snapshot> &steps);
    void trim();

    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
    std::deque<Snapshot> m_undo; // oldest first
    std::deque<Snapshot> m_redo; // the next to put back last
    std::size_t m_bytes = 0;
};

} // namespace tallimax
