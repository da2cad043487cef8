// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tape.h"

#include "engine/utf8.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tallimax {

namespace {

// Shows nothing while a replay types. A division by zero puts its message on its line instead of
// opening the warning box.
class SilentView : public CalculatorView
{
public:
    void SetReadout(const std::string & /*text*/) override { }
    void SetAction(const std::string & /*text*/) override { }
    void ShowWarning(const std::string & /*prompt*/, const std::string & /*title*/) override { }
};

bool isNumberKey(char key)
{
    return (key >= '0' && key <= '9') || key == '.';
}

// How the calculator stood before a key, as far as the tape needs to know.
struct KeyStart
{
    bool typingNumber = false;
    bool signStarted = false;
    std::int16_t operandCount = 0;

    static KeyStart of(const CalculatorState &state)
    {
        return { IsText(state.InputState, inputs::Nums), IsText(state.InputState, inputs::Neg),
            state.OperandCount };
    }
};

// Whether the key starts a line of its own after these lines.
template <typename Lines> bool startsLine(const Lines &lines, char key)
{
    return key == 'R' || lines.empty() || !lines.back().isOpen();
}

// Puts one key on the lines: a digit, the point, or a minus that starts a negative number goes
// to the number being typed; any other operator key ends it (or makes a line of its own when
// no number was typed); RESET ALL draws a break.
template <typename Lines>
void addKey(Lines &lines, char key, KeyStart start, const Calculator &calculator)
{
    const bool starts = startsLine(lines, key);
    if (starts)
        lines.emplace_back();
    TapeLine &line = lines.back();
    line.keys += key;
    if (key == 'R') {
        line.kind = TapeLine::Kind::Break;
        return;
    }
    const CalculatorState &after = calculator.state();
    // A minus where a number is expected is the number's sign.
    const bool sign = key == '-' && !start.signStarted && IsText(after.InputState, inputs::Neg);
    if (isNumberKey(key) || sign) {
        line.number = after.ReadoutText;
        return;
    }
    line.op = operatorOf(key);
    // Only a second operand typed after the first one leads to an evaluation.
    if (start.typingNumber && start.operandCount == 1) {
        if (calculator.refusal() != Refusal::None)
            line.message = messageOf(calculator.refusal());
        else
            line.result = after.ReadoutText;
    }
}

// Presses the key and puts it on the lines; `action` follows what the key wrote on the action
// panel. False for a character that is no key's.
template <typename Lines>
bool recordKey(Calculator &calculator, char key, Lines &lines, std::string &action)
{
    const KeyStart start = KeyStart::of(calculator.state());
    if (!pressKey(calculator, key))
        return false;
    if (calculator.actionWritten())
        action = *calculator.actionWritten();
    addKey(lines, key, start, calculator);
    return true;
}

// A calculator of its own, showing nothing, that types on from a snapshot; the separator is the
// one read when the replay began.
class Replay
{
public:
    Replay(const Snapshot &from, const std::string &separator)
        : m_calculator(m_view, [&separator] { return separator; }), m_action(from.action)
    {
        m_calculator.restore(from);
    }

    void type(std::string_view keys)
    {
        for (const char key : keys) {
            pressKey(m_calculator, key);
            if (m_calculator.actionWritten())
                m_action = *m_calculator.actionWritten();
        }
    }
    // Types the keys of a line and puts them on the lines: the first line they start gets the
    // line's note.
    void type(const TapeLine &from, std::string_view keys, std::vector<TapeLine> &lines)
    {
        bool noted = from.note.empty();
        for (const char key : keys) {
            const bool starts = startsLine(lines, key);
            recordKey(m_calculator, key, lines, m_action);
            if (starts && !noted) {
                lines.back().note = from.note;
                noted = true;
            }
        }
    }

