// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a key stroke in the Find Anywhere box to its repainted list,
// over the 36 built-in categories (593 units), on the offscreen platform.
// The keys type a text and erase it again, so every stroke changes the list:
// a unit's name ("millimeter", whose first letters find a hundred units) or
// a whole conversion line ("5 kn to km/h").
#include "OffscreenBench.h"
#include "app/MainWindow.h"
#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_FindAnywhereKeyStroke(benchmark::State& state)
{
    const qv::bench::BenchPackage package(qv::ListBuiltInCategories());

    qv::TFrmMain window(nullptr);
    window.show();
    window.findChild<QListWidget*>(QStringLiteral("LBCategories"))->setCurrentRow(0);
    window.RefreshView();
    window.findChild<QAction*>(QStringLiteral("FindAnywhere"))->trigger();
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("FindAnywhereEdit"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("FindAnywhereList"));

    const QString text = state.range(0) == 0 ? QStringLiteral("millimeter") : QStringLiteral("5 kn to km/h");
    qsizetype stroke = 0;
    for (auto _ : state) {
        const qsizetype at = stroke++ % (2 * text.size());
        if (at < text.size())
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.at(at), {});
        else
            QTest::keyClick(edit, Qt::Key_Backspace);
        edit->repaint();
        list->viewport()->repaint();
    }
    int units = 0;
    for (std::int32_t c = 0; c < qv::Catalogue.CategoryCount(); ++c) units += qv::Catalogue.CategoryAt(c).UnitCount();
    state.counters["categories"] = qv::Catalogue.CategoryCount();
    state.counters["units"] = units;
    state.SetLabel(text.toStdString());
}

BENCHMARK(BM_FindAnywhereKeyStroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
