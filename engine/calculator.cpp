// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calculator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tallimax {

namespace {

constexpr std::string_view None = "NONE";
constexpr std::string_view Nums = "NUMS";
constexpr std::string_view Ops = "OPS";
constexpr std::string_view Neg = "NEG";

constexpr std::int16_t True = -1;
constexpr std::int16_t False = 0;

template <std::size_t N> bool isKey(std::int16_t index, const std::array<std::string_view, N> &keys)
{
    return index >= 0 && static_cast<std::size_t>(index) < keys.size();
}

CellValue text(std::string_view value)
{
    return std::string(value);
}

} // namespace

Calculator::Calculator(CalculatorView &view, DecimalSeparatorSource decimalSeparator)
    : m_view(view), m_decimalSeparator(std::move(decimalSeparator))
{ }

std::string Calculator::separator() const
{
    std::string separator = m_decimalSeparator ? m_decimalSeparator() : std::string();
    // A locale without a usable separator still needs one to type fractions with.
    return separator.empty() ? std::string(".") : separator;
}

void Calculator::setReadout(std::string text)
{
    m_state.ReadoutText = std::move(text);
    m_view.SetReadout(m_state.ReadoutText);
}

void Calculator::Form_Load()
{
    m_state.PointEntered = False;
    m_state.OperandCount = 0;
    m_state.InputState = text(None);
    m_state.PendingOp = text(" ");
    setReadout(FormatZero("0.", separator()));
}

void Calculator::rset_Click()
{
    setReadout(FormatZero("0.", separator()));
    m_state.Accumulator = std::int16_t{ 0 };
    m_state.Operand = std::int16_t{ 0 };
    Form_Load();
    m_view.SetAction(std::string(texts::Action));
}

void Calculator::restore(const Snapshot &snapshot)
{
    m_state = snapshot.state;
    m_view.SetReadout(m_state.ReadoutText);
    m_view.SetAction(snapshot.action);
}

void Calculator::Number_Click(std::int16_t index)
{
    if (!isKey(index, NumberCaptions))
        return;
    const std::string_view digit = NumberCaptions[static_cast<std::size_t>(index)];
    const std::string sep = separator();

    // A new number starts from the separator alone.
    if (!IsText(m_state.InputState, Nums)) {
        setReadout(FormatZero(".", sep));
        m_state.PointEntered = False;
    }
    // Before the point, digits go in front of the separator; after it, at the end.
    if (m_state.PointEntered != False)
        setReadout(m_state.ReadoutText + std::string(digit));
    else
        setReadout(
            IntegerPart(m_state.ReadoutText, sep) + std::string(digit) + FormatZero(".", sep));
    // The first digit after a minus sign takes the sign with it.
    if (IsText(m_state.InputState, Neg))
        setReadout("-" + m_state.ReadoutText);
    m_state.InputState = text(Nums);
}

void Calculator::Decimal_Click()
{
    if (IsText(m_state.InputState, Neg))
        setReadout(FormatZero("-0.", separator()));
    else if (!IsText(m_state.InputState, Nums))
        setReadout(FormatZero("0.", separator()));
    m_state.PointEntered = True;
    m_state.InputState = text(Nums);
}

void Calculator::Operator_Click(std::int16_t index)
{
    if (!isKey(index, OperatorCaptions))
        return;
    const std::string_view caption = OperatorCaptions[static_cast<std::size_t>(index)];

    m_state.EntryValue = m_state.ReadoutText;
    if (IsText(m_state.InputState, Nums))
        ++m_state.OperandCount;

    switch (m_state.OperandCount) {
    case 0:
        // A minus where a number is expected starts a negative number.
        if (!IsText(m_state.InputState, Neg) && caption == "-") {
            setReadout("-" + m_state.ReadoutText);
            m_state.InputState = text(Neg);
        }
        break;
    case 1:
        m_state.Accumulator = m_state.ReadoutText;
        // Right after "=" a minus subtracts from the result instead of starting a number.
        if (!IsText(m_state.PendingOp, "=") && !IsText(m_state.InputState, Nums)
            && caption == "-") {
            setReadout("-");
            m_state.InputState = text(Neg);
        }
        break;
    default:
        evaluate();
        break;
    }

    if (!IsText(m_state.InputState, Neg)) {
        m_state.InputState = text(Ops);
        m_state.PendingOp = text(caption);
    }
}

// Applies the pending operator to the accumulator and the operand just typed.
void Calculator::evaluate()
{
    m_state.Operand = m_state.EntryValue;
    const std::string sep = separator();
    const std::optional<double> operand = ToNumber(m_state.Operand, sep);
    const auto *pending = std::get_if<std::string>(&m_state.PendingOp);
    const std::string_view op =
        pending != nullptr ? std::string_view(*pending) : std::string_view();

    if (!operand) {
        refuseEvaluation();
    } else if (op == "=") {
        m_state.Accumulator = *operand;
    } else if (op == "/" && *operand == 0.0) {
        // The zero test comes before any division; the accumulator stays as it was.
        m_view.ShowWarning(std::string(texts::WarningPrompt), std::string(texts::WarningTitle));
        m_view.SetAction(std::string(texts::DivideByZero));
    } else {
        const std::optional<double> accumulator = ToNumber(m_state.Accumulator, sep);
        double result = 0.0;
        std::string_view action;
        if (accumulator && op == "+") {
            result = *accumulator + *operand;
            action = texts::Plus;
        } else if (accumulator && op == "-") {
            result = *accumulator - *operand;
            action = texts::Minus;
        } else if (accumulator && op == "X") {
            result = *accumulator * *operand;
            action = texts::Times;
        } else if (accumulator && op == "/") {
            result = *accumulator / *operand;
            action = texts::Divide;
        }
        // A result beyond the double range, or an operand that was, is refused rather than
        // shown as infinity: the calculation goes on from the accumulator as it was.
        if (action.empty() || !std::isfinite(result)) {
            refuseEvaluation();
        } else {
            m_state.Accumulator = result;
            m_view.SetAction(std::string(action));
        }
    }

    setReadout(ToText(m_state.Accumulator, sep));
    m_state.OperandCount = 1;
}

void Calculator::refuseEvaluation()
{
    m_view.SetAction(std::string(texts::Overflow));
}

bool pressKey(Calculator &calculator, char key)
{
    if (key >= '0' && key <= '9') {
        calculator.Number_Click(static_cast<std::int16_t>(key - '0'));
        return true;
    }
    if (key == '.') {
        calculator.Decimal_Click();
        return true;
    }
    if (key == 'R') {
        calculator.rset_Click();
        return true;
    }
    const auto op = std::find(OperatorCaptions.begin(), OperatorCaptions.end(),
        std::string_view(&key, 1));
    if (op == OperatorCaptions.end())
        return false;
    calculator.Operator_Click(static_cast<std::int16_t>(op - OperatorCaptions.begin()));
    return true;
}

} // namespace tallimax
