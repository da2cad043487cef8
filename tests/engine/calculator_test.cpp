// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/recording_view.h"

#include "engine/calculator.h"
#include "engine/history.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallimax {
namespace {

void press(Calculator &calculator, char key)
{
    ASSERT_TRUE(pressKey(calculator, key)) << "no key " << key;
}

// Expected texts are written with "."; this puts the separator under test in its place.
std::string localized(std::string_view text, std::string_view separator)
{
    std::string result;
    for (const char c : text) {
        if (c == '.')
            result.append(separator);
        else
            result.push_back(c);
    }
    return result;
}

// A loaded calculator with a recording view and a separator that tests may change.
struct Rig
{
    explicit Rig(std::string sep = ".") : separator(std::move(sep)) { calculator.Form_Load(); }
    std::string pressAll(std::string_view keys)
    {
        for (const char key : keys)
            press(calculator, key);
        return view.readout;
    }

    std::string separator;
    RecordingView view;
    Calculator calculator{ view, [this] {
                              return separator;
                          } };
};

constexpr const char *A = "Action";
constexpr const char *P = "Plus(+)";
constexpr const char *M = "Minus(-)";
constexpr const char *T = "Double(X);";
constexpr const char *D = "Division (/)";
constexpr const char *Z = "The user was a moron and tried to divide by zero!";

struct Sequence
{
    const char *name;
    std::string keys;
    std::vector<std::string> readouts; // after each key
    std::vector<std::string> actions; // after each key
    int warnings = 0;
};

void PrintTo(const Sequence &sequence, std::ostream *out)
{
    *out << sequence.name << " \"" << sequence.keys << '"';
}

const std::vector<Sequence> sequences = {
    // Typing numbers.
    { "DigitsGoBeforeThePoint", "723.5", { "7.", "72.", "723.", "723.", "723.5" },
        { A, A, A, A, A } },
    { "PointFirst", ".5", { "0.", "0.5" }, { A, A } },
    { "PointTwice", "..5", { "0.", "0.", "0.5" }, { A, A, A } },
    { "PointAfterFraction", "1.5.6", { "1.", "1.", "1.5", "1.5", "1.56" }, { A, A, A, A, A } },
    { "LeadingZerosStay", "007", { "0.", "00.", "007." }, { A, A, A } },
    { "NewNumberAfterResult", "7+2=4", { "7.", "7.", "2.", "9", "4." }, { A, A, A, P, P } },

    // The four operations and left-to-right evaluation.
    { "WorkedExample", "7+2=", { "7.", "7.", "2.", "9" }, { A, A, A, P } },
    { "Subtraction", "9-4=", { "9.", "9.", "4.", "5" }, { A, A, A, M } },
    { "Multiplication", "6X7=", { "6.", "6.", "7.", "42" }, { A, A, A, T } },
    { "Division", "7/2=", { "7.", "7.", "2.", "3.5" }, { A, A, A, D } },
    { "NoPrecedence", "2+3X4=", { "2.", "2.", "3.", "5", "4.", "20" }, { A, A, A, P, P, T } },
    { "FractionsAdd", ".1+.2=", { "0.", "0.1", "0.1", "0.", "0.2", "0.3" }, { A, A, A, A, A, P } },
    { "ThirdShowsFifteenDigits", "1/3=", { "1.", "1.", "3.", "0.333333333333333" },
        { A, A, A, D } },
    { "RepeatedOperatorCountsOnce", "2++3=", { "2.", "2.", "2.", "3.", "5" }, { A, A, A, A, P } },
    { "SecondOperatorReplacesFirst", "2+X3=", { "2.", "2.", "2.", "3.", "6" }, { A, A, A, A, T } },
    { "EqualsWithOneOperand", "5=", { "5.", "5." }, { A, A } },
    { "EqualsDoesNotRepeat", "2+3==", { "2.", "2.", "3.", "5", "5" }, { A, A, A, P, P } },
    { "NumberAfterEqualsIsNewAccumulator", "5=3+", { "5.", "5.", "3.", "3" }, { A, A, A, A } },
    { "NegativeZeroShowsZero", "0X-1=", { "0.", "0.", "-", "-1.", "0" }, { A, A, A, A, T } },

    // The minus key as a sign.
    { "MinusAtStart", "-5+3=", { "-0.", "-5.", "-5.", "3.", "-2" }, { A, A, A, A, P } },
    { "MinusAtStartThenPoint", "-.5", { "-0.", "-0.", "-0.5" }, { A, A, A } },
    { "SignTakenOnce", "-53", { "-0.", "-5.", "-53." }, { A, A, A } },
    { "MinusAsSignKeepsPendingOperator", "2X-3=", { "2.", "2.", "-", "-3.", "-6" },
        { A, A, A, A, T } },
    { "MinusAfterEqualsSubtracts", "5=-2=", { "5.", "5.", "5.", "2.", "3" }, { A, A, A, A, M } },
    { "MinusAfterEqualsBeforeAnyNumber", "=-5", { "0.", "-0.", "-5." }, { A, A, A } },
    { "OperatorAfterSignAtStartIsIgnored", "-+5", { "-0.", "-0.", "-5." }, { A, A, A } },
    { "LoneMinusReadsAsZero", "2+-X3=", { "2.", "2.", "-", "-", "-3.", "-3" },
        { A, A, A, A, A, P } },

    // Division by zero.
    { "DivideByZero", "8/0=", { "8.", "8.", "0.", "8." }, { A, A, A, Z }, 1 },
    { "DivideByPointZero", "8/0.0=", { "8.", "8.", "0.", "0.", "0.0", "8." }, { A, A, A, A, A, Z },
        1 },
    { "DivideByMinusZero", "8/-0=", { "8.", "8.", "-", "-0.", "8." }, { A, A, A, A, Z }, 1 },
    { "DivideResultByZero", "6+2=/0=", { "6.", "6.", "2.", "8", "8", "0.", "8" },
        { A, A, A, P, P, P, Z }, 1 },
    { "CalculationGoesOnAfterDivideByZero", "8/0+2=", { "8.", "8.", "0.", "8.", "2.", "10" },
        { A, A, A, Z, Z, P }, 1 },

    // RESET ALL in every state.
    { "ResetAtStart", "R5", { "0.", "5." }, { A, A } },
    { "ResetWhileTyping", "12+3R5", { "1.", "12.", "12.", "3.", "0.", "5." },
        { A, A, A, A, A, A } },
    { "ResetAfterPoint", "1.R5", { "1.", "1.", "0.", "5." }, { A, A, A, A } },
    { "ResetAfterResult", "7+2=R3=", { "7.", "7.", "2.", "9", "0.", "3.", "3." },
        { A, A, A, P, A, A, A } },
    { "ResetInSign", "-R5", { "-0.", "0.", "5." }, { A, A, A } },
    { "ResetAfterSignInCalculation", "2X-R5+1=", { "2.", "2.", "-", "0.", "5.", "5.", "1.", "6" },
        { A, A, A, A, A, A, A, P } },
    { "ResetAfterDivideByZero", "8/0=R", { "8.", "8.", "0.", "8.", "0." }, { A, A, A, Z, A }, 1 },
};

class KeySequence : public testing::TestWithParam<std::tuple<Sequence, std::string>>
{
};

TEST_P(KeySequence, ShowsReadoutAndActionAfterEachKey)
{
    const auto &[sequence, separator] = GetParam();
    ASSERT_EQ(sequence.readouts.size(), sequence.keys.size());
    ASSERT_EQ(sequence.actions.size(), sequence.keys.size());

    Rig rig(separator);
    for (std::size_t i = 0; i < sequence.keys.size(); ++i) {
        press(rig.calculator, sequence.keys[i]);
        const std::string expected = localized(sequence.readouts[i], separator);
        EXPECT_EQ(rig.view.readout, expected)
            << "after key " << i << " '" << sequence.keys[i] << "'";
        EXPECT_EQ(rig.calculator.state().ReadoutText, expected) << "after key " << i;
        EXPECT_EQ(rig.view.action, sequence.actions[i])
            << "after key " << i << " '" << sequence.keys[i] << "'";
    }
    EXPECT_EQ(rig.view.warnings, sequence.warnings);
}

std::string separatorName(const std::string &separator)
{
    if (separator == ".")
        return "Point";
    if (separator == ",")
        return "Comma";
    return "ArabicPoint";
}

std::string sequenceName(const testing::TestParamInfo<KeySequence::ParamType> &param)
{
    return std::string(std::get<0>(param.param).name) + separatorName(std::get<1>(param.param));
}

// "٫" is a two-byte separator, as some locales use.
INSTANTIATE_TEST_SUITE_P(Keys, KeySequence,
    testing::Combine(testing::ValuesIn(sequences), testing::Values(".", ",", "\u066B")),
    sequenceName);

using Call = RecordingView::Call;

Call readout(std::string text)
{
    return { Call::Readout, std::move(text), {} };
}
Call action(std::string text)
{
    return { Call::Action, std::move(text), {} };
}

TEST(Calculator, CreationCallsNothingAndLoadWritesTheLocaleZero)
{
    RecordingView view;
    Calculator calculator(view, [] { return std::string(","); });
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(calculator.state().ReadoutText, "0.");

    calculator.Form_Load();
    EXPECT_EQ(view.calls, std::vector<Call>{ readout("0,") });
    const CalculatorState &state = calculator.state();
    EXPECT_TRUE(IsText(state.InputState, "NONE"));
    EXPECT_TRUE(IsText(state.PendingOp, " "));
    EXPECT_EQ(state.OperandCount, 0);
    EXPECT_EQ(state.PointEntered, 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(state.Accumulator));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(state.Operand));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(state.EntryValue));
}

