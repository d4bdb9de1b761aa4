// The time from a key stroke in the filter bar to the repainted list of
// units, for Currency (167 units), on the offscreen platform. The keys type
// "dollar" and erase it again, so every stroke changes the list.
#include "app/MainWindow.h"
#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

void BM_FilterKeyStroke(benchmark::State& state)
{
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("quantova-bench-" + std::to_string(getpid()))).string() + "/";
    std::filesystem::create_directories(dir);
    qv::ResetPackageState();
    qv::ProgramDir = dir;
    qv::Catalogue.Caption = "Benchmark";
    qv::PackageCaptions = {"Benchmark"};
    qv::PackageFiles = {""};
    std::vector<std::string> work{"Currency"};
    qv::BuildBuiltInCategories(qv::Catalogue, work, dir);

    qv::TFrmMain window(nullptr);
    window.show();
    window.findChild<QListWidget*>(QStringLiteral("LBCategories"))->setCurrentRow(0);
    window.RefreshView();
    window.findChild<QAction*>(QStringLiteral("FindUnit"))->trigger();
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("FilterEdit"));
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("Grid2"));

    const QString word = QStringLiteral("dollar");
    qsizetype stroke = 0;
    for (auto _ : state) {
        const qsizetype at = stroke++ % (2 * word.size());
        if (at < word.size())
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, word.at(at), {});
        else
            QTest::keyClick(edit, Qt::Key_Backspace);
        grid->viewport()->repaint();
    }
    state.counters["units"] = qv::Catalogue.CategoryAt(0).UnitCount();
    qv::ResetPackageState();
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_FilterKeyStroke)->Unit(benchmark::kMicrosecond);

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
