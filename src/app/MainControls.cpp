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

// A tool bar button showing a command's action, named by the action's hint,
// which may change (Hide/Show Unit Definitions).
QToolButton* CommandButton(const char* name, QAction* action)
{
    auto* b = Named(new QToolButton, name);
    b->setDefaultAction(action);
    b->setAccessibleName(action->toolTip());
    QObject::connect(action, &QAction::changed, b, [b, action] { b->setAccessibleName(action->toolTip()); });
    b->setFixedSize(ButtonSize, ButtonSize);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
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

    // Left to right: the groups of buttons, each followed by its gap; the
    // package chooser before the far end's buttons, which take room from it
    // and move nothing.
    const struct {
        ToolBarGroup group;
        bool gapAfter;
        const char* gapName;
    } groups[] = {
        {ToolBarGroup::Categories, true, "BlankButton1"}, {ToolBarGroup::Units, true, "BlankButton2"},
        {ToolBarGroup::Program, true, "SpeedButton14"},   {ToolBarGroup::Calculator, true, nullptr},
        {ToolBarGroup::FarEnd, false, nullptr},
    };
    for (const auto& g : groups) {
        if (g.group == ToolBarGroup::FarEnd) ToolBar1->addWidget(CreatePackageChooser());
        for (const auto& [row, action] : a.Commands())
            if (row->Group == g.group) {
                QAction* entry = ToolBar1->addWidget(CommandButton(row->Button, action));
                if (g.group == ToolBarGroup::Calculator) calculatorEntries_ << entry;
            }
        if (!g.gapAfter) continue;
        QAction* gapEntry = ToolBar1->addWidget(Gap(g.gapName));
        if (g.group == ToolBarGroup::Calculator) calculatorEntries_ << gapEntry;
    }
    ShowCalculatorButton(false);
}

QComboBox* TMainControls::CreatePackageChooser()
{
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
    return SelectPak;
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