    Snapshot snapshot() const { return { m_calculator.state(), m_action }; }
    bool standsAt(const Snapshot &snapshot) const
    {
        return m_calculator.state() == snapshot.state && m_action == snapshot.action;
    }

private:
    SilentView m_view;
    Calculator m_calculator;
    std::string m_action;
};

template <typename Lines>
std::size_t bytesOf(const Lines &lines, std::size_t first, std::size_t last)
{
    std::size_t bytes = 0;
    for (std::size_t i = first; i < last; ++i)
        bytes += History::bytesOf(lines[i]);
    return bytes;
}

} // namespace

std::optional<TapeOperator> operatorOf(char key)
{
    switch (key) {
    case '/':
    case '+':
    case 'X':
    case '-':
    case '=':
        return static_cast<TapeOperator>(key);
    default:
        return std::nullopt;
    }
}

std::string noteOf(std::string text)
{
    std::size_t points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char &c = text[i];
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
        if (utf8::isContinuationByte(c))
            continue;
        if (points == TapeLine::MaxNote) {
            text.resize(i);
            break;
        }
        ++points;
    }
    return text;
}

Tape::Tape(DecimalSeparatorSource decimalSeparator, std::size_t maxLines, std::size_t maxBytes,
    std::size_t checkpointEvery)
    : m_decimalSeparator(std::move(decimalSeparator)),
      m_maxLines(maxLines),
      m_maxBytes(maxBytes),
      m_checkpointEvery(std::max<std::size_t>(checkpointEvery, 1))
{ }

// Read once for a whole replay: the locale does not change while it types.
std::string Tape::separator() const
{
    return m_decimalSeparator ? m_decimalSeparator() : std::string();
}

void Tape::beginStep(const Snapshot &before)
{
    if (m_lines.empty())
        m_base = before;
    m_action = before.action;
    m_stepWroteAction = false;
    // A key either goes on the number being typed on the last line or starts a line of its own.
    const bool open = !m_lines.empty() && m_lines.back().isOpen();
    m_stepFirst = m_lines.size() - (open ? 1 : 0);
    m_stepRemoved = m_lines.size() - m_stepFirst;
    // The step's lines count again when it ends.
    m_bytes -= bytesOf(m_lines, m_stepFirst, m_lines.size());
    TapeSplice splice{ m_dropped + m_stepFirst, {}, TapeSplice::ToEnd, std::nullopt };
    splice.lines.assign(m_lines.begin() + static_cast<std::ptrdiff_t>(m_stepFirst), m_lines.end());
    m_history.record(before, std::move(splice));
}

bool Tape::type(Calculator &calculator, char key)
{
    const std::size_t next = m_dropped + m_lines.size();
    const std::size_t last = m_checkpoints.empty() ? m_dropped : m_checkpoints.back().line;
    if (startsLine(m_lines, key) && next >= last + m_checkpointEvery)
        keep({ next, { calculator.state(), m_action } });
    if (!recordKey(calculator, key, m_lines, m_action))
        return false;
    m_stepWroteAction = m_stepWroteAction || calculator.actionWritten().has_value();
    return true;
}

void Tape::endStep()
{
    m_bytes += bytesOf(m_lines, m_stepFirst, m_lines.size());
    for (TapeListener *listener : m_listeners)
        listener->linesReplaced(m_stepFirst, m_stepRemoved, m_lines.size() - m_stepFirst);
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
    std::size_t line, std::string_view numberKeys, std::optional<TapeOperator> op, Snapshot now)
{
    if (line >= m_lines.size() || m_lines[line].isBreak())
        return std::nullopt;
    std::string keys(numberKeys);
    if (op)
        keys += keyOf(*op);
    return retype(line, keys, std::move(now));
}

std::optional<Snapshot> Tape::remove(std::size_t line, Snapshot now)
{
    return retype(line, std::nullopt, std::move(now));
}

bool Tape::takesNumber(std::size_t line, std::string_view numberKeys) const
{
    if (numberKeys.empty())
        return line < m_lines.size() && m_lines[line].number.empty();
    const std::string_view digits = numberKeys.starts_with('-') ? numberKeys.substr(1) : numberKeys;
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), isNumberKey);
}

