// SPDX-License-Identifier: GPL-3.0-or-later
// Installing the Currency category from a large rates file: reading the file,
// splitting it into words and appending one unit per row with the symbol
// check.
#include "builtin/CurrencyFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// A directory holding a Currency.txt of `rows` distinct currencies.
std::string MakeRatesDir(int rows)
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("quantova-bench-currency-" + std::to_string(getpid()) + "-" + std::to_string(rows));
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / "Currency.txt", std::ios::binary);
    out << "// generated rates\r\n\r\n";
    char line[96];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "C%06d Currency Number %d            %d.%04d\r\n", i, i, i % 97, i % 10000);
        out << line;
    }
    return dir.string() + "/";
}

void BM_ImportCurrency(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string dir = MakeRatesDir(rows);
    for (auto _ : state) {
        qv::TCategories catalogue;
        qv::ImportCurrencyCategory(catalogue, dir);
        benchmark::DoNotOptimize(catalogue.CategoryAt(0).UnitCount());
    }
    state.counters["rows"] = rows;
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_ImportCurrency)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
