// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calculator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tallimax {

namespace {

using inputs::Neg;
using inputs::None;
using inputs::Nums;
using inputs::Ops;

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

std::string_view messageOf(Refusal refusal)
{
    switch (refusal) {
    case Refusal::DivideByZero:
        return texts::DivideByZero;
    case Refusal::Overflow:
        return texts::Overflow;
    case Refusal::None:
        break;
    }
    return {};
}

Calculator::Calculator(CalculatorView &view, DecimalSeparatorSource decimalSeparator)
    : m_view(view), m_decimalSeparator(std::move(decimalSeparator))
{ }

// Each operation starts with nothing written on the action panel yet and nothing refused.
void Calculator::begin()
{
    m_actionWritten.reset();
    m_refusal = Refusal::None;
}

void Calculator::setAction(std::string_view text)
{
    m_actionWritten = std::string(text);
    m_view.SetAction(*m_actionWritten);
}

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
    begin();
    m_state.PointEntered = False;
    m_state.OperandCount = 0;
    m_state.InputState = text(None);
    m_state.PendingOp = text(" ");
    setReadout(FormatZero("0.", separator()));
}

void Calculator::rset_Click()
{
    begin();
    setReadout(FormatZero("0.", separator()));
    m_state.Accumulator = std::int16_t{ 0 };
    m_state.Operand = std::int16_t{ 0 };
    Form_Load();
    setAction(texts::Action);
}

void Calculator::restore(const Snapshot &snapshot)
{
    begin();
    m_state = snapshot.state;
    m_view.SetReadout(m_state.ReadoutText);
    setAction(snapshot.action);
}

void Calculator::Number_Click(std::int16_t index)
{
    begin();
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
    begin();
    if (IsText(m_state.InputState, Neg))
        setReadout(FormatZero("-0.", separator()));
    else if (!IsText(m_state.InputState, Nums))
        setReadout(FormatZero("0.", separator()));
    m_state.PointEntered = True;
    m_state.InputState = text(Nums);
}

void Calculator::Operator_Click(std::int16_t index)
{
    begin();
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
        m_refusal = Refusal::DivideByZero;
        setAction(texts::DivideByZero);
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
            setAction(action);
        }
    }

    setReadout(ToText(m_state.Accumulator, sep));
    m_state.OperandCount = 1;
}

void Calculator::refuseEvaluation()
{
    m_refusal = Refusal::Overflow;
    setAction(texts::Overflow);
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