// The engine pushes every write, also an unchanged text, in the order it decides them.
TEST(Calculator, PushesEveryWriteInOrder)
{
    Rig rig;
    rig.view.calls.clear();
    rig.calculator.rset_Click();
    EXPECT_EQ(
        rig.view.calls, (std::vector<Call>{ readout("0."), readout("0."), action("Action") }));

    rig.view.calls.clear();
    rig.pressAll("-5");
    EXPECT_EQ(rig.view.calls,
        (std::vector<Call>{ readout("-0."), readout("."), readout("5."), readout("-5.") }));

    rig.view.calls.clear();
    rig.pressAll("3.");
    EXPECT_EQ(rig.view.calls, (std::vector<Call>{ readout("-53.") }));

    rig.view.calls.clear();
    rig.pressAll("+");
    EXPECT_TRUE(rig.view.calls.empty());

    rig.view.calls.clear();
    rig.pressAll("0/");
    EXPECT_EQ(rig.view.calls,
        (std::vector<Call>{ readout("."), readout("0."), action("Plus(+)"), readout("-53") }));
}

TEST(Calculator, WarningComesBeforeTheActionText)
{
    Rig rig;
    rig.pressAll("8/0");
    rig.view.calls.clear();
    rig.pressAll("=");
    const std::vector<Call> expected = {
        { Call::Warning, "Look at message on action panel", "Message From Vor" },
        action("The user was a moron and tried to divide by zero!"),
        readout("8."),
    };
    EXPECT_EQ(rig.view.calls, expected);
}

