// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the calculator engine with any sequence of keys, resets, reloads, stray key indexes,
// separator changes, pastes, and steps taken back and put back, and stops at the first call
// after which the calculator shows something it never should.
//
// Each input byte is one command; bytes that name no command are skipped:
//   0-9 . / + X - =   the keys, by caption
//   R                 RESET ALL
//   L                 Form_Load again
//   p c a f           the separator becomes ".", ",", "٫" or "," (the spellings of en, de, ar and
//                     fr, which the paste reader follows), then RESET ALL (a locale change as the
//                     calculator starts over)
//   P C A             the separator becomes ".", "," or "٫" (en, de, ar) at once, even in the
//                     middle of a number; until the next reset or load only the checks that hold
//                     whatever the separator was apply
//   n i j  /  o i j   Number_Click / Operator_Click with the 16-bit index i + 256 * j
//   u                 takes the last step back
//   y                 puts the last step taken back back again
//   U k               takes k steps back, then puts back as many as it took: the calculator must
//                     be as it was
//   v i j T           pastes the next i + 256 * j bytes T (or all that are left), read in the
//                     spelling in force: whatever they are, they type nothing or only keys
//   w k B             pastes a calculation made from the next k bytes B (see
//                     written_calculation.h), in one of the en, de, fr and ar spellings: it must
//                     type exactly the keys of the values written
//   W k F P B         the same, and then the calculation with the fault F at the place P put in
//                     (see putFault): it must be refused whole
//   e l o k B / d l   corrects tape line l (modulo one more than the lines) to the number keys
//                     of the k bytes B (digits and the point, after a minus when o / 6 is odd)
//                     and the operator o % 6 of none + - X / =, or removes it; then takes that
//                     back and puts it back, which must each restore exactly what was
//   K                 clears the tape, the same way
//   N l k B           gives line l % (lines + 1) the note of the k bytes B, the same way; a
//                     correction or deletion of another line keeps each note on its line
// Every key, reset and load, and every paste that types keys, is one step of the tape, which
// takes steps back and puts them back. Unless a load or a separator change came after the tape's
// first line, its keys typed again from before that line must make it and the calculator again.

#include "fuzz/written_calculation.h"

#include "engine/calculator.h"
#include "engine/history.h"
#include "engine/paste_text.h"
#include "engine/tape.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <iostream>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tallimax {
namespace {

// The spellings the separator commands choose, by their indexes in fuzz::Spellings.
constexpr std::size_t En = 0;
constexpr std::size_t De = 1;
constexpr std::size_t Fr = 2;
constexpr std::size_t Ar = 3;

// The captions a paste may type.
constexpr std::string_view KeyCaptions = "0123456789.+-X/=";

// Longer pastes are read and checked but not typed: the checks after each key read the whole
// readout, so typing thousands of digits costs the square of their count, and a run of digit
// commands types as long a number already.
constexpr std::size_t MaxTypedPaste = 2000;

// Bounds small enough that long inputs make the tape let its oldest lines go; and how much an input
// may type again in all, as the tape is typed again after every command: a line costs the square
// of its keys, as each key of a number reads all of it.
constexpr std::size_t TapeLines = 20;
constexpr std::size_t TapeBytes = std::size_t{ 4 } << 10U;
constexpr std::size_t ReplayBudget = 50'000;
// A state kept every few lines, so that corrections start from them and stop at them.
constexpr std::size_t TapeCheckpoints = 3;

[[noreturn]] void fail(std::string_view what, std::string_view text)
{
    std::cerr << "engine_fuzzer: " << what << ": \"" << text << "\"\n" << std::flush;
    std::abort();
}

void check(bool holds, std::string_view what, std::string_view text = {})
{
    if (!holds)
        fail(what, text);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a run of digits at i; returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t &i)
{
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - start;
}

bool skip(std::string_view text, std::size_t &i, std::string_view what)
{
    if (text.substr(i, what.size()) != what)
        return false;
    i += what.size();
    return true;
}

// A number being typed: optional "-", digits, the separator, digits ("7.", "-0.5", "." alone).
bool isTypedNumber(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    const bool negative = skip(text, i, "-");
    std::size_t digits = skipDigits(text, i);
    if (!skip(text, i, separator))
        return false;
    digits += skipDigits(text, i);
    return i == text.size() && (digits > 0 || !negative);
}

// A shown double: optional "-", digits, optional separator and digits, optional exponent.
bool isShownNumber(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    skip(text, i, "-");
    if (skipDigits(text, i) == 0)
        return false;
    if (skip(text, i, separator) && skipDigits(text, i) == 0)
        return false;
    if (skip(text, i, "E")) {
        if (!skip(text, i, "+") && !skip(text, i, "-"))
            return false;
        if (skipDigits(text, i) == 0)
            return false;
    }
    return i == text.size();
}

// What a readout text is worth, worked out apart from the engine with the C library's reader:
// nothing when it lies beyond the double range. The lone sign and the bare separator are zero.
std::optional<double> expectedNumber(std::string_view text, std::string_view separator)
{
    if (text == "-" || text == separator)
        return 0.0;
    std::string plain(text);
    if (const std::size_t at = plain.find(separator); at != std::string::npos)
        plain.replace(at, separator.size(), ".");
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    check(end == plain.c_str() + plain.size(), "the C library cannot read the readout", text);
    if (errno == ERANGE && std::isinf(value)) {
        // The largest double shows rounded up to fifteen digits; it still stands for itself.
        if (plain == "1.79769313486232E+308")
            return DBL_MAX;
        if (plain == "-1.79769313486232E+308")
            return -DBL_MAX;
        return std::nullopt;
    }
    return value;
}

// Whether the engine's reading of a text agrees with the C library's: the same double, or zero
// for a value below the smallest normal double.
bool readsAsExpected(std::optional<double> engine, std::optional<double> expected)
{
    if (!engine || !expected)
        return !engine && !expected;
    if (!std::isfinite(*engine))
        return false;
    return *engine == *expected || (std::fabs(*expected) < DBL_MIN && *engine == 0.0);
}

bool isOneOf(std::string_view text, std::initializer_list<std::string_view> allowed)
{
    return std::ranges::find(allowed, text) != allowed.end();
}

// A view that checks every text as the engine writes it.
class CheckingView : public CalculatorView
{
public:
    explicit CheckingView(const std::string &separator, const bool &relaxed)
        : m_separator(separator), m_relaxed(relaxed)
    { }

