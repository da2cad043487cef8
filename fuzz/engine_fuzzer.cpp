// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the calculator engine with any sequence of keys, resets, reloads, stray key indexes and
// separator changes, and stops at the first call after which the calculator shows something it
// never should.
//
// Each input byte is one command; bytes that name no command are skipped:
//   0-9 . / + X - =   the keys, by caption
//   R                 RESET ALL
//   L                 Form_Load again
//   p c a             the separator becomes ".", "," or "٫", then RESET ALL (a locale change
//                     as the calculator starts over)
//   P C A             the separator becomes ".", "," or "٫" at once, even in the middle of a
//                     number; until the next reset or load only the checks that hold whatever
//                     the separator was apply
//   n i j  /  o i j   Number_Click / Operator_Click with the 16-bit index i + 256 * j

#include "engine/calculator.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tallimax {
namespace {

constexpr std::array<std::string_view, 3> Separators = { ".", ",", "\u066B" };

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

private:
    Calls m_calls;
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

class Session
{
public:
    Session() { m_calculator.Form_Load(); }

    void run(const std::uint8_t *data, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i) {
            const char command = static_cast<char>(data[i]);
            if (command == 'n' || command == 'o') {
                if (size - i < 3)
                    return;
                const auto index = static_cast<std::int16_t>(data[i + 1] | (data[i + 2] << 8));
                i += 2;
                if (command == 'n')
                    numberKey(index);
                else
                    operatorKey(index);
            } else {
                key(command);
            }
        }
    }

private:
    void key(char command)
    {
        switch (command) {
        case '.':
            m_view.clear();
            m_calculator.Decimal_Click();
            afterCall();
            check(
                m_view.calls().changedNothingButTheReadout(), "the point changed the action panel");
            return;
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
        case 'R':
            reset();
            return;
        case 'L':
            m_relaxed = false;
            m_view.clear();
            m_calculator.Form_Load();
            afterCall();
            return;
        case 'p':
        case 'c':
        case 'a':
            m_separator = Separators[command == 'p' ? 0 : command == 'c' ? 1 : 2];
            reset();
            return;
        case 'P':
        case 'C':
        case 'A':
            m_separator = Separators[command == 'P' ? 0 : command == 'C' ? 1 : 2];
            m_relaxed = true;
            return;
        default:
            if (isDigit(command))
                numberKey(static_cast<std::int16_t>(command - '0'));
        }
    }

    void reset()
    {
        m_relaxed = false;
        m_view.clear();
        m_calculator.rset_Click();
        afterCall();
        check(m_view.calls().actions.size() == 1 && m_view.calls().actions.back() == texts::Action,
            "reset without \"Action\"");
    }

    void numberKey(std::int16_t index)
    {
        const CalculatorState before = m_calculator.state();
        m_view.clear();
        m_calculator.Number_Click(index);
        if (index < 0 || index >= static_cast<std::int16_t>(NumberCaptions.size())) {
            ignored(before);
            return;
        }
        afterCall();
        check(m_view.calls().changedNothingButTheReadout(), "a digit changed the action panel");
    }

    void operatorKey(std::int16_t index)
    {
        const CalculatorState before = m_calculator.state();
        m_view.clear();
        m_calculator.Operator_Click(index);
        if (index < 0 || index >= static_cast<std::int16_t>(OperatorCaptions.size())) {
            ignored(before);
            return;
        }
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

    std::string m_separator = std::string(Separators[0]);
    bool m_relaxed = false;
    CheckingView m_view{ m_separator, m_relaxed };
    Calculator m_calculator{ m_view, [this] {
                                return m_separator;
                            } };
};

} // namespace
} // namespace tallimax

// The entry point libFuzzer calls, by the name it requires.
extern "C" int LLVMFuzzerTestOneInput( // NOLINT(readability-identifier-naming)
    const std::uint8_t *data, std::size_t size)
{
    tallimax::Session session;
    session.run(data, size);
    return 0;
}