TEST(Calculator, ResetRestoresLoadStateButKeepsEntryValue)
{
    Rig rig;
    rig.pressAll("12+3");
    rig.calculator.rset_Click();
    const CalculatorState &state = rig.calculator.state();
    EXPECT_EQ(std::get<std::int16_t>(state.Accumulator), 0);
    EXPECT_EQ(std::get<std::int16_t>(state.Operand), 0);
    EXPECT_TRUE(IsText(state.InputState, "NONE"));
    EXPECT_TRUE(IsText(state.PendingOp, " "));
    EXPECT_EQ(state.OperandCount, 0);
    EXPECT_EQ(state.PointEntered, 0);
    EXPECT_TRUE(IsText(state.EntryValue, "12."));
}

TEST(Calculator, EvaluationStoresDoublesAndCountsBackToOne)
{
    Rig rig;
    rig.pressAll("7+");
    EXPECT_TRUE(IsText(rig.calculator.state().Accumulator, "7."));
    EXPECT_EQ(rig.calculator.state().OperandCount, 1);
    rig.pressAll("2=");
    const CalculatorState &state = rig.calculator.state();
    EXPECT_EQ(std::get<double>(state.Accumulator), 9.0);
    EXPECT_TRUE(IsText(state.Operand, "2."));
    EXPECT_EQ(state.OperandCount, 1);
    EXPECT_TRUE(IsText(state.PendingOp, "="));
    EXPECT_TRUE(IsText(state.InputState, "OPS"));
}

TEST(Calculator, SeparatorIsAskedAtEveryUse)
{
    Rig rig(".");
    EXPECT_EQ(rig.view.readout, "0.");
    rig.separator = ",";
    EXPECT_EQ(rig.pressAll("7/2="), "3,5");
    rig.separator = "\u066B";
    EXPECT_EQ(rig.pressAll("R"), "0\u066B");
    EXPECT_EQ(rig.pressAll("12.5X2="), "25");
    EXPECT_EQ(rig.pressAll("/4="), "6\u066B25");
}

TEST(Calculator, EmptySeparatorFallsBackToPoint)
{
    Rig rig("");
    EXPECT_EQ(rig.view.readout, "0.");
    EXPECT_EQ(rig.pressAll("1.5+1="), "2.5");
}