    void SetReadout(const std::string &text) override
    {
        ++m_calls.readouts;
        check(!text.empty(), "empty readout");
        if (m_relaxed) {
            // Whatever separator the text was written with, it holds nothing else.
            for (const char c : text) {
                const bool separatorByte = c == '.' || c == ',' || c == '\xD9' || c == '\xAB';
                check(isDigit(c) || c == '-' || c == 'E' || c == '+' || separatorByte,
                    "readout with a character no number has", text);
            }
            return;
        }
        check(text == "-" || isTypedNumber(text, m_separator) || isShownNumber(text, m_separator),
            "readout that is not a number in the separator in force", text);
    }

    void SetAction(const std::string &text) override
    {
        m_calls.actions.push_back(text);
        m_action = text;
        check(isOneOf(text,
                  { texts::Action, texts::Plus, texts::Minus, texts::Times, texts::Divide,
                      texts::DivideByZero, texts::Overflow }),
            "unknown action text", text);
    }

    void ShowWarning(const std::string &prompt, const std::string &title) override
    {
        ++m_calls.warnings;
        check(prompt == texts::WarningPrompt, "unknown warning prompt", prompt);
        check(title == texts::WarningTitle, "unknown warning title", title);
    }

    // What the engine did during the current call.
    struct Calls
    {
        int readouts = 0;
        int warnings = 0;
        std::vector<std::string> actions;

        bool changedNothingButTheReadout() const { return warnings == 0 && actions.empty(); }
    };
    const Calls &calls() const { return m_calls; }
    void clear() { m_calls = {}; }

