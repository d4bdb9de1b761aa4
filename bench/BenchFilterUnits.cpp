// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a key stroke in the filter bar to the repainted list of
// units, for Currency (167 units), on the offscreen platform. The keys type
// "dollar" and erase it again, so every stroke changes the list.
#include "OffscreenBench.h"
#include "app/MainWindow.h"
#include "catalogue/Category.h"
#include "catalogue/Packages.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_FilterKeyStroke(benchmark::State& state)
{
    const qv::bench::BenchPackage package({"Currency"});

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
}

BENCHMARK(BM_FilterKeyStroke)->Unit(benchmark::kMicrosecond);

}  // namespace
