// SPDX-License-Identifier: GPL-3.0-or-later
// Package save and load throughput, and the cost of one conversion.
#include "catalogue/Category.h"
#include "catalogue/ValueStream.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using qv::Extended;
using qv::TCategories;
using qv::TCategory;

TCategories MakePackage(int categories, int units)
{
    TCategories p;
    p.Caption = "Benchmark";
    for (int c = 0; c < categories; ++c) {
        TCategory& cat = p.AppendCategory("Category " + std::to_string(c));
        for (int u = 0; u < units; ++u)
            cat.AppendUnit("u" + std::to_string(u), "unit number " + std::to_string(u), 1.0L + u / 7.0L);
    }
    return p;
}

std::string ScratchFile()
{
    return (std::filesystem::temp_directory_path() / ("quantova-bench-" + std::to_string(getpid()) + ".qv")).string();
}

void Report(benchmark::State& state, const std::string& path, int categories, int units)
{
    const auto bytes = std::filesystem::file_size(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["ns/unit"] = benchmark::Counter(static_cast<double>(categories) * units,
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
    state.counters["file KB"] = static_cast<double>(bytes) / 1024.0;
}

void BM_Save(benchmark::State& state)
{
    const int categories = static_cast<int>(state.range(0));
    const int units = static_cast<int>(state.range(1));
    const TCategories p = MakePackage(categories, units);
    const std::string path = ScratchFile();
    for (auto _ : state) p.SaveToFile(path);
    Report(state, path, categories, units);
    std::filesystem::remove(path);
}

void BM_Load(benchmark::State& state)
{
    const int categories = static_cast<int>(state.range(0));
    const int units = static_cast<int>(state.range(1));
    const std::string path = ScratchFile();
    MakePackage(categories, units).SaveToFile(path);
    TCategories p;
    for (auto _ : state) {
        p.LoadFromFile(path);
        benchmark::DoNotOptimize(p.CategoryCount());
    }
    Report(state, path, categories, units);
    std::filesystem::remove(path);
}

// The encoding alone, into /dev/null: what the file format costs without
// the create, fsync and rename that make a save safe.
void BM_Encode(benchmark::State& state)
{
    const int categories = static_cast<int>(state.range(0));
    const int units = static_cast<int>(state.range(1));
    const TCategories p = MakePackage(categories, units);
    const std::string path = ScratchFile();
    p.SaveToFile(path);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        qv::ValueWriter writer(sink);
        for (int c = 0; c < p.CategoryCount(); ++c) p.CategoryAt(c).WriteTo(writer);
        writer.Finish();
    }
    std::fclose(sink);
    Report(state, path, categories, units);
    std::filesystem::remove(path);
}

BENCHMARK(BM_Encode)->Args({40, 12})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Args({40, 12})->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Args({40, 12})->Args({100, 1000})->Unit(benchmark::kMillisecond);

void BM_ConvertTo(benchmark::State& state, const char* name)
{
    TCategory c;
    c.Name = name;
    for (const char* s : {"C\xB0", "F\xB0", "K", "R\xB0"}) c.AppendUnit(s, "", 1.3L);
    c.EntryIndex = 1;
    c.Value = 98.6L;
    int target = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.ConvertTo(target));
        target = (target + 1) & 3;
    }
}
BENCHMARK_CAPTURE(BM_ConvertTo, factor, "Length");
BENCHMARK_CAPTURE(BM_ConvertTo, temperature, "Temperature");

}  // namespace