    // What the action panel shows, which snapshots keep.
    const std::string &action() const { return m_action; }

private:
    Calls m_calls;
    // The window's text before the engine writes any.
    std::string m_action = std::string(texts::Action);
    const std::string &m_separator;
    const bool &m_relaxed;
};

std::optional<double> expectedValue(const CellValue &value, std::string_view separator)
{
    if (const auto *text = std::get_if<std::string>(&value))
        return expectedNumber(*text, separator);
    if (const auto *number = std::get_if<double>(&value))
        return *number;
    if (const auto *integer = std::get_if<std::int16_t>(&value))
        return *integer;
    return 0.0;
}

// What an evaluation must come to: the new value (nothing when the accumulator stays), the
// action text (empty when it stays) and whether the warning box comes up.
struct Evaluation
{
    std::optional<double> result;
    std::string_view action;
    bool divideByZero = false;
};

Evaluation expectedEvaluation(
    std::string_view pending, std::optional<double> accumulator, std::optional<double> operand)
{
    if (!operand)
        return { std::nullopt, texts::Overflow };
    if (pending == "=")
        return { operand, {} };
    if (pending == "/" && *operand == 0.0)
        return { std::nullopt, texts::DivideByZero, true };
    if (!accumulator)
        return { std::nullopt, texts::Overflow };
    const double a = *accumulator;
    const double b = *operand;
    double value = 0.0;
    std::string_view action;
    if (pending == "+") {
        value = a + b;
        action = texts::Plus;
    } else if (pending == "-") {
        value = a - b;
        action = texts::Minus;
    } else if (pending == "X") {
        value = a * b;
        action = texts::Times;
    } else {
        value = a / b;
        action = texts::Divide;
    }
    if (!std::isfinite(value))
        return { std::nullopt, texts::Overflow };
    return { value, action };
}

class Session : public TapeListener
{
public:
    Session()
    {
        m_calculator.Form_Load();
        m_tape.addListener(this);
    }

    void run(std::span<const std::uint8_t> input)
    {
        for (std::size_t i = 0; i < input.size(); ++i) {
            const char command = static_cast<char>(input[i]);
            const std::size_t left = input.size() - i - 1;
            switch (command) {
            case 'n':
            case 'o': {
                if (left < 2)
                    return;
                const auto index = static_cast<std::int16_t>(input[i + 1] | (input[i + 2] << 8));
                i += 2;
                step([&] {
                    if (command == 'n')
                        numberKey(index);
                    else
                        operatorKey(index);
                });
                break;
            }
            case 'u':
                takeBack();
                break;
            case 'y':
                putBack();
                break;
            case 'U':
                if (left < 1)
                    return;
                takeBackAndPutBack(input[++i]);
                break;
            case 'v': {
                if (left < 2)
                    return;
                const std::size_t length = std::min(
                    static_cast<std::size_t>(input[i + 1] | (input[i + 2] << 8)), left - 2);
                const std::span<const std::uint8_t> text = input.subspan(i + 3, length);
                i += 2 + length;
                pasteText(std::string(text.begin(), text.end()));
                break;
            }
            case 'w':
            case 'W': {
                if (left < 1)
                    return;
                const std::size_t length =
                    std::min(static_cast<std::size_t>(input[i + 1]), left - 1);
                const std::span<const std::uint8_t> bytes = input.subspan(i + 2, length);
                i += 1 + length;
                if (command == 'w')
                    pasteWritten(bytes);
                else
                    pasteFaulty(bytes);
                break;
            }
            case 'e': {
                if (left < 3)
                    return;
                const std::size_t line = input[i + 1] % (m_tape.lines().size() + 1);
                const std::uint8_t op = input[i + 2];
                const std::size_t length = std::min<std::size_t>(input[i + 3], left - 3);
                std::string keys = op / 6 % 2 != 0 ? "-" : "";
                for (const std::uint8_t byte : input.subspan(i + 4, length))
                    keys += "0123456789."[byte % 11];
                i += 3 + length;
                retype(
                    line == m_tape.lines().size() || m_tape.lines()[line].isBreak(),
                    [&] {
                        return m_tape.correct(line, keys, operatorOf("_+-X/="[op % 6]), snapshot());
                    },
                    false, line);
                break;
            }
            case 'd': {
                if (left < 1)
                    return;
                const std::size_t line = input[++i] % (m_tape.lines().size() + 1);
                retype(
                    line == m_tape.lines().size(), [&] { return m_tape.remove(line, snapshot()); },
                    false, line);
                break;
            }
            case 'N': {
                if (left < 2)
                    return;
                const std::size_t line = input[i + 1] % (m_tape.lines().size() + 1);
                const std::size_t length = std::min<std::size_t>(input[i + 2], left - 2);
                const std::span<const std::uint8_t> bytes = input.subspan(i + 3, length);
                std::string note(bytes.begin(), bytes.end());
                i += 2 + length;
                const bool same =
                    line == m_tape.lines().size() || m_tape.lines()[line].note == noteOf(note);
                const std::size_t droppedBefore = m_droppedLines;
                retype(same, [&] { return m_tape.annotate(line, note, snapshot()); });
                // A longer note may take the tape past its bound, and its oldest lines go.
                const std::size_t gone = m_droppedLines - droppedBefore;
                check(same || line < gone || m_tape.lines()[line - gone].note == noteOf(note),
                    "a note not kept");
                break;
            }
            case 'K':
                retype(
                    m_tape.lines().empty(), [this] { return clearTape(); }, true);
                break;
            default:
                control(command);
            }
            checkTape();
        }
    }

