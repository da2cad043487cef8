// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history.h"

#include <string>
#include <utility>
#include <variant>

namespace tallimax {

namespace {

std::size_t textBytes(const std::string &text)
{
    return text.capacity();
}

std::size_t textBytes(const CellValue &value)
{
    const auto *text = std::get_if<std::string>(&value);
    return text != nullptr ? textBytes(*text) : 0;
}

} // namespace

History::History(std::size_t maxSteps, std::size_t maxBytes)
    : m_maxSteps(maxSteps), m_maxBytes(maxBytes)
{ }

std::size_t History::bytesOf(const Snapshot &snapshot)
{
    const CalculatorState &state = snapshot.state;
    return sizeof(Snapshot) + textBytes(state.Accumulator) + textBytes(state.Operand)
        + textBytes(state.InputState) + textBytes(state.PendingOp) + textBytes(state.EntryValue)
        + textBytes(state.ReadoutText) + textBytes(snapshot.action);
}

void History::record(Snapshot before)
{
    while (!m_redo.empty())
        pop(m_redo);
    push(m_undo, std::move(before));
    trim();
}

std::optional<Snapshot> History::undo(Snapshot now)
{
    return travel(m_undo, m_redo, std::move(now));
}

std::optional<Snapshot> History::redo(Snapshot now)
{
    return travel(m_redo, m_undo, std::move(now));
}

// Trades what the calculator shows now for the newest snapshot of one list; the other list keeps
// now, to go back to it.
std::optional<Snapshot> History::travel(
    std::deque<Snapshot> &from, std::deque<Snapshot> &to, Snapshot now)
{
    if (from.empty())
        return std::nullopt;
    Snapshot next = pop(from);
    push(to, std::move(now));
    trim();
    return next;
}

void History::push(std::deque<Snapshot> &steps, Snapshot snapshot)
{
    m_bytes += bytesOf(snapshot);
    steps.push_back(std::move(snapshot));
}

Snapshot History::pop(std::deque<Snapshot> &steps)
{
    m_bytes -= bytesOf(steps.back());
    Snapshot snapshot = std::move(steps.back());
    steps.pop_back();
    return snapshot;
}

// Drops the steps furthest from now: the oldest to take back, then the last to put back.
void History::trim()
{
    while (size() > 1 && (size() > m_maxSteps || m_bytes > m_maxBytes)) {
        std::deque<Snapshot> &steps = m_undo.empty() ? m_redo : m_undo;
        m_bytes -= bytesOf(steps.front());
        steps.pop_front();
    }
}

} // namespace tallimax
