// SPDX-License-Identifier: GPL-3.0-or-later
// The time RefreshView takes to rebuild the main window for Currency (167
// units) and Length (38 units) at precision 18, on the offscreen platform.
#include "OffscreenBench.h"
#include "app/MainWindow.h"
#include "catalogue/Category.h"
#include "catalogue/Packages.h"
#include "widgets/DataEdit.h"

#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_RefreshView(benchmark::State& state, int categoryRow)
{
    const qv::bench::BenchPackage package({"Currency", "Length"});

    qv::TFrmMain window(nullptr);
    window.show();
    window.findChild<qv::TDataEdit*>(QStringLiteral("EntryPrecision"))->SetNumber(18);
    window.findChild<QListWidget*>(QStringLiteral("LBCategories"))->setCurrentRow(categoryRow);
    window.RefreshView();
    for (auto _ : state) window.RefreshView();
    state.counters["units"] = qv::Catalogue.CategoryAt(categoryRow).UnitCount();
}

BENCHMARK_CAPTURE(BM_RefreshView, Currency, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RefreshView, Length, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
