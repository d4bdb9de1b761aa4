// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls and their creation.
#include "app/MainControls.h"

#include "app/MainActions.h"
#include "widgets/DataEdit.h"
#include "widgets/UnitFilterBar.h"
#include "widgets/UpDownArrows.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QProxyStyle>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

namespace qv {
namespace {

constexpr int ButtonSize = 25;
constexpr int GapWidth = 5;
constexpr int GridRowHeight = 16;
constexpr int SplitterWidth = 8;

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Shows a drop-down list as a list of its set number of rows, also where
// the desktop style would open it as a menu of every row.
class TListPopupStyle : public QProxyStyle {
public:
    explicit TListPopupStyle(QObject* owner) { setParent(owner); }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QWidget* Gap(const char* name)
{
    auto* w = new QWidget;
    if (name) w->setObjectName(QLatin1String(name));
    w->setFixedSize(GapWidth, ButtonSize);
    return w;
}

}  // namespace

TMainControls::TMainControls(QWidget* form, const TMainActions& actions) : Form(form)
{
    CreateToolBar(actions);

    Splitter1 = Named(new QSplitter(Qt::Horizontal, form), "Splitter1");
    Splitter1->setHandleWidth(SplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    CreateCategoryPane();
    CreateConversionPane();
    Splitter1->addWidget(CategoryPane);
    Splitter1->addWidget(ConversionPane);
    // A wider window widens the grid; the list keeps its width.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);

    CreateStatusBar();

    // Tab order: category list, value, unit, precision, grid, then the rest.
    QWidget::setTabOrder(LBCategories, EntryValue);
    QWidget::setTabOrder(EntryValue, EntryUnit);
    QWidget::setTabOrder(EntryUnit, EntryPrecision);
    QWidget::setTabOrder(EntryPrecision, Grid2);
    QWidget::setTabOrder(Grid2, SelectPak);
    // The filter field, while its bar is open, comes just before the grid.
    QWidget::setTabOrder(EntryPrecision, FilterBar->Edit());
    QWidget::setTabOrder(FilterBar->Edit(), Grid2);
}

void TMainControls::CreateToolBar(const TMainActions& a)
{
    ToolBar1 = Named(new QToolBar(Form), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setContextMenuPolicy(Qt::NoContextMenu);
    // The buttons sit side by side from the left edge; the bar centres them
    // in its height.
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);

    // Left to right: the buttons and the gaps between them.
    const struct {
        QToolButton* TMainControls::*button;
        const char* name;
        QAction* action;
        QWidget* TMainControls::*gap;
    } entries[] = {
        {&TMainControls::SpeedButton1, "SpeedButton1", a.AddCategory, nullptr},
        {&TMainControls::SpeedButton2, "SpeedButton2", a.DeleteCategory, nullptr},
        {nullptr, "BlankButton1", nullptr, &TMainControls::BlankButton1},
        {&TMainControls::SpeedButton3, "SpeedButton3", a.AddUnit, nullptr},
        {&TMainControls::SpeedButton4, "SpeedButton4", a.DeleteUnit, nullptr},
        {&TMainControls::SpeedButton5, "SpeedButton5", a.DefaultUnit, nullptr},
        {&TMainControls::SpeedButton8, "SpeedButton8", a.HideUnit, nullptr},
        {&TMainControls::SpeedButton9, "SpeedButton9", a.ShowUnits, nullptr},
        {&TMainControls::SpeedButton10, "SpeedButton10", a.Print, nullptr},
        {nullptr, "BlankButton2", nullptr, &TMainControls::BlankButton2},
        {&TMainControls::SpeedButton7, "SpeedButton7", a.NumberFormat, nullptr},
        {&TMainControls::SpeedButton12, "SpeedButton12", a.Definitions, nullptr},
        {&TMainControls::SpeedButton6, "SpeedButton6", a.Install, nullptr},
        {&TMainControls::SpeedButton11, "SpeedButton11", a.About, nullptr},
        {nullptr, "SpeedButton14", nullptr, &TMainControls::SpeedButton14},
        {&TMainControls::sbtnCalc, "sbtnCalc", a.Calculator, nullptr},
    };
    for (const auto& e : entries) {
        if (e.gap) {
            this->*e.gap = Gap(e.name);
            ToolBar1->addWidget(this->*e.gap);
            continue;
        }
        auto* b = Named(new QToolButton, e.name);
        b->setDefaultAction(e.action);
        // Named by its hint, which may change (Hide/Show Unit Definitions).
        b->setAccessibleName(e.action->toolTip());
        QObject::connect(e.action, &QAction::changed, b, [b, action = e.action] { b->setAccessibleName(action->toolTip()); });
        b->setFixedSize(ButtonSize, ButtonSize);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        QAction* entry = ToolBar1->addWidget(b);
        this->*e.button = b;
        if (e.button == &TMainControls::sbtnCalc) calcEntry_ = entry;
    }
    calcGapEntry_ = ToolBar1->addWidget(Gap(nullptr));

    SelectPak = Named(new QComboBox, "SelectPak");
    SelectPak->setEditable(false);
    SelectPak->setMaxVisibleItems(4);
    SelectPak->setStyle(new TListPopupStyle(Form));
    SelectPak->setToolTip(QStringLiteral("Choose a Package"));
    SelectPak->setAccessibleName(QStringLiteral("Choose a Package"));
    // The chooser takes the rest of the bar, however long its captions.
    SelectPak->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SelectPak->setMinimumContentsLength(1);
    SelectPak->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SelectPak->setFixedHeight(ButtonSize);
    ToolBar1->addWidget(SelectPak);
    // At the far end, where it takes room from the chooser and moves nothing.
    sbtnRates = Named(new QToolButton, "sbtnRates");
    sbtnRates->setDefaultAction(a.UpdateRates);
    sbtnRates->setAccessibleName(a.UpdateRates->toolTip());
    sbtnRates->setFixedSize(ButtonSize, ButtonSize);
    sbtnRates->setAutoRaise(true);
    sbtnRates->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addWidget(sbtnRates);
    ShowCalculatorButton(false);
}

void TMainControls::CreateCategoryPane()
{
    CategoryPane = Named(new QWidget, "CategoryPane");
    LBCategories = Named(new QListWidget(CategoryPane), "LBCategories");
    LBCategories->setSelectionMode(QAbstractItemView::SingleSelection);
    LBCategories->setAccessibleName(QStringLiteral("Categories"));
    LBCategories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LblLBCategories = Named(new QLabel(QStringLiteral("&Categories:"), CategoryPane), "LblLBCategories");
    LblLBCategories->setBuddy(LBCategories);
}

void TMainControls::CreateConversionPane()
{
    ConversionPane = Named(new QWidget, "ConversionPane");
    QWidget* pane = ConversionPane;

    Label1 = Named(new QLabel(pane), "Label1");
    EntryValue = Named(new TDataEdit(pane), "EntryValue");
    EntryValue->setAccessibleName(QStringLiteral("Enter a value or expression"));
    TDataEditProps valueProps;
    valueProps.Caption = QStringLiteral("&Enter a value or expression.");
    valueProps.EditLabel = Label1;
    valueProps.MinVal = -TDataEdit::ExtendedBound();
    valueProps.MaxVal = TDataEdit::ExtendedBound();
    valueProps.Units = 1;
    EntryValue->LoadProperties(valueProps);

    Label2 = Named(new QLabel(QStringLiteral("&Select a unit type."), pane), "Label2");
    EntryUnit = Named(new QComboBox(pane), "EntryUnit");
    EntryUnit->setEditable(false);
    EntryUnit->setAccessibleName(QStringLiteral("Select a unit type"));
    Label2->setBuddy(EntryUnit);

    Label3 = Named(new QLabel(pane), "Label3");
    EntryPrecision = Named(new TDataEdit(pane), "EntryPrecision");
    EntryPrecision->setAccessibleName(QStringLiteral("Precision"));
    TDataEditProps precisionProps;
    precisionProps.IntegerOnly = true;
    precisionProps.Caption = QStringLiteral("&Precision:");
    precisionProps.EditLabel = Label3;
    precisionProps.MinVal = 2;
    precisionProps.MaxVal = 18;
    precisionProps.Number = 1;
    precisionProps.Units = 1;
    EntryPrecision->LoadProperties(precisionProps);

    PrecisionAdjust = Named(new UpDownArrows(pane), "PrecisionAdjust");
    PrecisionAdjust->resize(16, 21);

    Grid2 = Named(new QTableWidget(pane), "Grid2");
    Grid2->setColumnCount(2);
    Grid2->horizontalHeader()->hide();
    Grid2->verticalHeader()->hide();
    Grid2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The minimum first: the style's own, taken from the font, is larger and
    // would hold the rows apart.
    Grid2->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    Grid2->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    Grid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid2->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid2->setShowGrid(true);
    Grid2->setWordWrap(false);
    Grid2->setTabKeyNavigation(false);
    Grid2->setAccessibleName(QStringLiteral("List of Units"));
    // The header stays hidden; its labels name the columns for screen readers.
    Grid2->setHorizontalHeaderLabels({QStringLiteral("List of Units"), QStringLiteral("Converted Values")});

    LblUnitGrid2 = Named(new QLabel(QStringLiteral("List of &Units:"), pane), "LblUnitGrid2");
    LblUnitGrid2->setBuddy(Grid2);
    LblConv = Named(new QLabel(QStringLiteral("Converted Values:"), pane), "LblConv");
    FilterBar = new UnitFilterBar(pane);
}

void TMainControls::CreateStatusBar()
{
    sbMain = Named(new QStatusBar(Form), "sbMain");
    sbMain->setSizeGripEnabled(false);
    StatusPanel0 = Named(new QLabel(sbMain), "StatusPanel0");
    StatusPanel1 = Named(new QLabel(sbMain), "StatusPanel1");
    StatusRates = Named(new QLabel(sbMain), "StatusRates");
    StatusRates->hide();
    // The panels are placed by Layout, not by the bar's own layout, which
    // leaves them too low for their text in a bar 19 pixels high.
    for (QLabel* panel : {StatusPanel0, StatusPanel1, StatusRates}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

}  // namespace qv
