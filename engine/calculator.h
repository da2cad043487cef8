// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator_view.h"
#include "engine/readout_text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tallimax {

// Asked for the user's decimal separator at every use, so the engine never keeps a copy.
using DecimalSeparatorSource = std::function<std::string()>;

// The captions of the two key arrays, by index. The engine works on these captions only.
inline constexpr std::array<std::string_view, 10> NumberCaptions = { "0", "1", "2", "3", "4", "5",
    "6", "7", "8", "9" };
inline constexpr std::array<std::string_view, 5> OperatorCaptions = { "/", "+", "X", "-", "=" };

// The texts the action panel and the warning box show.
namespace texts {
inline constexpr std::string_view Action = "Action";
inline constexpr std::string_view Plus = "Plus(+)";
inline constexpr std::string_view Minus = "Minus(-)";
inline constexpr std::string_view Times = "Double(X);";
inline constexpr std::string_view Divide = "Division (/)";
inline constexpr std::string_view DivideByZero =
    "The user was a moron and tried to divide by zero!";
inline constexpr std::string_view Overflow = "Overflow";
inline constexpr std::string_view WarningPrompt = "Look at message on action panel";
inline constexpr std::string_view WarningTitle = "Message From Vor";
} // namespace texts

// What the calculator is doing between two keys, as CalculatorState::InputState holds it.
namespace inputs {
inline constexpr std::string_view None = "NONE";
inline constexpr std::string_view Nums = "NUMS"; // a number is being typed
inline constexpr std::string_view Ops = "OPS"; // an operator was the last key
inline constexpr std::string_view Neg = "NEG"; // a minus started a negative number
} // namespace inputs

// Why an operator key evaluated nothing, as the action panel then says.
enum class Refusal { None, DivideByZero, Overflow };

// The action panel's text for a refusal; empty for none.
std::string_view messageOf(Refusal refusal);

// Everything the calculator remembers between two keys.
struct CalculatorState
{
    CellValue Accumulator;
    CellValue Operand;
    std::int16_t PointEntered = 0; // 0 false, -1 true
    std::int16_t OperandCount = 0;
    CellValue InputState; // one of inputs::
    CellValue PendingOp; // an operator caption, or " " before the first one
    CellValue EntryValue;
    std::string ReadoutText = "0.";

    friend bool operator==(const CalculatorState &, const CalculatorState &) = default;
};

// What the calculator shows and remembers at one moment: its state, and the action panel's text,
// which the engine writes but never reads back.
struct Snapshot
{
    CalculatorState state;
    std::string action;

    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

// The calculator: one operation per key, left-to-right evaluation, results pushed to a view.
class Calculator
{
public:
    Calculator(CalculatorView &view, DecimalSeparatorSource decimalSeparator);

    void Form_Load();
    void rset_Click();
    void Number_Click(std::int16_t index);
    void Decimal_Click();
    void Operator_Click(std::int16_t index);

    // Puts the calculator back as it was at the snapshot and shows its readout and action text.
    // Nothing else runs: no warning box, whatever the step that led there showed.
    void restore(const Snapshot &snapshot);

    const CalculatorState &state() const { return m_state; }
    // What the last operation (or restore) wrote on the action panel, if it wrote it at all,
    // and the evaluation it refused, if any.
    const std::optional<std::string> &actionWritten() const { return m_actionWritten; }
    Refusal refusal() const { return m_refusal; }

private:
    void begin();
    void setAction(std::string_view text);
    std::string separator() const;
    void setReadout(std::string text);
    void evaluate();
    void refuseEvaluation();

    CalculatorView &m_view;
    DecimalSeparatorSource m_decimalSeparator;
    CalculatorState m_state;
    std::optional<std::string> m_actionWritten;
    Refusal m_refusal = Refusal::None;
};

// Presses the key with this caption: digits, ".", "+", "-", "X", "/", "=", and "R" for RESET ALL.
// False for a character that is no key's.
bool pressKey(Calculator &calculator, char key);

} // namespace tallimax
