// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tape.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace tallimax {

namespace {

// Shows nothing while a replay types: it only keeps what the action panel would say. A division
// by zero puts its message on its line instead of opening the warning box.
class ReplayView : public CalculatorView
{
public:
    void SetReadout(const std::string & /*text*/) override { }
    void SetAction(const std::string &text) override { written = text; }
    void ShowWarning(const std::string & /*prompt*/, const std::string & /*title*/) override { }

    std::optional<std::string> written;
};

bool isNumberKey(char key)
{
    return (key >= '0' && key <= '9') || key == '.';
}

template <typename Lines> std::size_t bytesFrom(const Lines &lines, std::size_t first)
{
    std::size_t bytes = 0;
    for (std::size_t i = first; i < lines.size(); ++i)
        bytes += History::bytesOf(lines[i]);
    return bytes;
}

} // namespace

KeyStart KeyStart::of(const CalculatorState &state)
{
    return { IsText(state.InputState, "NUMS"), IsText(state.InputState, "NEG"),
        state.OperandCount };
}

Tape::Tape(DecimalSeparatorSource decimalSeparator, std::size_t maxLines, std::size_t maxBytes)
    : m_decimalSeparator(std::move(decimalSeparator)), m_maxLines(maxLines), m_maxBytes(maxBytes)
{ }

void Tape::addKey(std::deque<TapeLine> &lines, char key, KeyStart start,
    const CalculatorState &after, std::string_view action)
{
    if (key == 'R') {
        lines.emplace_back().keys = "R";
        return;
    }
    const bool open = !lines.empty() && !lines.back().isBreak() && lines.back().op == '\0';
    if (!open)
        lines.emplace_back();
    TapeLine &line = lines.back();
    line.keys += key;
    // A minus where a number is expected is the number's sign.
    const bool sign = key == '-' && !start.signStarted && IsText(after.InputState, "NEG");
    if (isNumberKey(key) || sign) {
        line.number = after.ReadoutText;
        return;
    }
    line.op = key;
    // Only a second operand typed after the first one leads to an evaluation.
    if (start.typingNumber && start.operandCount == 1) {
        if (action == texts::DivideByZero || action == texts::Overflow)
            line.message = action;
        else
            line.result = after.ReadoutText;
    }
}

Snapshot Tape::replay(
    const Snapshot &from, std::string_view keys, std::deque<TapeLine> *lines) const
{
    ReplayView view;
    Calculator calculator(view, m_decimalSeparator);
    calculator.restore(from);
    std::string action = from.action;
    for (const char key : keys) {
        const KeyStart start = KeyStart::of(calculator.state());
        view.written.reset();
        pressKey(calculator, key);
        if (view.written)
            action = *view.written;
        if (lines != nullptr)
            addKey(*lines, key, start, calculator.state(), view.written ? *view.written : "");
    }
    return { calculator.state(), std::move(action) };
}

void Tape::beginStep(const Snapshot &before)
{
    if (m_lines.empty())
        m_base = before;
    // A key either goes on the number being typed on the last line or starts a line of its own.
    const bool open = !m_lines.empty() && !m_lines.back().isBreak() && m_lines.back().op == '\0';
    m_stepFirst = m_lines.size() - (open ? 1 : 0);
    m_stepRemoved = m_lines.size() - m_stepFirst;
    m_bytes -= bytesFrom(m_lines, m_stepFirst);
    TapeSplice splice{ m_dropped + m_stepFirst, {}, std::nullopt };
    splice.lines.assign(m_lines.begin() + static_cast<std::ptrdiff_t>(m_stepFirst), m_lines.end());
    m_history.record(before, std::move(splice));
}

void Tape::typed(char key, KeyStart start, const CalculatorState &after, std::string_view action)
{
    addKey(m_lines, key, start, after, action);
}

void Tape::endStep()
{
    m_bytes += bytesFrom(m_lines, m_stepFirst);
    changed(m_stepFirst, m_stepRemoved);
    trim();
}

std::optional<Snapshot> Tape::undo(Snapshot now)
{
    return m_history.undo(std::move(now), [this](TapeSplice splice) { return swap(splice); });
}

std::optional<Snapshot> Tape::redo(Snapshot now)
{
    return m_history.redo(std::move(now), [this](TapeSplice splice) { return swap(splice); });
}

std::optional<Snapshot> Tape::correct(
    std::size_t line, std::string_view numberKeys, char op, Snapshot now)
{
    if (line >= m_lines.size() || m_lines[line].isBreak())
        return std::nullopt;
    std::string keys(numberKeys);
    if (op != '\0')
        keys += op;
    return retype(line, keys, std::move(now));
}