    void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) override
    {
        const std::deque<TapeLine> &lines = m_tape.lines();
        check(first + removed <= m_lineKeys.size()
                && m_lineKeys.size() - removed + added == lines.size(),
            "the tape told of other lines than it changed");
        const auto at = m_lineKeys.begin() + static_cast<std::ptrdiff_t>(first);
        m_lineKeys.erase(at, at + static_cast<std::ptrdiff_t>(removed));
        for (std::size_t i = first; i < first + added; ++i)
            m_lineKeys.insert(m_lineKeys.begin() + static_cast<std::ptrdiff_t>(i), lines[i].keys);
    }

    // The calculator before the first line kept is then the one after the lines that went.
    void oldestDropped(std::size_t count) override
    {
        const auto end = m_lineKeys.begin() + static_cast<std::ptrdiff_t>(count);
        std::deque<TapeLine> lines;
        m_base = typeAgain(m_base, std::accumulate(m_lineKeys.begin(), end, std::string()), lines);
        m_lineKeys.erase(m_lineKeys.begin(), end);
        ++m_trims;
        m_droppedLines += count;
    }

private:
    // What a snapshot was taken under: the separator, and whether only the checks that hold
    // whatever the separator was applied.
    struct Step
    {
        Snapshot snapshot;
        std::string separator;
        bool relaxed = false;
        bool tapeChecked = false;
        std::optional<Snapshot> base; // before the tape's first line, kept by a clearing step
    };

    static bool isCaption(char c)
    {
        return c != '\0' && KeyCaptions.find(c) != std::string_view::npos;
    }

    // A command of one byte: a key, a reset, a load or a separator change.
    void control(char command)
    {
        if (isCaption(command)) {
            step([&] { typeKey(command); });
            return;
        }
        switch (command) {
        case 'R':
            step([this] { reset(); });
            return;
        case 'L':
            step([this] { load(); });
            return;
        case 'p':
        case 'c':
        case 'a':
        case 'f':
            step([&] {
                useSpelling(command == 'p' ? En : command == 'c' ? De : command == 'a' ? Ar : Fr);
                reset();
            });
            return;
        case 'P':
        case 'C':
        case 'A':
            useSpelling(command == 'P' ? En : command == 'C' ? De : Ar);
            m_relaxed = true;
            return;
        default:
            return;
        }
    }

    void useSpelling(std::size_t index)
    {
        m_tapeChecked = false;
        m_spelling = fuzz::Spellings[index];
        m_separator = std::string(m_spelling.decimal);
    }

    void typeKey(char caption)
    {
        switch (caption) {
        case '.': {
            const CalculatorState before = m_calculator.state();
            m_view.clear();
            m_tape.type(m_calculator, '.');
            afterCall();
            check(
                m_view.calls().changedNothingButTheReadout(), "the point changed the action panel");
            return;
        }
        case '/':
            operatorKey(0);
            return;
        case '+':
            operatorKey(1);
            return;
        case 'X':
            operatorKey(2);
            return;
        case '-':
            operatorKey(3);
            return;
        case '=':
            operatorKey(4);
            return;
        default:
            numberKey(static_cast<std::int16_t>(caption - '0'));
        }
    }

    void load()
    {
        m_relaxed = false;
        m_tapeChecked = false;
        m_view.clear();
        m_calculator.Form_Load();
        afterCall();
    }

    Snapshot snapshot() const { return { m_calculator.state(), m_view.action() }; }

    // Runs the typing as one step of the tape, as the window does with a key or a paste.
    template <typename Typing> void step(Typing typing)
    {
        const Snapshot before = snapshot();
        m_undo.push_back({ before, m_separator, m_relaxed, m_tapeChecked, std::nullopt });
        m_redo.clear();
        // An empty tape starts again from here; from a readout of two separators only loosely.
        if (m_tape.lines().empty()) {
            m_base = before;
            m_tapeChecked = !m_relaxed;
        }
        m_tape.beginStep(before);
        typing();
        m_tape.endStep();
        followBounds();
    }

