// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Latency of each engine operation, from a short readout up to a 10,000-digit one, and of the
// history of steps: a step recorded, taken back and put back, and the memory it holds at its
// bound. Also the tape: a 10,000-key paste typed with and without it, a correction that types
// the lines after it again, and the memory the tape holds at its bounds.
//
// Every operation is timed on a fresh copy of a prepared calculator, so a key that lengthens the
// readout does not lengthen it for the next iteration. The copies are made untimed, a batch at a
// time, and the batch of operations is timed as one stretch; the time reported is per operation.

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "engine/history.h"
#include "engine/tape.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <functional>
#include <malloc.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tallimax::Calculator;

// A view that shows nothing: only the engine's own work is timed.
class NullView final : public tallimax::CalculatorView
{
public:
    void SetReadout(const std::string &text) override { benchmark::DoNotOptimize(text.data()); }
    void SetAction(const std::string &text) override { benchmark::DoNotOptimize(text.data()); }
    void ShowWarning(const std::string &, const std::string &) override { }
};

NullView nullView;

std::string pointSeparator()
{
    return ".";
}

// "1 +" and then a number being typed whose readout holds `digits` digits: "0." followed by
// digits - 1 fraction digits. Every operator key then has a pending "+" to apply.
Calculator typingCalculator(std::int64_t digits)
{
    Calculator calculator(nullView, pointSeparator);
    calculator.Form_Load();
    calculator.Number_Click(1);
    calculator.Operator_Click(1);
    calculator.Decimal_Click();
    for (std::int64_t i = 1; i < digits; ++i)
        calculator.Number_Click(static_cast<std::int16_t>(1 + i % 9));
    return calculator;
}

// The same length of readout, all of it before the separator: digits typed without a point.
Calculator integerCalculator(std::int64_t digits)
{
    Calculator calculator(nullView, pointSeparator);
    calculator.Form_Load();
    for (std::int64_t i = 0; i < digits; ++i)
        calculator.Number_Click(static_cast<std::int16_t>(1 + i % 9));
    return calculator;
}

constexpr std::size_t Batch = 32;

void timeOperation(benchmark::State &state, const std::function<Calculator(std::int64_t)> &prepare,
    const std::function<void(Calculator &)> &operation)
{
    const Calculator prepared = prepare(state.range(0));
    for (auto _ : state) {
        std::vector<Calculator> copies(Batch, prepared);
        const auto start = std::chrono::steady_clock::now();
        for (Calculator &calculator : copies)
            operation(calculator);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count() / static_cast<double>(Batch));
        benchmark::DoNotOptimize(copies.data());
    }
    state.SetComplexityN(state.range(0));
    state.counters["readout_chars"] = static_cast<double>(prepared.state().ReadoutText.size());
}

void BM_Number_Click_fraction(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Number_Click(7); });
}

void BM_Number_Click_integer(benchmark::State &state)
{
    timeOperation(state, integerCalculator, [](Calculator &c) { c.Number_Click(7); });
}

void BM_Decimal_Click(benchmark::State &state)
{
    timeOperation(state, integerCalculator, [](Calculator &c) { c.Decimal_Click(); });
}

void BM_Operator_Click_divide(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Operator_Click(0); });
}

void BM_Operator_Click_plus(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Operator_Click(1); });
}

void BM_Operator_Click_times(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Operator_Click(2); });
}

void BM_Operator_Click_minus(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Operator_Click(3); });
}

void BM_Operator_Click_equals(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Operator_Click(4); });
}

void BM_rset_Click(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.rset_Click(); });
}

void BM_Form_Load(benchmark::State &state)
{
    timeOperation(state, typingCalculator, [](Calculator &c) { c.Form_Load(); });
}

// A calculator whose every text is `digits` digits long: a first number of that length, "+", a
// second, "+" again (the sum is beyond the double range, so the first stays as typed), and a third
// being typed. With two digits the numbers are ordinary ones.
Calculator longTextsCalculator(std::int64_t digits)
{
    Calculator calculator(nullView, pointSeparator);
    calculator.Form_Load();
    for (int number = 0; number < 3; ++number) {
        if (number > 0)
            calculator.Operator_Click(1);
        for (std::int64_t i = 0; i < digits; ++i)
            calculator.Number_Click(static_cast<std::int16_t>(1 + (i + number) % 9));
    }
    return calculator;
}

tallimax::Snapshot snapshotOf(const Calculator &calculator)
{
    return { calculator.state(), "Plus(+)" };
}

// The keys of ordinary steps: a digit, "+", a digit, "=", over and over; each step one key.
void pressOrdinaryKey(Calculator &calculator, std::size_t step)
{
    switch (step % 4) {
    case 1:
        calculator.Operator_Click(1);
        break;
    case 3:
        calculator.Operator_Click(4);
        break;
    default:
        calculator.Number_Click(static_cast<std::int16_t>(1 + step % 9));
    }
}