std::optional<Snapshot> Tape::remove(std::size_t line, Snapshot now)
{
    return retype(line, {}, std::move(now));
}

// Types the session again from the state before its first line kept, with the line's keys
// replaced: the calculator, the line and every line after it are then what those keys give.
std::optional<Snapshot> Tape::retype(std::size_t line, std::string_view keys, Snapshot now)
{
    if (line >= m_lines.size() || !m_base)
        return std::nullopt;
    std::string after(keys);
    for (std::size_t i = line + 1; i < m_lines.size(); ++i)
        after += m_lines[i].keys;
    // A number RESET ALL abandoned goes on being typed when its break goes: it is typed again too.
    const TapeLine *previous = line > 0 ? &m_lines[line - 1] : nullptr;
    if (previous != nullptr && !previous->isBreak() && previous->op == '\0') {
        after.insert(0, previous->keys);
        --line;
    }
    std::string before;
    for (std::size_t i = 0; i < line; ++i)
        before += m_lines[i].keys;

    std::deque<TapeLine> lines;
    Snapshot shown = replay(replay(*m_base, before, nullptr), after, &lines);
    TapeSplice splice{ m_dropped + line, {}, std::nullopt };
    const std::size_t removed = m_lines.size() - line;
    m_bytes -= bytesFrom(m_lines, line);
    std::move(m_lines.begin() + static_cast<std::ptrdiff_t>(line), m_lines.end(),
        std::back_inserter(splice.lines));
    m_lines.resize(line);
    m_history.record(std::move(now), std::move(splice));
    std::move(lines.begin(), lines.end(), std::back_inserter(m_lines));
    m_bytes += bytesFrom(m_lines, line);
    changed(line, removed);
    trim();
    return shown;
}

void Tape::clear(Snapshot now)
{
    if (m_lines.empty())
        return;
    TapeSplice splice{ m_dropped, {}, m_base };
    std::move(m_lines.begin(), m_lines.end(), std::back_inserter(splice.lines));
    const std::size_t removed = m_lines.size();
    m_lines.clear();
    m_bytes = 0;
    m_base = now;
    m_history.record(std::move(now), std::move(splice));
    changed(0, removed);
}

TapeSplice Tape::swap(TapeSplice splice)
{
    const std::size_t first = splice.first - m_dropped;
    TapeSplice replaced{ splice.first, {}, std::nullopt };
    const std::size_t removed = m_lines.size() - first;
    m_bytes -= bytesFrom(m_lines, first);
    std::move(m_lines.begin() + static_cast<std::ptrdiff_t>(first), m_lines.end(),
        std::back_inserter(replaced.lines));
    m_lines.resize(first);
    std::move(splice.lines.begin(), splice.lines.end(), std::back_inserter(m_lines));
    m_bytes += bytesFrom(m_lines, first);
    if (splice.base) {
        replaced.base = std::move(m_base);
        m_base = std::move(splice.base);
    }
    changed(first, removed);
    return replaced;
}

void Tape::changed(std::size_t first, std::size_t removed)
{
    if (m_listener != nullptr)
        m_listener->linesReplaced(first, removed, m_lines.size() - first);
}

// Lets the oldest lines go, a hundredth of the bound at a time: each time the state after them is
// typed again, to be the one before the first line kept.
void Tape::trim()
{
    const std::size_t slack = m_maxLines / 100;
    if (m_lines.size() <= m_maxLines + slack && m_bytes <= m_maxBytes)
        return;
    std::size_t count = 0;
    std::size_t bytes = m_bytes;
    // The last line always stays: its number may still be being typed.
    while (
        count + 1 < m_lines.size() && (m_lines.size() - count > m_maxLines || bytes > m_maxBytes)) {
        bytes -= History::bytesOf(m_lines[count]);
        ++count;
    }
    if (count == 0)
        return;
    std::string keys;
    for (std::size_t i = 0; i < count; ++i)
        keys += m_lines[i].keys;
    m_base = replay(*m_base, keys, nullptr);
    m_lines.erase(m_lines.begin(), m_lines.begin() + static_cast<std::ptrdiff_t>(count));
    m_bytes = bytes;
    m_dropped += count;
    m_history.forgetLinesBefore(m_dropped);
    if (m_listener != nullptr)
        m_listener->oldestDropped(count);
}

} // namespace tallimax
