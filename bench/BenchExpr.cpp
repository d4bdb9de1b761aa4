// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluator throughput on typical entries, the time of the longest entries an
// entry field can hold, and the cost of formatting one value for the grid.
#include "expr/Evaluator.h"
#include "expr/FormatValue.h"
#include "expr/NumberText.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using qv::Extended;

struct Entry {
    std::string text;
    char separator;
};

const std::vector<Entry> TypicalEntries = {
    {"12*2.54", '.'}, {"2*(3+4)^2", '.'}, {"sqrt2", '.'}, {"sin(30)^2", '.'}, {"5!", '.'}, {"1,609344*1000", ','},
};

void BM_TypicalEntries(benchmark::State& state)
{
    for (auto _ : state) {
        for (const Entry& e : TypicalEntries) {
            qv::SetDecimalSeparator(e.separator);
            benchmark::DoNotOptimize(qv::EvaluateExpression(e.text));
        }
    }
    qv::SetDecimalSeparator('.');
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(TypicalEntries.size()));
}
BENCHMARK(BM_TypicalEntries);

std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Each shape is 32,767 characters, the most an entry field holds.
void BM_LongestEntry(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(qv::EvaluateExpression(text));
        } catch (const qv::EQuantovaError&) {
        }
    }
    state.SetLabel(std::to_string(text.size()) + " chars");
}
BENCHMARK_CAPTURE(BM_LongestEntry, function_chain, Repeat("sqrt", 8191) + "256")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, nested_parentheses, Repeat("(", 16383) + "1" + Repeat(")", 16383))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, nested_sums, Repeat("(1+", 8191) + "1" + Repeat(")", 8191) + "+0")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, long_sum, Repeat("1+", 16383) + "1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, run_of_operators, "1" + Repeat("*", 32765) + "1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, run_of_signs, Repeat("-", 32766) + "5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, run_of_factorials, "5" + Repeat("!", 32766))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, huge_exponent, "1e" + Repeat("9", 32765))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, long_fraction, "0." + Repeat("3", 32765))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, long_whole_number, "1" + Repeat("0", 32766))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongestEntry, open_parentheses, Repeat("(", 32767))->Unit(benchmark::kMillisecond);

// Values as a unit grid shows them, from a converted length to a rounding
// artefact; one call formats one value.
const std::vector<Extended> GridValues = {
    30.48L, 1 / 0.3048L, 0.001L, 2.0L / 3, 1234567.0L, 0.000012345L, 77.4192L, 6.02214076E23L,
};

void BM_FormatValue(benchmark::State& state)
{
    const int precision = static_cast<int>(state.range(0));
    const bool scientific = state.range(1) != 0;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::FormatValue(GridValues[i], precision, scientific));
        i = (i + 1) % GridValues.size();
    }
}
BENCHMARK(BM_FormatValue)
    ->ArgNames({"precision", "scientific"})
    ->Args({6, 0})
    ->Args({18, 0})
    ->Args({6, 1})
    ->Args({18, 1});

// Magnitudes beyond 1E38 or below 1E-10 leave the exact integer path.
void BM_FormatValueExtreme(benchmark::State& state)
{
    const Extended values[] = {1E300L, 1E-300L, 1.5E4000L, 2.5E-4000L};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::FormatValue(values[i], 6, false));
        i = (i + 1) % 4;
    }
}
BENCHMARK(BM_FormatValueExtreme);

}  // namespace