TEST(Calculator, KeyIndexOutsideTheTablesIsIgnored)
{
    Rig rig;
    rig.pressAll("12+3");
    const CalculatorState before = rig.calculator.state();
    rig.view.calls.clear();
    for (const int index : { -1, 10, 32767, -32768 })
        rig.calculator.Number_Click(static_cast<std::int16_t>(index));
    for (const int index : { -1, 5, 100, -32768 })
        rig.calculator.Operator_Click(static_cast<std::int16_t>(index));
    EXPECT_TRUE(rig.view.calls.empty());
    const CalculatorState &after = rig.calculator.state();
    EXPECT_EQ(after.ReadoutText, before.ReadoutText);
    EXPECT_EQ(after.Accumulator, before.Accumulator);
    EXPECT_EQ(after.EntryValue, before.EntryValue);
    EXPECT_EQ(after.OperandCount, before.OperandCount);
    EXPECT_EQ(after.InputState, before.InputState);
    EXPECT_EQ(rig.pressAll("="), "15");
}

TEST(Calculator, LargeAndSmallResultsUseTheExponentForm)
{
    Rig rig(",");
    EXPECT_EQ(rig.pressAll("10000000000X10000000000="), "1E+20");
    EXPECT_EQ(rig.pressAll("X1.5="), "1,5E+20");
    EXPECT_EQ(rig.pressAll("R3/200000="), "1,5E-05");
    // The shown text reads back when taken as the next accumulator.
    EXPECT_EQ(rig.pressAll("=X2="), "3E-05");
    EXPECT_EQ(rig.pressAll("R100000000000000X10="), "1E+15");
    EXPECT_EQ(rig.pressAll("R10000000000000X10="), "100000000000000");
}

TEST(Calculator, ResultBeyondTheDoubleRangeIsRefused)
{
    Rig rig;
    const std::string e154 = "1" + std::string(154, '0');
    EXPECT_EQ(rig.pressAll(e154 + "X" + e154 + "="), "1E+308");
    EXPECT_EQ(rig.view.action, "Double(X);");

    // One more multiplication would be infinite: the accumulator stays and the key finishes.
    EXPECT_EQ(rig.pressAll("X10="), "1E+308");
    EXPECT_EQ(rig.view.action, "Overflow");
    // The key after "=" took the shown text as the accumulator; it reads back as 1E+308.
    EXPECT_EQ(ToNumber(rig.calculator.state().Accumulator, "."), 1e308);
    EXPECT_EQ(rig.calculator.state().OperandCount, 1);
    EXPECT_TRUE(IsText(rig.calculator.state().PendingOp, "="));

    // The calculation goes on from the kept value.
    EXPECT_EQ(rig.pressAll("/1" + std::string(8, '0') + "="), "1E+300");
    EXPECT_EQ(rig.view.action, "Division (/)");
}

TEST(Calculator, TypedNumberBeyondTheDoubleRangeIsRefused)
{
    Rig rig;
    const std::string huge(400, '9');
    rig.pressAll(huge + "+1");
    EXPECT_EQ(rig.pressAll("="), huge + ".");
    EXPECT_EQ(rig.view.action, "Overflow");

    // As the second operand, too: the first stays.
    EXPECT_EQ(rig.pressAll("R5+" + huge + "X"), "5.");
    EXPECT_EQ(rig.view.action, "Overflow");
    EXPECT_TRUE(IsText(rig.calculator.state().PendingOp, "X"));
    EXPECT_EQ(rig.pressAll("3="), "15");

    // And after "=".
    EXPECT_EQ(rig.pressAll("R5=" + huge + "="), "5.");
    EXPECT_EQ(rig.view.action, "Overflow");

    // Division by a huge number is refused, not taken as division by zero.
    EXPECT_EQ(rig.pressAll("R5/" + huge + "="), "5.");
    EXPECT_EQ(rig.view.warnings, 0);
}

TEST(Calculator, TinyResultsGoDownToTheSmallestDouble)
{
    Rig rig;
    const std::string e160 = "1" + std::string(160, '0');
    EXPECT_EQ(rig.pressAll("1/" + e160 + "=/" + e160 + "="), "9.99988867182683E-321");
    EXPECT_EQ(rig.pressAll("/2000="), "4.94065645841247E-324");
    EXPECT_EQ(std::get<double>(rig.calculator.state().Accumulator),
        std::numeric_limits<double>::denorm_min());
    // Its text reads back as the same double when taken as the next accumulator.
    EXPECT_EQ(rig.pressAll("=X1="), "4.94065645841247E-324");
    EXPECT_EQ(rig.view.action, "Double(X);");
    // Below the smallest double the quotient is zero, which is a result, not an error.
    EXPECT_EQ(rig.pressAll("/3="), "0");
    EXPECT_EQ(rig.view.action, "Division (/)");
}