// Types the session again from the state kept nearest before the line, with the line's keys
// replaced (or none): the calculator, the line and every line after it are then what those keys
// give. The typing stops at the first state kept after the line that it meets again, as the lines
// from there on would come out as they are.
std::optional<Snapshot> Tape::retype(
    std::size_t line, std::optional<std::string_view> keys, Snapshot now)
{
    if (line >= m_lines.size() || !m_base)
        return std::nullopt;
    // A number RESET ALL abandoned goes on being typed when its break goes: it is typed again too.
    const std::size_t start = line > 0 && m_lines[line - 1].isOpen() ? line - 1 : line;
    const std::string separator = this->separator();
    const auto [from, snapshot] = nearest(m_dropped + start);
    Replay replay(*snapshot, separator);
    // States kept on the way, for the next correction.
    std::vector<Checkpoint> kept;
    std::size_t lastKept = from;
    for (std::size_t i = from - m_dropped; i < start; ++i) {
        if (m_dropped + i >= lastKept + m_checkpointEvery) {
            lastKept = m_dropped + i;
            kept.push_back({ lastKept, replay.snapshot() });
        }
        replay.type(m_lines[i].keys);
    }

    std::vector<TapeLine> made;
    if (start < line)
        replay.type(m_lines[start], m_lines[start].keys, made);
    if (keys)
        replay.type(m_lines[line], *keys, made);
    // The first state kept after the line.
    auto old = std::upper_bound(m_checkpoints.begin(), m_checkpoints.end(), m_dropped + line,
        [](std::size_t at, const Checkpoint &checkpoint) { return at < checkpoint.line; });
    std::size_t stop = line + 1;
    for (; stop < m_lines.size(); ++stop) {
        if (startsLine(made, m_lines[stop].keys.front())) {
            for (; old != m_checkpoints.end() && old->line < m_dropped + stop; ++old) { }
            if (old != m_checkpoints.end() && old->line == m_dropped + stop
                && replay.standsAt(old->before))
                break;
            const std::size_t at = m_dropped + start + made.size();
            if (at >= lastKept + m_checkpointEvery) {
                lastKept = at;
                kept.push_back({ at, replay.snapshot() });
            }
        }
        replay.type(m_lines[stop], m_lines[stop].keys, made);
    }
    const bool toEnd = stop == m_lines.size();
    Snapshot shown = toEnd ? replay.snapshot() : now;
    // The states kept within the lines typed again are no more; those after them stand.
    forgetCheckpoints(m_dropped + start, toEnd ? TapeSplice::ToEnd : m_dropped + stop);

    // Lines that came out as they were need not change.
    const auto oldFirst = m_lines.begin() + static_cast<std::ptrdiff_t>(start);
    const auto oldLast = m_lines.begin() + static_cast<std::ptrdiff_t>(stop);
    const std::size_t same = static_cast<std::size_t>(
        std::mismatch(made.begin(), made.end(), oldFirst, oldLast).first - made.begin());
    const std::size_t sameAtEnd = static_cast<std::size_t>(
        std::mismatch(made.rbegin(), made.rend() - static_cast<std::ptrdiff_t>(same),
            std::make_reverse_iterator(oldLast),
            std::make_reverse_iterator(oldFirst + static_cast<std::ptrdiff_t>(same)))
            .first
        - made.rbegin());
    const std::size_t first = start + same;
    made.erase(made.end() - static_cast<std::ptrdiff_t>(sameAtEnd), made.end());
    made.erase(made.begin(), made.begin() + static_cast<std::ptrdiff_t>(same));
    const std::size_t added = made.size();
    std::vector<TapeLine> replaced = replace(first, stop - first - sameAtEnd, std::move(made));
    m_history.record(
        std::move(now), { m_dropped + first, std::move(replaced), added, std::nullopt });
    for (Checkpoint &checkpoint : kept)
        keep(std::move(checkpoint));
    trim();
    return shown;
}

void Tape::clear(Snapshot now)
{
    if (m_lines.empty())
        return;
    TapeSplice splice{ m_dropped, {}, 0, std::move(m_base) };
    m_base = now;
    forgetCheckpoints(m_dropped, TapeSplice::ToEnd);
    splice.lines = replace(0, TapeSplice::ToEnd, {});
    m_history.record(std::move(now), std::move(splice));
}

