// The main window's layout arithmetic. The vertical places are fixed; the
// horizontal ones follow the client width and the category list's width.
#include "app/MainWindow.h"

#include "app/SplitterBar.h"
#include "app/UpDownArrows.h"
#include "widgets/DataEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>

namespace qv {
namespace {

constexpr int LabelTop = 32;
constexpr int LabelHeight = 17;
constexpr int EntryTop = 49;
constexpr int EntryHeight = 21;
constexpr int GridLabelTop = 70;
constexpr int GridTop = 87;
constexpr int StatusHeight = 19;
constexpr int StatusPanelLeft = 2;
constexpr int StatusPanelTop = 2;
constexpr int StatusPanelGap = 6;
constexpr int SplitterWidth = 8;

}  // namespace

void TFrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Splitter1Moved();
}

void TFrmMain::Splitter1Moved()
{
    const int cw = std::max(width(), 310);
    const int ch = std::max(height(), 147);

    ToolBar1->setGeometry(0, 0, cw, TFrmMain::ToolBarHeight);

    int listWidth = LBCategories->width();
    if (listWidth < 60)
        listWidth = 60;
    else if (listWidth > cw - 120)
        listWidth = cw - 120;
    const int bottom = ch - StatusHeight;
    LBCategories->setGeometry(0, EntryTop, listWidth, bottom - EntryTop);
    LblLBCategories->setGeometry(0, LabelTop, listWidth, LabelHeight);
    Splitter1->setGeometry(listWidth, EntryTop, SplitterWidth, bottom - EntryTop);

    const int gridLeft = Splitter1->x() + Splitter1->width();
    const int gridWidth = cw - Splitter1->x() - Splitter1->width();
    const int col0 = (gridWidth / 5) * 2;
    const int col1 = (gridWidth / 5) * 3 + gridWidth % 5;
    Grid2->setGeometry(gridLeft, GridTop, gridWidth, ch - GridTop - StatusHeight);
    Grid2->setColumnWidth(0, col0);
    Grid2->setColumnWidth(1, col1);
    LblUnitGrid2->setGeometry(gridLeft, GridLabelTop, col0 + 2, LabelHeight);
    LblConv->setGeometry(LblUnitGrid2->x() + LblUnitGrid2->width(), GridLabelTop, col1, LabelHeight);

    const int entryWidth = ((cw - Splitter1->x() - Splitter1->width()) / 7) * 3 - 8;
    Label1->setGeometry(gridLeft, LabelTop, entryWidth, LabelHeight);
    EntryValue->setGeometry(Label1->x(), EntryTop, entryWidth, EntryHeight);
    Label2->setGeometry(Label1->x() + Label1->width() + 8, LabelTop, entryWidth, LabelHeight);
    EntryUnit->setGeometry(Label2->x(), EntryTop, entryWidth, EntryHeight);
    const int label3Left = Label2->x() + Label2->width() + 8;
    Label3->setGeometry(label3Left, LabelTop, cw - label3Left, LabelHeight);
    EntryPrecision->setGeometry(label3Left, EntryTop, Label3->width() - PrecisionAdjust->width(), EntryHeight);
    PrecisionAdjust->setGeometry(EntryPrecision->x() + EntryPrecision->width(), EntryTop, PrecisionAdjust->width(),
                                 EntryHeight);

    sbMain->setGeometry(0, bottom, cw, StatusHeight);
    // The panels are placed here rather than by the status bar's own layout,
    // whose fixed spacing would leave them too low for a line of text.
    StatusPanel0->setGeometry(StatusPanelLeft, StatusPanelTop, (cw / 5) * 2, StatusHeight - StatusPanelTop);
    StatusPanel1->setGeometry(StatusPanel0->geometry().right() + 1 + StatusPanelGap, StatusPanelTop, cw / 5,
                              StatusHeight - StatusPanelTop);

    const int pakWidth = cw - SelectPak->x();
    SelectPak->resize(pakWidth > 0 ? pakWidth : 1, SelectPak->height());
}

}  // namespace qv
