// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Latency of each engine operation, from a short readout up to a 10,000-digit one.
//
// Every operation is timed on a fresh copy of a prepared calculator, so a key that lengthens the
// readout does not lengthen it for the next iteration. The copies are made untimed, a batch at a
// time, and the batch of operations is timed as one stretch; the time reported is per operation.

#include "engine/calculator.h"
#include "engine/calculator_view.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <functional>
#include <malloc.h>
#include <string>
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