std::optional<Snapshot> Tape::annotate(std::size_t line, std::string note, Snapshot now)
{
    if (line >= m_lines.size())
        return std::nullopt;
    note = noteOf(std::move(note));
    if (note == m_lines[line].note)
        return std::nullopt;
    std::vector<TapeLine> annotated{ m_lines[line] };
    annotated.front().note = std::move(note);
    TapeSplice splice{ m_dropped + line, replace(line, 1, std::move(annotated)), 1, std::nullopt };
    m_history.record(now, std::move(splice));
    trim();
    return now;
}

Snapshot Tape::typeLines(const std::vector<LineKeys> &lines, Snapshot now)
{
    if (std::all_of(
            lines.begin(), lines.end(), [](const LineKeys &line) { return line.keys.empty(); }))
        return now;
    const std::string separator = this->separator();
    SilentView view;
    Calculator calculator(view, [&separator] { return separator; });
    calculator.restore(now);
    beginStep(now);
    for (const LineKeys &line : lines) {
        bool noted = line.note.empty();
        for (const char key : line.keys) {
            const bool starts = startsLine(m_lines, key);
            if (type(calculator, key) && starts && !noted) {
                m_lines.back().note = noteOf(line.note);
                noted = true;
            }
        }
    }
    endStep();
    return { calculator.state(), m_action };
}

Snapshot Tape::preload(std::vector<LineKeys> kept, Snapshot now)
{
    const Snapshot start = m_base.value_or(now);
    kept.push_back({ "R", {} });
    for (const TapeLine &line : m_lines)
        kept.push_back({ line.keys, line.note });
    forgetCheckpoints(m_dropped, TapeSplice::ToEnd);
    replace(0, TapeSplice::ToEnd, {});
    m_base.reset();
    Snapshot shown = typeLines(kept, start);
    // The kept lines were there before anything this session did: nothing of it is a step.
    m_history = History();
    return shown;
}

bool Tape::continues(const CalculatorState &state) const
{
    return !m_lines.empty() || state.OperandCount != 0 || !IsText(state.InputState, inputs::None);
}

std::string Tape::runningTotal(std::string_view readout) const
{
    const auto last = std::find_if(m_lines.rbegin(), m_lines.rend(),
        [](const TapeLine &line) { return line.isBreak() || !line.result.empty(); });
    return last != m_lines.rend() && !last->isBreak() ? last->result : std::string(readout);
}

std::vector<TapeLine> Tape::replace(
    std::size_t first, std::size_t count, std::vector<TapeLine> lines)
{
    const std::size_t before = m_lines.size();
    count = std::min(count, before - first);
    const auto at = m_lines.begin() + static_cast<std::ptrdiff_t>(first);
    std::vector<TapeLine> replaced(std::make_move_iterator(at),
        std::make_move_iterator(at + static_cast<std::ptrdiff_t>(count)));
    m_bytes -= bytesOf(replaced, 0, replaced.size());
    m_bytes += bytesOf(lines, 0, lines.size());
    const std::size_t kept = std::min(count, lines.size());
    std::move(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept), at);
    if (lines.size() > count)
        m_lines.insert(at + static_cast<std::ptrdiff_t>(count),
            std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(count)),
            std::make_move_iterator(lines.end()));
    else
        m_lines.erase(
            at + static_cast<std::ptrdiff_t>(kept), at + static_cast<std::ptrdiff_t>(count));

    // The states kept before the lines replaced stand; those after them move with them.
    const std::size_t from = m_dropped + first;
    if (first + count == before) {
        forgetCheckpoints(from, TapeSplice::ToEnd);
    } else {
        forgetCheckpoints(from, from + count);
        for (Checkpoint &checkpoint : m_checkpoints) {
            if (checkpoint.line >= from + count)
                checkpoint.line = checkpoint.line + lines.size() - count;
        }
    }
    for (TapeListener *listener : m_listeners)
        listener->linesReplaced(first, count, lines.size());
    return replaced;
}

