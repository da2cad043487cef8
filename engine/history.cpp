// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history.h"

#include <algorithm>
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

std::size_t History::bytesOf(const TapeLine &line)
{
    return sizeof(TapeLine) + textBytes(line.keys) + textBytes(line.number)
        + textBytes(line.result) + textBytes(line.message) + textBytes(line.note);
}

// A step that changed no tape line costs what its snapshot does.
std::size_t History::bytesOf(const Step &step)
{
    std::size_t bytes = bytesOf(step.snapshot);
    for (const TapeLine &line : step.tape.lines)
        bytes += bytesOf(line);
    if (step.tape.base)
        bytes += bytesOf(*step.tape.base);
    return bytes;
}

void History::record(Snapshot before, TapeSplice tape)
{
    while (!m_redo.empty())
        pop(m_redo);
    push(m_undo, { std::move(before), std::move(tape) });
    trim();
}

std::optional<Snapshot> History::undo(Snapshot now, const SwapTape &swapTape)
{
    return travel(m_undo, m_redo, std::move(now), swapTape);
}

std::optional<Snapshot> History::redo(Snapshot now, const SwapTape &swapTape)
{
    return travel(m_redo, m_undo, std::move(now), swapTape);
}

// Trades what the calculator shows now for the newest snapshot of one list; the other list keeps
// now, to go back to it, with the tape lines the step's own replaced.
std::optional<Snapshot> History::travel(
    std::deque<Step> &from, std::deque<Step> &to, Snapshot now, const SwapTape &swapTape)
{
    if (from.empty())
        return std::nullopt;
    Step next = pop(from);
    TapeSplice replaced = swapTape ? swapTape(std::move(next.tape)) : TapeSplice{};
    push(to, { std::move(now), std::move(replaced) });
    trim();
    return std::move(next.snapshot);
}

void History::forgetLinesBefore(std::size_t line)
{
    const auto reachesBefore = [line](const Step &step) { return step.tape.first < line; };
    for (std::deque<Step> *steps : { &m_undo, &m_redo }) {
        // Both lists hold the steps furthest from now at their front: a step beyond reach leaves
        // those behind it beyond reach too.
        const auto newest = std::find_if(steps->rbegin(), steps->rend(), reachesBefore);
        while (steps->size() > static_cast<std::size_t>(newest - steps->rbegin())) {
            m_bytes -= bytesOf(steps->front());
            steps->pop_front();
        }
    }
}

void History::push(std::deque<Step> &steps, Step step)
{
    m_bytes += bytesOf(step);
    steps.push_back(std::move(step));
}

History::Step History::pop(std::deque<Step> &steps)
{
    m_bytes -= bytesOf(steps.back());
    Step step = std::move(steps.back());
    steps.pop_back();
    return step;
}

// Drops the steps furthest from now: the oldest to take back, then the last to put back.
void History::trim()
{
    while (size() > 1 && (size() > m_maxSteps || m_bytes > m_maxBytes)) {
        std::deque<Step> &steps = m_undo.empty() ? m_redo : m_undo;
        m_bytes -= bytesOf(steps.front());
        steps.pop_front();
    }
}

} // namespace tallimax
