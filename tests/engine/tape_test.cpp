// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/recording_view.h"

#include "engine/calculator.h"
#include "engine/tape.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallimax {
namespace {

constexpr const char *Z = "The user was a moron and tried to divide by zero!";

struct Rig
{
    Rig() { calculator.Form_Load(); }

    RecordingView view;
    Calculator calculator{ view, [] {
                              return std::string(".");
                          } };
};

// A session as the window types it: every key one step of the tape, keys in brackets one step (a
// paste); u and y take a step back and put one back; cN<op>{keys} corrects line N to the number
// keys and operator (_ for none); dN deletes line N; nN{note} gives line N the note; K clears the
// tape.
struct TapeSession
{
    Rig rig;
    Tape tape{ [] {
        return std::string(".");
    } };

    Snapshot now() const { return { rig.calculator.state(), rig.view.action }; }
    void show(const std::optional<Snapshot> &shown)
    {
        if (shown)
            rig.calculator.restore(*shown);
    }
    void type(std::string_view keys)
    {
        tape.beginStep(now());
        for (const char key : keys)
            EXPECT_TRUE(tape.type(rig.calculator, key)) << "no key " << key;
        tape.endStep();
    }
    void run(std::string_view script)
    {
        for (std::size_t i = 0; i < script.size(); ++i) {
            const char c = script[i];
            const auto line = [&] {
                return static_cast<std::size_t>(script[++i] - '0');
            };
            if (c == 'u') {
                show(tape.undo(now()));
            } else if (c == 'y') {
                show(tape.redo(now()));
            } else if (c == 'K') {
                tape.clear(now());
            } else if (c == 'd') {
                show(tape.remove(line(), now()));
            } else if (c == 'n') {
                const std::size_t n = line();
                const std::size_t end = script.find('}', i);
                show(tape.annotate(n, std::string(script.substr(i + 2, end - i - 2)), now()));
                i = end;
            } else if (c == 'c' || c == '(') {
                const std::size_t n = c == 'c' ? line() : 0;
                const char op = c == 'c' ? script[++i] : '\0';
                const std::size_t end = script.find(c == 'c' ? '}' : ')', i);
                const std::size_t from = c == 'c' ? i + 2 : i + 1;
                const std::string_view keys = script.substr(from, end - from);
                if (c == '(')
                    type(keys);
                else
                    show(tape.correct(n, keys, operatorOf(op), now()));
                i = end;
            } else {
                type(std::string_view(&script[i], 1));
            }
        }
    }
    // The lines as "number op result #note", joined by "|"; a break is "R".
    std::string printed() const
    {
        std::string text;
        for (const TapeLine &line : tape.lines()) {
            if (!text.empty())
                text += '|';
            text += line.isBreak() ? std::string("R") : line.number;
            if (line.op)
                text += std::string(" ") + keyOf(*line.op);
            if (!line.result.empty() || !line.message.empty())
                text += " " + line.result + line.message;
            if (!line.note.empty())
                text += " #" + line.note;
        }
        return text;
    }
};

struct TapeScript
{
    const char *name;
    std::string script;
    std::string lines;
    std::string readout;
};

void PrintTo(const TapeScript &row, std::ostream *out)
{
    *out << row.name << " \"" << row.script << '"';
}

const std::string Nines(200, '9');

const std::vector<TapeScript> tapeScripts = {
    { "LeftToRight", "2+3X4=", "2. +|3. X 5|4. = 20", "20" },
    { "ResetDrawsABreak", "12+3R5", "12. +|3.|R|5.", "5." },
    { "NegativeNumber", "2X-3=", "2. X|-3. = -6", "-6" },
    { "MinusAfterEqualsSubtracts", "5=-2=", "5. =| -|2. = 3", "3" },
    { "DivisionByZero", "8/0=2=", std::string("8. /|0. = ") + Z + "|2. = 2", "2" },
    { "Overflow", Nines + "X" + Nines + "=", Nines + ". X|" + Nines + ". = Overflow", Nines + "." },
    { "PasteIsOneStep", "7(+3=)u", "7.", "7." },
    { "TakingBackTheOperatorReopensTheLine", "7+2=u", "7. +|2.", "2." },
    { "PuttingBackTheOperator", "7+2=uuy", "7. +|2.", "2." },
    { "Correction", "2+3X4=c1X{5}", "2. +|5. X 7|4. = 28", "28" },
    { "CorrectionTakenBack", "2+3X4=c1X{5}u", "2. +|3. X 5|4. = 20", "20" },
    { "CorrectionPutBack", "2+3X4=c1X{5}uy", "2. +|5. X 7|4. = 28", "28" },
    { "CorrectedOperator", "2+3X4=c0-{2}", "2. -|3. X -1|4. = -4", "-4" },
    { "CorrectedToNegative", "5+3=c1={-3}", "5. +|-3. = 2", "2" },
    { "DivisionBeforeItsCorrection", "8/2=7", "8. /|2. = 4|7.", "7." },
    { "CorrectedDivisorShowsNoBox", "8/2=7c1={0}", std::string("8. /|0. = ") + Z + "|7.", "7." },
    { "OpenNumberCorrected", "2+3X4c2_{45}", "2. +|3. X 5|45.", "45." },
    { "Deletion", "2+3X4=d1", "2. +|4. = 6", "6" },
    { "DeletedBreakJoinsTheNumbers", "5R3=d1", "53. =", "53." },
    { "DeletionTakenBack", "2+3X4=d1u", "2. +|3. X 5|4. = 20", "20" },
    { "ClearKeepsTheCalculator", "1+2=K+4=", " +|4. = 7", "7" },
    { "ClearTakenBack", "1+2=Ku", "1. +|2. = 3", "3" },
    { "CorrectionAfterClear", "1+2=K+4=c1={5}", " +|5. = 8", "8" },
    { "NoSuchLine", "1+2=c7={5}d9n9{x}", "1. +|2. = 3", "3" },
    { "NoteStaysThroughCorrection", "2+3X4=n1{three}c0+{5}", "5. +|3. X 8 #three|4. = 32", "32" },
    { "NoteStaysThroughDeletion", "2+3X4=n1{three}d0", "3. X #three|4. = 12", "12" },
    { "NoteGoesWithItsLine", "2+3X4=n1{three}d1", "2. +|4. = 6", "6" },
    { "NoteTakenBack", "2+3X4=n1{three}u", "2. +|3. X 5|4. = 20", "20" },
    { "NotePutBack", "2+3X4=n1{three}uy", "2. +|3. X 5 #three|4. = 20", "20" },
    { "SameNoteIsNoStep", "2+3X4=n1{a}n1{a}u", "2. +|3. X 5|4. = 20", "20" },
    { "NoteThroughUndoneCorrection", "2+3X4=n1{a}c0+{5}uuyy", "5. +|3. X 8 #a|4. = 32", "32" },
    { "NoteSplitsNoCells", "2+3=n0{a\tb\r\nc}", "2. + #a b  c|3. = 5", "5" },
};

class TapeKeys : public testing::TestWithParam<TapeScript>
{
};

TEST_P(TapeKeys, PrintsOneLineANumber)
{
    TapeSession session;
    session.run(GetParam().script);
    EXPECT_EQ(session.printed(), GetParam().lines);
    EXPECT_EQ(session.rig.calculator.state().ReadoutText, GetParam().readout);
    // A replay shows no warning box: only the typed division by zero did.
    EXPECT_EQ(session.rig.view.warnings, GetParam().script.starts_with("8/0") ? 1 : 0);
}

std::string tapeScriptName(const testing::TestParamInfo<TapeScript> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Tape, TapeKeys, testing::ValuesIn(tapeScripts), tapeScriptName);

// The oldest lines go past the bound, a hundredth of it at a time, and with them the steps that
// reach them; what remains still corrects as typed.
TEST(Tape, KeepsItsBoundAndCorrectsWhatRemains)
{
    TapeSession session;
    session.tape = Tape([] { return std::string("."); }, 100);
    for (int n = 0; n < 150; ++n)
        session.run("1+");
    EXPECT_LE(session.tape.lines().size(), 101U);
    EXPECT_GE(session.tape.lines().size(), 100U);
    session.run("c0+{2}");
    EXPECT_EQ(session.rig.calculator.state().ReadoutText, "151");
    // Every step still held goes back and forth.
    std::size_t steps = 0;
    for (; session.tape.history().canUndo() && steps <= session.tape.history().size(); ++steps)
        session.run("u");
    EXPECT_LE(steps, session.tape.history().size());
    session.run(std::string(steps, 'y'));
    EXPECT_EQ(session.rig.calculator.state().ReadoutText, "151");
}

// Tells which lines changed, as the tape's window hears it.
struct RangeListener : TapeListener
{
    void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) override
    {
        ranges.push_back({ first, removed, added });
    }
    void oldestDropped(std::size_t /*count*/) override { ++drops; }

