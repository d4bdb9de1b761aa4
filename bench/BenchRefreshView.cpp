// The time RefreshView takes to rebuild the main window for Currency (167
// units) and Length (38 units) at precision 18, on the offscreen platform.
#include "app/MainWindow.h"
#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"
#include "widgets/DataEdit.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

void BM_RefreshView(benchmark::State& state, int categoryRow)
{
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("quantova-bench-" + std::to_string(getpid()))).string() + "/";
    std::filesystem::create_directories(dir);
    qv::ResetPackageState();
    qv::ProgramDir = dir;
    qv::Catalogue.Caption = "Benchmark";
    qv::PackageCaptions = {"Benchmark"};
    qv::PackageFiles = {""};
    std::vector<std::string> work{"Currency", "Length"};
    qv::BuildBuiltInCategories(qv::Catalogue, work, dir);

    qv::TFrmMain window(nullptr);
    window.show();
    window.findChild<qv::TDataEdit*>(QStringLiteral("EntryPrecision"))->SetNumber(18);
    window.findChild<QListWidget*>(QStringLiteral("LBCategories"))->setCurrentRow(categoryRow);
    window.RefreshView();
    for (auto _ : state) window.RefreshView();
    state.counters["units"] = qv::Catalogue.CategoryAt(categoryRow).UnitCount();
    qv::ResetPackageState();
    std::filesystem::remove_all(dir);
}

BENCHMARK_CAPTURE(BM_RefreshView, Currency, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RefreshView, Length, 1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
