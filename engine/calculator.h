// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator_view.h"
#include "engine/readout_text.h"

#include <array>
#include <cstdint>
#include <functional>
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

// Everything the calculator remembers between two keys.
struct CalculatorState
{
    CellValue Accumulator;
    CellValue Operand;
    std::int16_t PointEntered = 0; // 0 false, -1 true
    std::int16_t OperandCount = 0;
    CellValue InputState; // "NONE", "NUMS", "OPS" or "NEG"
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

private:
    std::string separator() const;
    void setReadout(std::string text);
    void evaluate();
    void refuseEvaluation();

    CalculatorView &m_view;
    DecimalSeparatorSource m_decimalSeparator;
    CalculatorState m_state;
};

// Presses the key with this caption: digits, ".", "+", "-", "X", "/", "=", and "R" for RESET ALL.
// False for a character that is no key's.
bool pressKey(Calculator &calculator, char key);

} // namespace tallimax