TapeSplice Tape::swap(TapeSplice splice)
{
    const std::size_t added = splice.lines.size();
    TapeSplice replaced{ splice.first,
        replace(splice.first - m_dropped, splice.count, std::move(splice.lines)), added,
        std::nullopt };
    if (splice.base) {
        replaced.base = std::move(m_base);
        m_base = std::move(splice.base);
        forgetCheckpoints(m_dropped, TapeSplice::ToEnd);
    }
    return replaced;
}

// Lets the oldest lines go, a hundredth of the bound at a time, in lines as in bytes, so that a
// tape at its bound does not let a line go at every key: the state after them, typed on from the
// nearest one kept, becomes the one before the first line kept.
void Tape::trim()
{
    const std::size_t slack = m_maxLines / 100;
    if (m_lines.size() <= m_maxLines + slack && bytes() <= m_maxBytes)
        return;
    const std::size_t keptBytes = bytes() > m_maxBytes ? m_maxBytes - m_maxBytes / 100 : m_maxBytes;
    std::size_t count = 0;
    std::size_t lineBytes = 0;
    std::size_t bytes = this->bytes();
    auto checkpoint = m_checkpoints.begin();
    // The last line always stays: its number may still be being typed.
    while (
        count + 1 < m_lines.size() && (m_lines.size() - count > m_maxLines || bytes > keptBytes)) {
        lineBytes += History::bytesOf(m_lines[count]);
        bytes -= History::bytesOf(m_lines[count]);
        ++count;
        for (; checkpoint != m_checkpoints.end() && checkpoint->line <= m_dropped + count;
             ++checkpoint)
            bytes -= History::bytesOf(checkpoint->before);
    }
    if (count == 0)
        return;
    const std::string separator = this->separator();
    const auto [from, snapshot] = nearest(m_dropped + count);
    Replay replay(*snapshot, separator);
    for (std::size_t i = from - m_dropped; i < count; ++i)
        replay.type(m_lines[i].keys);
    m_base = replay.snapshot();
    m_lines.erase(m_lines.begin(), m_lines.begin() + static_cast<std::ptrdiff_t>(count));
    m_bytes -= lineBytes;
    m_dropped += count;
    while (!m_checkpoints.empty() && m_checkpoints.front().line <= m_dropped) {
        m_checkpointBytes -= History::bytesOf(m_checkpoints.front().before);
        m_checkpoints.pop_front();
    }
    m_history.forgetLinesBefore(m_dropped);
    for (TapeListener *listener : m_listeners)
        listener->oldestDropped(count);
}

std::pair<std::size_t, const Snapshot *> Tape::nearest(std::size_t line) const
{
    const auto after = std::upper_bound(m_checkpoints.begin(), m_checkpoints.end(), line,
        [](std::size_t at, const Checkpoint &checkpoint) { return at < checkpoint.line; });
    if (after == m_checkpoints.begin())
        return { m_dropped, &*m_base };
    return { std::prev(after)->line, &std::prev(after)->before };
}

void Tape::keep(Checkpoint checkpoint)
{
    const auto at = std::lower_bound(m_checkpoints.begin(), m_checkpoints.end(), checkpoint.line,
        [](const Checkpoint &kept, std::size_t line) { return kept.line < line; });
    if (at != m_checkpoints.end() && at->line == checkpoint.line)
        return;
    m_checkpointBytes += History::bytesOf(checkpoint.before);
    m_checkpoints.insert(at, std::move(checkpoint));
}

// Forgets the states kept strictly between the two lines.
void Tape::forgetCheckpoints(std::size_t after, std::size_t before)
{
    const auto first = std::upper_bound(m_checkpoints.begin(), m_checkpoints.end(), after,
        [](std::size_t at, const Checkpoint &checkpoint) { return at < checkpoint.line; });
    auto last = first;
    for (; last != m_checkpoints.end() && last->line < before; ++last)
        m_checkpointBytes -= History::bytesOf(last->before);
    m_checkpoints.erase(first, last);
}

} // namespace tallimax