    std::vector<std::array<std::size_t, 3>> ranges;
    std::size_t drops = 0;
};

// At its bound in bytes too, the oldest lines go a hundredth of it at a time, not one a key, as
// a listener that writes the whole tape again each time would pay for.
TEST(Tape, KeepsItsBoundInBytesAHundredthAtATime)
{
    constexpr std::size_t Bound = std::size_t{ 64 } << 10U;
    TapeSession session;
    session.tape = Tape([] { return std::string("."); }, Tape::MaxLines, Bound);
    RangeListener listener;
    session.tape.addListener(&listener);
    for (int n = 0; n < 3000; ++n)
        session.run("1+");
    EXPECT_LE(session.tape.bytes(), Bound);
    // A hundredth of 64 KiB is a few lines: one a key would be near 3,000 drops.
    EXPECT_GT(listener.drops, 0U);
    EXPECT_LT(listener.drops, 1000U);
}

// "2+3=R" ends where it began, so a correction in one round changes no line after it, however
// many states kept it passes; it is what typing the corrected keys from the start gives.
TEST(Tape, CorrectionStopsWhereTheCalculationComesBack)
{
    struct Case
    {
        std::size_t line;
        std::optional<std::string> keys; // none: the line deleted
        std::array<std::size_t, 3> range;
    };
    // A state is kept every 256 lines: 256 is the second line of a round.
    for (const Case &row : { Case{ 0, "5+", { 0, 2, 2 } }, Case{ 255, "5+", { 255, 2, 2 } },
             Case{ 256, "6=", { 256, 1, 1 } }, Case{ 258, "-", { 258, 2, 1 } },
             Case{ 257, std::nullopt, { 257, 2, 1 } }, Case{ 1798, "1=", { 1798, 1, 1 } } }) {
        TapeSession session;
        std::string corrected;
        for (int round = 0; round < 600; ++round)
            session.run("(2+3=R)");
        for (std::size_t i = 0; i < session.tape.lines().size(); ++i)
            corrected += i != row.line ? session.tape.lines()[i].keys : row.keys.value_or("");
        RangeListener listener;
        session.tape.addListener(&listener);
        if (row.keys) {
            const std::string digits = row.keys->substr(0, row.keys->size() - 1);
            session.show(session.tape.correct(
                row.line, digits, operatorOf(row.keys->back()), session.now()));
        } else {
            session.show(session.tape.remove(row.line, session.now()));
        }
        TapeSession typed;
        typed.type(corrected);
        EXPECT_EQ(session.printed(), typed.printed()) << row.line;
        EXPECT_EQ(session.now(), typed.now()) << row.line;
        EXPECT_EQ(listener.ranges, std::vector{ row.range }) << row.line;
        session.run("u");
        EXPECT_EQ(session.tape.lines().size(), 1800U);
    }
}

// Lines typed as one step, as a saved tape opens: no warning box, notes on their lines (cut at
// 200 characters), and the lines there before kept.
TEST(Tape, TypedLinesAreOneStep)
{
    TapeSession session;
    session.run("7+");
    std::string accents;
    for (int i = 0; i < 201; ++i)
        accents += "\u00e9";
    session.show(session.tape.typeLines(
        { { "2=", "two" }, { "R", "" }, { "8/0=", accents } }, session.now()));
    const std::string lines = "7. +|2. = 9 #two|R|8. / #" + accents.substr(0, 400) + "|0. = " + Z;
    EXPECT_EQ(session.printed(), lines);
    EXPECT_EQ(session.now(), (Snapshot{ session.rig.calculator.state(), Z }));
    EXPECT_EQ(session.rig.view.warnings, 0);
    session.run("u");
    EXPECT_EQ(session.printed(), "7. +");
    EXPECT_EQ(session.rig.view.readout, "7.");
    session.run("y");
    EXPECT_EQ(session.printed(), lines);
}

} // namespace
} // namespace tallimax