    // A correction, a removal or a clearing is one step, which taking back and putting back must
    // undo and redo exactly, unless the lines before it went meanwhile. There is none past the
    // last line, a break has no number to correct, and an empty tape nothing to clear.
    // A correction or deletion of `line` leaves the note of every line whose keys it did not
    // change on that line.
    template <typename Change>
    void retype(bool refused, Change change, bool clearing = false,
        std::optional<std::size_t> line = std::nullopt)
    {
        const std::deque<TapeLine> before = m_tape.lines();
        const std::size_t trims = m_trims;
        m_undo.push_back({ snapshot(), m_separator, m_relaxed, m_tapeChecked,
            clearing ? std::optional(m_base) : std::nullopt });
        const std::optional<Snapshot> given = change();
        check(given.has_value() != refused, "a change refused, or made where there is none");
        if (!given)
            m_undo.pop_back();
        else
            m_redo.clear();
        followBounds();
        if (!given)
            return;
        if (clearing) {
            m_base = *given;
            m_tapeChecked = !m_relaxed;
        }
        // Typed again under another separator than its first keys, it may show both.
        m_relaxed = m_relaxed || !m_tapeChecked;
        m_calculator.restore(*given);
        afterCall();
        const std::deque<TapeLine> after = m_tape.lines();
        if (line && m_trims == trims)
            checkNotesKept(before, after, *line);
        check(m_trims != trims
                || (takeBack() && m_tape.lines() == before && putBack() && snapshot() == *given
                    && m_tape.lines() == after),
            "a change of the tape taken back and put back is not as it was");
    }