// A digit typed onto the number being typed, which keeps every text long.
void pressDigit(Calculator &calculator, std::size_t step)
{
    calculator.Number_Click(static_cast<std::int16_t>(1 + step % 9));
}

// 1,100 steps of one key each, recorded as the window records them, from the prepared
// calculator: the history is then at its bound. Reports the memory it holds and the steps it
// keeps.
void historyAtBound(benchmark::State &state, std::int64_t digits,
    const std::function<void(Calculator &, std::size_t)> &pressKey)
{
    const Calculator prepared = longTextsCalculator(digits);
    constexpr std::size_t Steps = 1100;
    std::size_t bytes = 0;
    std::size_t held = 0;
    for (auto _ : state) {
        Calculator calculator = prepared;
        tallimax::History history;
        for (std::size_t step = 0; step < Steps; ++step) {
            history.record(snapshotOf(calculator));
            pressKey(calculator, step);
        }
        bytes = history.bytes();
        held = history.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
    state.counters["steps_held"] = static_cast<double>(held);
    state.counters["bytes_per_step"] = static_cast<double>(bytes) / static_cast<double>(held);
    state.counters["readout_chars"] = static_cast<double>(prepared.state().ReadoutText.size());
    // Per step: its snapshot taken and kept, and the key pressed.
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Steps));
}

// Ordinary numbers: "1+2=3+4=...".
void BM_History_at_bound_ordinary(benchmark::State &state)
{
    historyAtBound(state, 2, pressOrdinaryKey);
}

// Every text of the calculator 10,000 digits long, each step a digit more.
void BM_History_at_bound_10000_digits(benchmark::State &state)
{
    historyAtBound(state, 10000, pressDigit);
}

// A step taken back and put back on a full history, as Backspace and Redo do without the window:
// the snapshot taken, the history's step swapped for it, and the engine restored. Two operations
// per iteration.
void BM_History_undo_redo(benchmark::State &state)
{
    Calculator calculator = longTextsCalculator(state.range(0));
    tallimax::History history;
    // Ordinary steps keep the short texts short; digits keep the long ones long.
    const auto pressKey = state.range(0) <= 2 ? pressOrdinaryKey : pressDigit;
    for (std::size_t step = 0; step < tallimax::History::MaxSteps; ++step) {
        history.record(snapshotOf(calculator));
        pressKey(calculator, step);
    }
    for (auto _ : state) {
        calculator.restore(*history.undo(snapshotOf(calculator)));
        calculator.restore(*history.redo(snapshotOf(calculator)));
    }
    state.counters["readout_chars"] = static_cast<double>(calculator.state().ReadoutText.size());
    state.counters["history_bytes"] = static_cast<double>(history.bytes());
    state.counters["steps_held"] = static_cast<double>(history.size());
}

BENCHMARK(BM_History_at_bound_ordinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_History_at_bound_10000_digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_History_undo_redo)->Arg(2)->Arg(1000)->Arg(10000);

// A view that keeps what the engine last wrote on the action panel, as the window hands it to the
// tape.
class ActionView final : public tallimax::CalculatorView
{
public:
    void SetReadout(const std::string &text) override { benchmark::DoNotOptimize(text.data()); }
    void SetAction(const std::string &text) override { benchmark::DoNotOptimize(text.data()); }
    void ShowWarning(const std::string &, const std::string &) override { }
};

// A calculator whose keys go on a tape as the window's key typer puts them there: a click is a
// step of one key, a paste a step of all its keys.
class TapedCalculator
{
public:
    TapedCalculator() { calculator.Form_Load(); }

    tallimax::Snapshot snapshot() const { return { calculator.state(), action }; }

    void click(char key)
    {
        tape.beginStep(snapshot());
        type(key);
        tape.endStep();
    }

    void paste(std::string_view keys)
    {
        tape.beginStep(snapshot());
        for (const char key : keys)
            type(key);
        tape.endStep();
    }

    void show(const std::optional<tallimax::Snapshot> &shown)
    {
        calculator.restore(*shown);
        action = shown->action;
    }

    ActionView view;
    Calculator calculator{ view, pointSeparator };
    tallimax::Tape tape{ pointSeparator };
    std::string action{ tallimax::texts::Action };

private:
    void type(char key)
    {
        tape.type(calculator, key);
        if (calculator.actionWritten())
            action = *calculator.actionWritten();
    }
};

// Five ordinary lines of a tape, a total among them: 12.5 +, 7.25 X, 3 -, 2 /, 4 = 14.3125.
constexpr std::string_view OrdinaryLines = "12.5+7.25X3-2/4=";
constexpr std::size_t LinesPerRound = 5;

