// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenBench.h"

#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace qv::bench {

BenchPackage::BenchPackage(std::vector<std::string> categories)
    : dir_((std::filesystem::temp_directory_path() / ("quantova-bench-" + std::to_string(getpid()))).string() + "/")
{
    std::filesystem::create_directories(dir_);
    ResetPackageState();
    ProgramDir = dir_;
    Catalogue.Caption = "Benchmark";
    PackageCaptions = {"Benchmark"};
    PackageFiles = {""};
    BuildBuiltInCategories(Catalogue, categories, dir_);
}

BenchPackage::~BenchPackage()
{
    ResetPackageState();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace qv::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