    // Where every other line kept its keys, it kept its note: a deleted line took its own.
    void checkNotesKept(
        const std::deque<TapeLine> &before, const std::deque<TapeLine> &after, std::size_t line)
    {
        const std::size_t removed = before.size() - after.size();
        if (removed > 1)
            return;
        for (std::size_t i = 0; i < after.size(); ++i) {
            const TapeLine &old = before[i < line || removed == 0 ? i : i + 1];
            if (i != line && old.keys != after[i].keys)
                return;
        }
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i != line || removed == 0)
                check(after[i].note == before[i < line || removed == 0 ? i : i + 1].note,
                    "a note left its line");
        }
    }

    std::optional<Snapshot> clearTape()
    {
        const bool empty = m_tape.lines().empty();
        m_tape.clear(snapshot());
        return empty ? std::nullopt : std::optional(snapshot());
    }

    // The tape within its bounds and as its listener was told; and, where it holds, its keys
    // typed again from the calculator before its first line make the same lines and calculator.
    void checkTape()
    {
        const std::deque<TapeLine> &lines = m_tape.lines();
        std::size_t bytes = 0;
        std::size_t cost = 0;
        for (const TapeLine &line : lines) {
            bytes += History::bytesOf(line);
            cost += line.keys.size() * line.keys.size();
        }
        check(lines.size() <= TapeLines + TapeLines / 100
                && (m_tape.bytes() <= TapeBytes || lines.size() == 1),
            "the tape outgrew its bounds");
        // The states it keeps count too.
        check(bytes <= m_tape.bytes(), "the tape's memory does not add up");
        check(std::ranges::equal(lines, m_lineKeys, {}, &TapeLine::keys),
            "the tape's listener was told of other lines");
        if (!m_tapeChecked || lines.empty() || cost > m_replayBudget)
            return;
        m_replayBudget -= cost;
        const std::string keys =
            std::accumulate(m_lineKeys.begin(), m_lineKeys.end(), std::string());
        std::deque<TapeLine> again;
        check(typeAgain(m_base, keys, again) == snapshot(), "the tape's keys type another state");
        check(std::ranges::equal(again, lines, sameButNote), "the tape's keys make other lines",
            keys);
    }

    static bool sameButNote(const TapeLine &a, const TapeLine &b)
    {
        return a.kind == b.kind && a.keys == b.keys && a.number == b.number && a.op == b.op
            && a.result == b.result && a.message == b.message;
    }

    // Types the keys on a calculator of its own standing at `from`, and on a tape of its own
    // (no correction, no kept state used), its lines.
    Snapshot typeAgain(const Snapshot &from, std::string_view keys, std::deque<TapeLine> &lines)
    {
        static const bool anySeparator = true;
        CheckingView view(m_separator, anySeparator);
        Calculator calculator(view, m_separatorSource);
        calculator.restore(from);
        Tape tape(m_separatorSource);
        tape.beginStep(from);
        for (const char key : keys)
            tape.type(calculator, key);
        tape.endStep();
        lines = tape.lines();
        return { calculator.state(), view.action() };
    }

    // The history lets the steps furthest from now go to stay within its bounds: the oldest to
    // take back, then the last to put back. The model lets the same go, and then both must hold
    // the same steps.
    void followBounds()
    {
        const std::size_t held = m_history.size();
        check(held <= History::MaxSteps, "the history holds more steps than its bound");
        check(held <= 1 || m_history.bytes() <= History::MaxBytes,
            "the history takes more memory than its bound");
        check(
            (held == 0) == (m_history.bytes() == 0) && m_history.bytes() >= held * sizeof(Snapshot),
            "the history's memory does not add up");
        while (m_undo.size() + m_redo.size() > held)
            (m_undo.empty() ? m_redo : m_undo).pop_front();
        check(m_undo.size() + m_redo.size() == held, "the history holds a step never made");
        check(m_history.canUndo() == !m_undo.empty() && m_history.canRedo() == !m_redo.empty(),
            "the history let the wrong steps go");
    }

    // Takes the last step back, as Backspace does: the calculator must be exactly as it was
    // before that step. False when there is none.
    bool takeBack() { return restore(m_tape.undo(snapshot()), m_undo, m_redo, "taking back"); }

    // Puts back the last step taken back: the calculator must be exactly as it was after it.
    bool putBack() { return restore(m_tape.redo(snapshot()), m_redo, m_undo, "putting back"); }

    // Shows what the history gave, which must be the model's last step `from`; now goes to `to`.
    bool restore(std::optional<Snapshot> given, std::deque<Step> &from, std::deque<Step> &to,
        std::string_view doing)
    {
        if (!given) {
            check(from.empty(), "the history has no step where there is one");
            followBounds();
            return false;
        }
        check(!from.empty(), "the history has a step where there is none");
        const Step expected = std::move(from.back());
        from.pop_back();
        to.push_back({ snapshot(), m_separator, m_relaxed, m_tapeChecked,
            expected.base ? std::optional(m_base) : std::nullopt });
        if (expected.base)
            m_base = *expected.base;
        followBounds();
        check(*given == expected.snapshot, "a step taken back or put back gave another state",
            given->state.ReadoutText);

        // A snapshot taken under another separator holds numbers written with that one.
        m_relaxed = expected.relaxed || expected.separator != m_separator;
        m_tapeChecked = expected.tapeChecked && expected.separator == m_separator;
        m_view.clear();
        m_calculator.restore(*given);
        const CheckingView::Calls &calls = m_view.calls();
        check(calls.warnings == 0, "the warning box came up again", doing);
        check(calls.readouts == 1 && calls.actions.size() == 1, "a step not shown again", doing);
        check(snapshot() == expected.snapshot, "the calculator is not as the snapshot was",
            m_calculator.state().ReadoutText);
        afterCall();
        return true;
    }

    // Takes up to `count` steps back and puts back as many: the calculator is then as it was.
    void takeBackAndPutBack(std::uint8_t count)
    {
        const Snapshot start = snapshot();
        int taken = 0;
        while (taken < count && takeBack())
            ++taken;
        bool all = true;
        for (int i = 0; i < taken && all; ++i)
            all = putBack();
        // A put-back only fails where the history let the step go, which the model checked.
        check(!all || snapshot() == start, "steps taken back and put back changed the calculator",
            m_calculator.state().ReadoutText);
    }

    // Any text: it is refused whole, or types only keys, which are themselves a calculation
    // written with "." that types the same keys.
    void pasteText(const std::string &text)
    {
        const paste::Reading reading =
            paste::readPastedText(text, m_spelling.decimal, m_spelling.group);
        const std::string &keys = reading.keys;
        if (reading.refusal) {
            check(keys.empty(), "a refused paste with keys", keys);
            return;
        }
        check(!keys.empty(), "a paste that types no key", text);
        check(std::ranges::all_of(keys, isCaption), "a paste that types what no key is", keys);
        // Only a final "=" comes after the count of keys is checked.
        check(keys.size() <= paste::MaxCharacters
                || (keys.size() == paste::MaxCharacters + 1 && keys.back() == '='),
            "a paste of more keys than the reader takes", text);
        if (keys.size() <= paste::MaxCharacters) {
            const paste::Reading again = paste::readPastedText(keys, ".", ",");
            check(!again.refusal && again.keys == keys, "the keys of a paste read as others", keys);
        }
        typePaste(keys);
    }

    // A calculation written in a locale's spelling types exactly the keys of what was written.
    void pasteWritten(std::span<const std::uint8_t> bytes)
    {
        const fuzz::WrittenCalculation calculation = fuzz::writeCalculation(bytes);
        typePaste(checkWritten(calculation));
    }

    // The same calculation with one fault is refused whole.
    void pasteFaulty(std::span<const std::uint8_t> bytes)
    {
        const std::uint8_t fault = bytes.empty() ? 0 : bytes[0];
        const std::uint8_t place = bytes.size() < 2 ? 0 : bytes[1];
        fuzz::WrittenCalculation calculation =
            fuzz::writeCalculation(bytes.subspan(std::min<std::size_t>(2, bytes.size())));
        checkWritten(calculation);
        const std::string_view what = fuzz::putFault(calculation, fault, place);
        const std::string text = calculation.text();
        const paste::Reading reading =
            paste::readPastedText(text, calculation.spelling.decimal, calculation.spelling.group);
        if (reading.refusal != paste::Refusal::NotACalculation || !reading.keys.empty()) {
            fail("a calculation in " + std::string(calculation.spelling.name) + " with "
                    + std::string(what) + " not refused",
                text);
        }
    }

    const std::string &checkWritten(const fuzz::WrittenCalculation &calculation)
    {
        const std::string text = calculation.text();
        const paste::Reading reading =
            paste::readPastedText(text, calculation.spelling.decimal, calculation.spelling.group);
        if (reading.refusal || reading.keys != calculation.keys) {
            fail("a calculation in " + std::string(calculation.spelling.name)
                    + " not typed as written, which types " + calculation.keys + ", typed "
                    + reading.keys,
                text);
        }
        return calculation.keys;
    }

    // The keys of a paste make one step. After a division by zero the window stops typing, so
    // that the user reads the warning; so does this.
    void typePaste(std::string_view keys)
    {
        if (keys.size() > MaxTypedPaste)
            return;
        step([&] {
            for (const char caption : keys) {
                typeKey(caption);
                if (m_view.calls().warnings > 0)
                    return;
            }
        });
    }

    void reset()
    {
        m_relaxed = false;
        const CalculatorState before = m_calculator.state();
        m_view.clear();
        m_tape.type(m_calculator, 'R');
        afterCall();
        check(m_view.calls().actions.size() == 1 && m_view.calls().actions.back() == texts::Action,
            "reset without \"Action\"");
    }

    void numberKey(std::int16_t index)
    {
        const CalculatorState before = m_calculator.state();
        m_view.clear();
        // An index no key has goes to the calculator, which must ignore it; a key goes through the
        // tape, as the window types it.
        if (index < 0 || index >= static_cast<std::int16_t>(NumberCaptions.size())) {
            m_calculator.Number_Click(index);
            ignored(before);
            return;
        }
        m_tape.type(m_calculator, NumberCaptions[static_cast<std::size_t>(index)][0]);
        afterCall();
        check(m_view.calls().changedNothingButTheReadout(), "a digit changed the action panel");
    }

    void operatorKey(std::int16_t index)
    {
        const CalculatorState before = m_calculator.state();
        m_view.clear();
        if (index < 0 || index >= static_cast<std::int16_t>(OperatorCaptions.size())) {
            m_calculator.Operator_Click(index);
            ignored(before);
            return;
        }
        m_tape.type(m_calculator, OperatorCaptions[static_cast<std::size_t>(index)][0]);
        afterCall();
        // Only a second operand typed after the first one leads to an evaluation.
        const bool evaluated = before.OperandCount == 1 && IsText(before.InputState, "NUMS");
        if (!evaluated)
            check(m_view.calls().changedNothingButTheReadout(), "action without an evaluation");
        else if (!m_relaxed)
            checkEvaluation(before, OperatorCaptions[static_cast<std::size_t>(index)]);
    }

    void ignored(const CalculatorState &before)
    {
        const CalculatorState &after = m_calculator.state();
        check(m_view.calls().readouts == 0 && m_view.calls().changedNothingButTheReadout(),
            "a key that does not exist reached the view");
        check(after.ReadoutText == before.ReadoutText && after.Accumulator == before.Accumulator
                && after.Operand == before.Operand && after.PointEntered == before.PointEntered
                && after.OperandCount == before.OperandCount
                && after.InputState == before.InputState && after.PendingOp == before.PendingOp
                && after.EntryValue == before.EntryValue,
            "a key that does not exist changed the state");
    }

    // What must hold between any two calls.
    void afterCall()
    {
        const CalculatorState &state = m_calculator.state();
        const std::string &readout = state.ReadoutText;
        check(state.OperandCount == 0 || state.OperandCount == 1, "operand count out of range");
        if (state.OperandCount == 1) {
            const auto *pending = std::get_if<std::string>(&state.PendingOp);
            check(pending != nullptr && isOneOf(*pending, { "/", "+", "X", "-", "=" }),
                "an operand without a pending operator");
        }
        if (m_relaxed)
            return;
        if (IsText(state.InputState, "NUMS"))
            check(readout.find(m_separator) != std::string::npos,
                "a number being typed without the separator", readout);
        // Whatever the readout holds is read again by the next operator key.
        check(readsAsExpected(ToNumber(readout, m_separator), expectedNumber(readout, m_separator)),
            "readout that does not read back as its value", readout);
    }

    // Checks one evaluation against the operands it started from.
    void checkEvaluation(const CalculatorState &before, std::string_view caption)
    {
        const CalculatorState &after = m_calculator.state();
        const std::string pending = std::get<std::string>(before.PendingOp);
        const std::optional<double> operand = expectedNumber(before.ReadoutText, m_separator);
        const std::optional<double> accumulator = expectedValue(before.Accumulator, m_separator);

        const auto [result, action, divideByZero] =
            expectedEvaluation(pending, accumulator, operand);

        const auto &actions = m_view.calls().actions;
        check(m_view.calls().warnings == (divideByZero ? 1 : 0), "warning count", pending);
        check(action.empty() ? actions.empty() : actions.size() == 1 && actions.back() == action,
            "wrong action", actions.empty() ? std::string_view() : actions.back());
        check(after.OperandCount == 1, "operand count after an evaluation");
        check(IsText(after.PendingOp, caption), "pending operator after an evaluation");
        if (result) {
            const auto *held = std::get_if<double>(&after.Accumulator);
            check(held != nullptr && *held == *result, "wrong result", after.ReadoutText);
        } else {
            check(
                after.Accumulator == before.Accumulator, "a refused evaluation changed the value");
        }

        checkShownValue();
    }

    // The readout shows the value held, to fifteen significant digits.
    void checkShownValue()
    {
        const CalculatorState &state = m_calculator.state();
        if (const auto *text = std::get_if<std::string>(&state.Accumulator)) {
            check(state.ReadoutText == *text, "readout is not the text held", state.ReadoutText);
            return;
        }
        const auto *held = std::get_if<double>(&state.Accumulator);
        if (held == nullptr)
            return;
        if (*held == 0.0) {
            check(state.ReadoutText == "0", "zero shown with more than \"0\"", state.ReadoutText);
            return;
        }
        const std::optional<double> shown = ToNumber(state.ReadoutText, m_separator);
        check(shown && std::fabs(*shown - *held) <= std::fabs(*held) * 1e-14,
            "readout far from the value held", state.ReadoutText);
    }

    fuzz::Spelling m_spelling = fuzz::Spellings[En];
    std::string m_separator = std::string(m_spelling.decimal);
    bool m_relaxed = false;
    CheckingView m_view{ m_separator, m_relaxed };
    DecimalSeparatorSource m_separatorSource{ [this] {
        return m_separator;
    } };
    Calculator m_calculator{ m_view, m_separatorSource };
    Tape m_tape{ m_separatorSource, TapeLines, TapeBytes, TapeCheckpoints };
    const History &m_history = m_tape.history();
    // The calculator before the tape's first line, whether the tape's keys typed again from it
    // must come to the calculator as it is, and each line's keys as the listener was told.
    Snapshot m_base;
    bool m_tapeChecked = true;
    std::deque<std::string> m_lineKeys;
    std::size_t m_droppedLines = 0;
    std::size_t m_trims = 0;
    std::size_t m_replayBudget = ReplayBudget;
    // The steps the history must hold, oldest first, both ways.
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
};

} // namespace
} // namespace tallimax

// The entry point libFuzzer calls, by the name it requires.
extern "C" int LLVMFuzzerTestOneInput( // NOLINT(readability-identifier-naming)
    const std::uint8_t *data, std::size_t size)
{
    tallimax::Session session;
    session.run({ data, size });
    return 0;
}