// A tape of `lines` ordinary lines, each key clicked.
std::unique_ptr<TapedCalculator> tapeOfLines(std::size_t lines)
{
    auto taped = std::make_unique<TapedCalculator>();
    for (std::size_t round = 0; round < lines / LinesPerRound; ++round) {
        for (const char key : OrdinaryLines)
            taped->click(key);
    }
    return taped;
}

// The two pastes of 10,000 keys the window's benchmark pastes: one number, or a calculation of
// many numbers.
const std::string tenThousandDigits(10000, '7');

std::string calculationOf10000Keys()
{
    std::string text;
    for (int i = 0; i < 1428; ++i)
        text += "1234.5+";
    return text + "678=";
}

const std::string tenThousandKeyCalculation = calculationOf10000Keys();

// The paste's keys on a new calculator: with no tape, or with each key put on the tape as the
// window does, the paste one step. Making and freeing the calculator is not timed.
void pasteOn(benchmark::State &state, const std::string &keys, bool withTape)
{
    std::unique_ptr<TapedCalculator> taped;
    for (auto _ : state) {
        state.PauseTiming();
        taped.reset();
        taped = std::make_unique<TapedCalculator>();
        state.ResumeTiming();
        if (withTape) {
            taped->paste(keys);
        } else {
            for (const char key : keys)
                tallimax::pressKey(taped->calculator, key);
        }
        benchmark::DoNotOptimize(taped->calculator.state().ReadoutText.data());
    }
    state.counters["tape_lines"] = static_cast<double>(taped->tape.lines().size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}

void BM_Paste_10000_digits(benchmark::State &state)
{
    pasteOn(state, tenThousandDigits, false);
}

void BM_Tape_paste_10000_digits(benchmark::State &state)
{
    pasteOn(state, tenThousandDigits, true);
}

void BM_Paste_10000_key_calculation(benchmark::State &state)
{
    pasteOn(state, tenThousandKeyCalculation, false);
}

void BM_Tape_paste_10000_key_calculation(benchmark::State &state)
{
    pasteOn(state, tenThousandKeyCalculation, true);
}

// A correction of one line of a tape of `lines` ordinary lines, which types the session again
// from the state kept nearest before the line until the calculation comes back to what it was
// (here at the next "=", which starts the next round afresh), and the calculator then showing
// what it gives. The counter keys_typed_again is the session's keys, as a correction once typed
// them all. Line 0 is the top, and the
// last line but one near the end. Each correction gives the line a number other than the one it
// has, and is a step of the history.
void correctLine(benchmark::State &state, std::size_t lines, bool top)
{
    const std::unique_ptr<TapedCalculator> taped = tapeOfLines(lines);
    const std::size_t line = top ? 0 : lines - 2;
    const std::optional<tallimax::TapeOperator> op = taped->tape.lines()[line].op;
    std::int64_t count = 0;
    for (auto _ : state) {
        taped->show(taped->tape.correct(line, count++ % 2 == 0 ? "5" : "6", op, taped->snapshot()));
        benchmark::DoNotOptimize(taped->calculator.state().ReadoutText.data());
    }
    state.counters["tape_lines"] = static_cast<double>(taped->tape.lines().size());
    state.counters["keys_typed_again"] =
        static_cast<double>(lines / LinesPerRound * OrdinaryLines.size());
}

void BM_Tape_correct_top_10000_lines(benchmark::State &state)
{
    correctLine(state, 10'000, true);
}

void BM_Tape_correct_end_100000_lines(benchmark::State &state)
{
    correctLine(state, 100'000, false);
}

void BM_Tape_correct_top_100000_lines(benchmark::State &state)
{
    correctLine(state, 100'000, true);
}

// A correction of a tape of `lines` lines "1. +", a running sum, whose every later total it
// changes: the top line, or the last line but one.
void correctRunningSum(benchmark::State &state, std::size_t lines, bool top)
{
    auto taped = std::make_unique<TapedCalculator>();
    for (std::size_t line = 0; line < lines; ++line) {
        taped->click('1');
        taped->click('+');
    }
    const std::size_t line = top ? 0 : lines - 2;
    std::int64_t count = 0;
    for (auto _ : state) {
        taped->show(taped->tape.correct(
            line, count++ % 2 == 0 ? "5" : "6", tallimax::TapeOperator::Plus, taped->snapshot()));
        benchmark::DoNotOptimize(taped->calculator.state().ReadoutText.data());
    }
    state.counters["tape_lines"] = static_cast<double>(taped->tape.lines().size());
}

void BM_Tape_correct_top_100000_line_sum(benchmark::State &state)
{
    correctRunningSum(state, 100'000, true);
}

void BM_Tape_correct_end_100000_line_sum(benchmark::State &state)
{
    correctRunningSum(state, 100'000, false);
}

// The heap in use, from malloc's count.
std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Lines typed, as `typeLine` types them, until well past the tape's bounds. Reports the memory
// the tape says its lines take, the lines it holds at the end and at most, the history's memory,
// and the heap all of it takes, the calculator's included.
void tapeAtBound(benchmark::State &state, std::size_t lines,
    const std::function<void(TapedCalculator &, std::size_t)> &typeLine)
{
    std::size_t tapeBytes = 0;
    std::size_t held = 0;
    std::size_t mostHeld = 0;
    std::size_t historyBytes = 0;
    std::size_t heap = 0;
    for (auto _ : state) {
        const std::size_t heapBefore = heapInUse();
        auto taped = std::make_unique<TapedCalculator>();
        for (std::size_t line = 0; line < lines; ++line) {
            typeLine(*taped, line);
            mostHeld = std::max(mostHeld, taped->tape.lines().size());
        }
        tapeBytes = taped->tape.bytes();
        held = taped->tape.lines().size();
        historyBytes = taped->tape.history().bytes();
        heap = heapInUse() - heapBefore;
    }
    state.counters["tape_bytes"] = static_cast<double>(tapeBytes);
    state.counters["lines_held"] = static_cast<double>(held);
    state.counters["most_lines_held"] = static_cast<double>(mostHeld);
    state.counters["bytes_per_line"] = static_cast<double>(tapeBytes) / static_cast<double>(held);
    state.counters["history_bytes"] = static_cast<double>(historyBytes);
    state.counters["heap_bytes"] = static_cast<double>(heap);
}

// 105,000 ordinary lines, each key clicked: the oldest go, 1,000 at a time, once the tape is 1%
// past 100,000 lines.
void BM_Tape_at_bound_ordinary(benchmark::State &state)
{
    tapeAtBound(state, 105'000, [](TapedCalculator &taped, std::size_t line) {
        const std::size_t at = line % LinesPerRound;
        // The line's keys in the round: "12.5+", "7.25X", "3-", "2/", "4=".
        constexpr std::array<std::size_t, LinesPerRound + 1> starts = { 0, 5, 10, 12, 14, 16 };
        for (std::size_t key = starts[at]; key < starts[at + 1]; ++key)
            taped.click(OrdinaryLines[key]);
    });
}

// Lines of 1,000-digit numbers, each pasted and then "+" clicked: the oldest go once the tape's
// lines take more than 64 MiB.
void BM_Tape_at_bound_1000_digits(benchmark::State &state)
{
    std::string number(1000, '0');
    for (std::size_t i = 0; i < number.size(); ++i)
        number[i] = static_cast<char>('1' + i % 9);
    tapeAtBound(state, 25'000, [&number](TapedCalculator &taped, std::size_t) {
        taped.paste(number);
        taped.click('+');
    });
}

BENCHMARK(BM_Paste_10000_digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_paste_10000_digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste_10000_key_calculation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_paste_10000_key_calculation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_correct_top_10000_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_correct_end_100000_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_correct_top_100000_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_correct_top_100000_line_sum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_correct_end_100000_line_sum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tape_at_bound_ordinary)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Tape_at_bound_1000_digits)->Unit(benchmark::kMillisecond)->Iterations(1);

// Readouts of two digits up to 10,000 digits.
void readoutLengths(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(2)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);
    // A fixed count: the untimed copies would otherwise make the fast keys run for minutes.
    benchmark->Iterations(3000)->Repetitions(3)->ReportAggregatesOnly(true);
    benchmark->UseManualTime()->Complexity(benchmark::oN);
}

BENCHMARK(BM_Number_Click_fraction)->Apply(readoutLengths);
BENCHMARK(BM_Number_Click_integer)->Apply(readoutLengths);
BENCHMARK(BM_Decimal_Click)->Apply(readoutLengths);
BENCHMARK(BM_Operator_Click_divide)->Apply(readoutLengths);
BENCHMARK(BM_Operator_Click_plus)->Apply(readoutLengths);
BENCHMARK(BM_Operator_Click_times)->Apply(readoutLengths);
BENCHMARK(BM_Operator_Click_minus)->Apply(readoutLengths);
BENCHMARK(BM_Operator_Click_equals)->Apply(readoutLengths);
BENCHMARK(BM_rset_Click)->Apply(readoutLengths);
BENCHMARK(BM_Form_Load)->Apply(readoutLengths);

} // namespace

int main(int argc, char **argv)
{
    // The copies of a long readout free hundreds of kilobytes per batch; left to its defaults,
    // malloc would hand that back to the kernel each time and the next batch would time page
    // faults instead of the engine. The program itself never frees that much at once.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