TEST(Calculator, ZeroDividedByANumberIsZero)
{
    Rig rig;
    EXPECT_EQ(rig.pressAll("0/7="), "0");
    EXPECT_EQ(rig.pressAll("R0/-7="), "0");
    EXPECT_EQ(rig.view.warnings, 0);
}

TEST(Calculator, TenThousandDigitsStayInTheReadout)
{
    Rig rig;
    const std::string digits(10000, '7');
    EXPECT_EQ(rig.pressAll(digits), digits + ".");
    EXPECT_EQ(rig.pressAll("+X/="), digits + ".");
    EXPECT_EQ(rig.view.action, "Action");
    // Subtracting from a number beyond the double range is refused.
    EXPECT_EQ(rig.pressAll("-1="), digits + ".");
    EXPECT_EQ(rig.view.action, "Overflow");
}

// A step taken back and put back again shows exactly what it showed, and runs nothing again.
TEST(Calculator, RestoreShowsTheSnapshotAndRunsNothing)
{
    Rig rig;
    rig.pressAll("8/0");
    const Snapshot before{ rig.calculator.state(), rig.view.action };
    rig.pressAll("=");
    const Snapshot after{ rig.calculator.state(), rig.view.action };
    ASSERT_EQ(rig.view.warnings, 1);

    rig.calculator.restore(before);
    EXPECT_EQ(rig.calculator.state(), before.state);
    EXPECT_EQ(rig.view.readout, "0.");
    EXPECT_EQ(rig.view.action, "Action");
    rig.calculator.restore(after);
    EXPECT_EQ(rig.calculator.state(), after.state);
    EXPECT_EQ(rig.view.action, Z);
    EXPECT_EQ(rig.view.warnings, 1);
    // Going on from a restored state is going on from the state itself.
    rig.calculator.restore(before);
    EXPECT_EQ(rig.pressAll("2="), "4");
}

Snapshot numbered(int n)
{
    Snapshot snapshot;
    snapshot.state.OperandCount = static_cast<std::int16_t>(n);
    return snapshot;
}

TEST(History, KeepsTheNewestThousandStepsBothWays)
{
    History history;
    for (int n = 0; n < 1005; ++n)
        history.record(numbered(n));
    EXPECT_EQ(history.size(), 1000U);

    Snapshot now = numbered(1005);
    for (int n = 1004; n >= 5; --n) {
        const std::optional<Snapshot> before = history.undo(now);
        ASSERT_TRUE(before.has_value()) << n;
        EXPECT_EQ(before->state.OperandCount, n);
        now = *before;
    }
    EXPECT_FALSE(history.undo(now).has_value());
    for (int n = 6; n <= 1005; ++n) {
        const std::optional<Snapshot> after = history.redo(now);
        ASSERT_TRUE(after.has_value()) << n;
        EXPECT_EQ(after->state.OperandCount, n);
        now = *after;
    }
    EXPECT_FALSE(history.redo(now).has_value());
    EXPECT_EQ(history.size(), 1000U);
}

TEST(History, ANewStepForgetsWhatCouldBePutBack)
{
    History history;
    history.record(numbered(0));
    history.record(numbered(1));
    ASSERT_TRUE(history.undo(numbered(2)).has_value());
    EXPECT_TRUE(history.canRedo());
    history.record(numbered(1));
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(numbered(7)).has_value());
    EXPECT_EQ(history.size(), 2U);
}

// Snapshots of a readout thousands of digits long: the oldest go to keep within the memory
// bound, and the newest stays even when it alone is over it.
TEST(History, MemoryStaysWithinItsBound)
{
    Rig rig;
    rig.pressAll(std::string(20000, '7'));
    const Snapshot huge{ rig.calculator.state(), rig.view.action };
    const std::size_t each = History::bytesOf(huge);
    ASSERT_GT(each, 20000U);

    History history(1000, 50 * each);
    for (int n = 0; n < 200; ++n) {
        history.record(huge);
        history.undo(huge);
        history.redo(huge);
        EXPECT_LE(history.bytes(), 50 * each);
    }
    EXPECT_EQ(history.size(), 50U);

    History tiny(1000, each / 2);
    tiny.record(huge);
    EXPECT_EQ(tiny.size(), 1U);
    tiny.record(huge);
    EXPECT_EQ(tiny.size(), 1U);
    EXPECT_EQ(tiny.bytes(), each);
}

} // namespace
} // namespace tallimax
