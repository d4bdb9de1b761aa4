// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout arithmetic. The vertical places are fixed; the
// horizontal ones follow the client width and the category list's width.
#include "app/MainControls.h"

#include "widgets/DataEdit.h"
#include "widgets/UnitFilterBar.h"
#include "widgets/UpDownArrows.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include <algorithm>

namespace qv {
namespace {

// Tops in the window: labels, entry fields, grid headings, grid.
constexpr int LabelTop = 32;
constexpr int LabelHeight = 17;
constexpr int EntryTop = 49;
constexpr int EntryHeight = 21;
constexpr int GridLabelTop = 70;
constexpr int GridTop = 87;
constexpr int StatusHeight = 19;
constexpr int PanelLeft = 2;
constexpr int PanelGap = 6;
constexpr int MinListWidth = 60;
constexpr int MinGridSideWidth = 120;  // the client width the list leaves free

}  // namespace

void TMainControls::Layout(int clientWidth, int clientHeight)
{
    const int cw = std::max(clientWidth, MinClientWidth);
    const int ch = std::max(clientHeight, MinClientHeight);
    const int bottom = ch - StatusHeight;

    ToolBar1->setGeometry(0, 0, cw, ToolBarHeight);

    // The splitter spans from the labels' top to the status bar; its panes
    // hold the controls at the window's fixed tops.
    listWidth_ = std::clamp(listWidth_, MinListWidth, std::max(MinListWidth, cw - MinGridSideWidth));
    const int listWidth = listWidth_;
    Splitter1->setGeometry(0, LabelTop, cw, bottom - LabelTop);
    Splitter1->setSizes({listWidth, cw - listWidth - Splitter1->handleWidth()});
    const int paneHeight = bottom - LabelTop;
    LblLBCategories->setGeometry(0, 0, listWidth, LabelHeight);
    LBCategories->setGeometry(0, EntryTop - LabelTop, listWidth, paneHeight - (EntryTop - LabelTop));

    // Right of the splitter: gw is the width from the splitter to the edge.
    const int gw = cw - listWidth - Splitter1->handleWidth();
    const int col0 = (gw / 5) * 2;
    const int col1 = (gw / 5) * 3 + gw % 5;
    // The open filter bar sits on top of the grid, which is shorter by its
    // height; everything else keeps its place.
    const int barHeight = FilterBar->isVisibleTo(ConversionPane) ? UnitFilterBar::BarHeight : 0;
    FilterBar->setGeometry(0, GridTop - LabelTop, gw, UnitFilterBar::BarHeight);
    Grid2->setGeometry(0, GridTop - LabelTop + barHeight, gw, ch - GridTop - barHeight - StatusHeight);
    Grid2->setColumnWidth(0, col0);
    Grid2->setColumnWidth(1, col1);
    LblUnitGrid2->setGeometry(0, GridLabelTop - LabelTop, col0 + 2, LabelHeight);
    LblConv->setGeometry(LblUnitGrid2->width(), GridLabelTop - LabelTop, col1, LabelHeight);

    const int entryWidth = (gw / 7) * 3 - 8;
    const int entryTop = EntryTop - LabelTop;
    Label1->setGeometry(0, 0, entryWidth, LabelHeight);
    EntryValue->setGeometry(0, entryTop, entryWidth, EntryHeight);
    Label2->setGeometry(entryWidth + 8, 0, entryWidth, LabelHeight);
    EntryUnit->setGeometry(Label2->x(), entryTop, entryWidth, EntryHeight);
    const int label3Left = Label2->x() + Label2->width() + 8;
    Label3->setGeometry(label3Left, 0, gw - label3Left, LabelHeight);
    EntryPrecision->setGeometry(label3Left, entryTop, Label3->width() - PrecisionAdjust->width(), EntryHeight);
    PrecisionAdjust->setGeometry(EntryPrecision->x() + EntryPrecision->width(), entryTop, PrecisionAdjust->width(),
                                 EntryHeight);

    sbMain->setGeometry(0, bottom, cw, StatusHeight);
    StatusPanel0->setGeometry(PanelLeft, 1, (cw / 5) * 2, StatusHeight - 2);
    StatusPanel1->setGeometry(StatusPanel0->x() + StatusPanel0->width() + PanelGap, 1, cw / 5, StatusHeight - 2);
    const int ratesLeft = StatusPanel1->x() + StatusPanel1->width() + PanelGap;
    StatusRates->setGeometry(ratesLeft, 1, std::max(0, cw - PanelLeft - ratesLeft), StatusHeight - 2);
}

void TMainControls::SplitterMoved()
{
    listWidth_ = Splitter1->sizes().value(0, listWidth_);
}

void TMainControls::ShowCalculatorButton(bool shown)
{
    // The chooser starts 5 pixels right of the button, or in its place.
    for (QAction* entry : calculatorEntries_) entry->setVisible(shown);
    ToolBar1->layout()->activate();
}

}  // namespace qv
