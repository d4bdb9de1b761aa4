// The main window's controls, key tables and creation.
#include "app/MainWindow.h"

#include "app/Ansi.h"
#include "app/ErrorDisplay.h"
#include "app/Placement.h"
#include "app/Settings.h"
#include "app/SplitterBar.h"
#include "app/UpDownArrows.h"
#include "widgets/DataEdit.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QShowEvent>
#include <QTimer>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

namespace qv {
namespace {

constexpr int ButtonSize = 25;
constexpr int SpacerWidth = 5;
constexpr int GridRowHeight = 16;

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* GlyphButton(QWidget* parent, const char* name, const char* icon, const char* hint)
{
    auto* b = Named(new QToolButton(parent), name);
    b->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(icon) + QStringLiteral(".svg")));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(QLatin1String(hint));
    b->setAccessibleName(QLatin1String(hint));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QWidget* Spacer(QWidget* parent, const char* name)
{
    auto* w = Named(new QWidget(parent), name);
    w->resize(SpacerWidth, ButtonSize);
    return w;
}

}  // namespace

TFrmMain::TFrmMain(TfrmInstallCat* installer, QWidget* parent) : QWidget(parent), installer_(installer)
{
    setObjectName(QStringLiteral("FrmMain"));
    CreateControls();
    CreateKeyTables();
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::CreateToolBar()
{
    ToolBar1 = Named(new QFrame(this), "ToolBar1");
    ToolBar1->setFrameShape(QFrame::NoFrame);
    ToolBar1->setAutoFillBackground(true);

    SpeedButton1 = GlyphButton(ToolBar1, "SpeedButton1", "add-category", "Add Category");
    SpeedButton2 = GlyphButton(ToolBar1, "SpeedButton2", "delete-category", "Delete Category");
    BlankButton1 = Spacer(ToolBar1, "BlankButton1");
    SpeedButton3 = GlyphButton(ToolBar1, "SpeedButton3", "add-unit", "Add Unit");
    SpeedButton4 = GlyphButton(ToolBar1, "SpeedButton4", "delete-unit", "Delete Unit");
    SpeedButton5 = GlyphButton(ToolBar1, "SpeedButton5", "default-unit", "Set as Default Unit");
    SpeedButton8 = GlyphButton(ToolBar1, "SpeedButton8", "hide-unit", "Hide Unit");
    SpeedButton9 = GlyphButton(ToolBar1, "SpeedButton9", "show-hidden-units", "Show Hidden Units");
    SpeedButton10 = GlyphButton(ToolBar1, "SpeedButton10", "print", "Print Units");
    BlankButton2 = Spacer(ToolBar1, "BlankButton2");
    SpeedButton7 = GlyphButton(ToolBar1, "SpeedButton7", "number-format", "Change Number Format");
    SpeedButton12 = GlyphButton(ToolBar1, "SpeedButton12", "definitions", "Hide Unit Definitions");
    SpeedButton6 = GlyphButton(ToolBar1, "SpeedButton6", "install", "Install Built-In Categories");
    SpeedButton11 = GlyphButton(ToolBar1, "SpeedButton11", "about", "About Quantova");
    SpeedButton14 = Spacer(ToolBar1, "SpeedButton14");
    sbtnCalc = GlyphButton(ToolBar1, "sbtnCalc", "calculator", "Open Calculator");
    SpeedButton9->setEnabled(false);

    int x = 0;
    const int top = (ToolBarHeight - ButtonSize) / 2;
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton1, SpeedButton2, BlankButton1, SpeedButton3, SpeedButton4,
                                                      SpeedButton5, SpeedButton8, SpeedButton9, SpeedButton10, BlankButton2,
                                                      SpeedButton7, SpeedButton12, SpeedButton6, SpeedButton11,
                                                      SpeedButton14, sbtnCalc}) {
        const int width = qobject_cast<QToolButton*>(w) ? ButtonSize : SpacerWidth;
        w->setGeometry(x, top, width, ButtonSize);
        x += width;
    }

    SelectPak = Named(new QComboBox(ToolBar1), "SelectPak");
    SelectPak->setEditable(false);
    SelectPak->setMaxVisibleItems(4);
    SelectPak->setToolTip(QStringLiteral("Choose a Package"));
    SelectPak->setAccessibleName(QStringLiteral("Choose a Package"));
    SelectPak->setGeometry(sbtnCalc->x(), top, 100, ButtonSize);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { AddCategoryClick(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { DeleteCategoryClick(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { AddUnitClick(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { DeleteUnitClick(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { DefaultUnitClick(); });
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { HideUnitClick(); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { ShowUnitsClick(); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { PrintClick(); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { NumberFormatClick(); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { DefinitionStatusClick(); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { InstallClick(); });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { AboutClick(); });
    connect(sbtnCalc, &QToolButton::clicked, this, [this] { sbtnCalcClick(); });
    connect(SelectPak, &QComboBox::activated, this, [this](int index) { SelectPakChange(index); });
}

void TFrmMain::CreateControls()
{
    CreateToolBar();

    LBCategories = Named(new QListWidget(this), "LBCategories");
    LBCategories->setSelectionMode(QAbstractItemView::SingleSelection);
    LBCategories->setAccessibleName(QStringLiteral("Categories"));
    LBCategories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LBCategories->resize(97, 100);
    LBCategories->installEventFilter(this);
    LBCategories->viewport()->installEventFilter(this);

    LblLBCategories = Named(new QLabel(QStringLiteral("&Categories:"), this), "LblLBCategories");
    LblLBCategories->setBuddy(LBCategories);

    Splitter1 = Named(new SplitterBar(LBCategories, this), "Splitter1");
    Splitter1->SetOnMoved([this] { Splitter1Moved(); });

    Label1 = Named(new QLabel(this), "Label1");
    EntryValue = Named(new TDataEdit(this), "EntryValue");
    EntryValue->setAccessibleName(QStringLiteral("Enter a value or expression"));
    TDataEditProps valueProps;
    valueProps.Caption = QStringLiteral("&Enter a value or expression.");
    valueProps.EditLabel = Label1;
    valueProps.MinVal = -TDataEdit::ExtendedBound();
    valueProps.MaxVal = TDataEdit::ExtendedBound();
    valueProps.Units = 1;
    EntryValue->LoadProperties(valueProps);
    EntryValue->SetOnExit([this] { EntryValueExit(); });

    Label2 = Named(new QLabel(QStringLiteral("&Select a unit type."), this), "Label2");
    EntryUnit = Named(new QComboBox(this), "EntryUnit");
    EntryUnit->setEditable(false);
    EntryUnit->setAccessibleName(QStringLiteral("Select a unit type"));
    Label2->setBuddy(EntryUnit);
    connect(EntryUnit, &QComboBox::activated, this, [this](int index) { EntryUnitChange(index); });

    Label3 = Named(new QLabel(this), "Label3");
    EntryPrecision = Named(new TDataEdit(this), "EntryPrecision");
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
    EntryPrecision->SetOnExit([this] { EntryPrecisionExit(); });
    EntryPrecision->installEventFilter(this);

    PrecisionAdjust = Named(new UpDownArrows(this), "PrecisionAdjust");
    PrecisionAdjust->resize(16, 21);
    connect(PrecisionAdjust, &UpDownArrows::stepped, this, [this](int step) { PrecisionAdjustClick(step); });

    Grid2 = Named(new QTableWidget(this), "Grid2");
    Grid2->setColumnCount(2);
    Grid2->horizontalHeader()->hide();
    Grid2->verticalHeader()->hide();
    Grid2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid2->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    Grid2->verticalHeader()->setMinimumSectionSize(GridRowHeight);
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
    Grid2->installEventFilter(this);
    Grid2->viewport()->installEventFilter(this);
    connect(Grid2, &QTableWidget::cellDoubleClicked, this, [this] { Grid2DblClick(); });

    LblUnitGrid2 = Named(new QLabel(QStringLiteral("List of &Units:"), this), "LblUnitGrid2");
    LblUnitGrid2->setBuddy(Grid2);
    LblConv = Named(new QLabel(QStringLiteral("Converted Values:"), this), "LblConv");

    sbMain = Named(new QStatusBar(this), "sbMain");
    sbMain->setSizeGripEnabled(false);
    StatusPanel0 = Named(new QLabel(sbMain), "StatusPanel0");
    StatusPanel1 = Named(new QLabel(sbMain), "StatusPanel1");
    for (QLabel* panel : {StatusPanel0, StatusPanel1}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    // Tab order: category list, value, unit, precision, grid, then the rest.
    setTabOrder(LBCategories, EntryValue);
    setTabOrder(EntryValue, EntryUnit);
    setTabOrder(EntryUnit, EntryPrecision);
    setTabOrder(EntryPrecision, Grid2);
    setTabOrder(Grid2, SelectPak);
}

QAction* TFrmMain::AddKey(QWidget* owner, const char* name, const char* text, const QKeySequence& key,
                          void (TFrmMain::*handler)())
{
    auto* action = new QAction(QLatin1String(text), owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    owner->addAction(action);
    return action;
}

void TFrmMain::CreateKeyTables()
{
    // The tables are never shown as menus: their keys act while their control
    // has the focus.
    AddKey(Grid2, "CopyValue1", "Copy Value", QKeySequence(Qt::CTRL | Qt::Key_C), &TFrmMain::CopyValue1Click);
    AddKey(Grid2, "AddUnit1", "Add Unit", QKeySequence(Qt::Key_Insert), &TFrmMain::AddUnitKey);
    AddKey(Grid2, "DeleteUnit1", "Delete Unit", QKeySequence(Qt::Key_Delete), &TFrmMain::DeleteUnitKey);
    AddKey(Grid2, "ShowUnits1", "Show Units", QKeySequence(Qt::CTRL | Qt::Key_Insert), &TFrmMain::ShowUnitsKey);
    AddKey(Grid2, "HideUnit1", "Hide Unit", QKeySequence(Qt::CTRL | Qt::Key_Delete), &TFrmMain::HideUnitKey);
    AddKey(Grid2, "HideUnit2", "Hide Unit", QKeySequence(Qt::Key_H), &TFrmMain::HideUnitKey);
    AddKey(Grid2, "DefaultUnit", "Set Default", QKeySequence(Qt::CTRL | Qt::Key_D), &TFrmMain::DefaultUnitKey);
    AddKey(Grid2, "NumberFormat", "Number Format", QKeySequence(Qt::Key_N), &TFrmMain::NumberFormatClick);
    AddKey(Grid2, "DefinitionStatus", "Definitions", QKeySequence(Qt::Key_D), &TFrmMain::DefinitionStatusClick);
    AddKey(Grid2, "StayOnTop1", "Stay on Top", QKeySequence(Qt::Key_T), &TFrmMain::StayonTop2Click);
    AddKey(Grid2, "About1", "About...", QKeySequence(Qt::Key_F1), &TFrmMain::AboutClick);

    AddKey(LBCategories, "AddCategory1", "Add Category", QKeySequence(Qt::Key_Insert), &TFrmMain::AddCategoryClick);
    AddKey(LBCategories, "DeleteCategory1", "Delete Category", QKeySequence(Qt::Key_Delete),
           &TFrmMain::DeleteCategoryClick);
    AddKey(LBCategories, "NumberFormat1", "Number Format", QKeySequence(Qt::Key_N), &TFrmMain::NumberFormatClick);
    AddKey(LBCategories, "Definitions1", "Definitions", QKeySequence(Qt::Key_D), &TFrmMain::DefinitionStatusClick);
    AddKey(LBCategories, "StayOnTop", "Stay on Top", QKeySequence(Qt::Key_T), &TFrmMain::StayonTop2Click);
    AddKey(LBCategories, "About2", "About...", QKeySequence(Qt::Key_F1), &TFrmMain::AboutClick);

    for (QWidget* owner : std::initializer_list<QWidget*>{ToolBar1, EntryUnit, EntryPrecision, SelectPak, sbMain}) {
        AddKey(owner, "NumberFormat2", "Number Format", QKeySequence(Qt::Key_N), &TFrmMain::NumberFormatClick);
        AddKey(owner, "Definitions2", "Definitions", QKeySequence(Qt::Key_D), &TFrmMain::DefinitionStatusClick);
        AddKey(owner, "StayonTop2", "Stay on Top", QKeySequence(Qt::Key_T), &TFrmMain::StayonTop2Click);
        AddKey(owner, "About", "About...", QKeySequence(Qt::Key_F1), &TFrmMain::AboutClick);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Grid2, LBCategories, ToolBar1, EntryUnit, EntryPrecision,
                                                      SelectPak, sbMain}) {
        w->setContextMenuPolicy(Qt::NoContextMenu);
        w->installEventFilter(this);
    }
}

void TFrmMain::FormCreate()
{
    resize(604, 275);
    setMinimumSize(310, 147);
    CentreOnScreen(this);
    useScientific_ = false;

    EntryPrecision->SetNumber(6);
    PrecisionAdjust->SetRange(static_cast<int>(EntryPrecision->MinVal()), static_cast<int>(EntryPrecision->MaxVal()));
    PrecisionAdjust->SetPosition(6);
    precision_ = 6;

    showDefinitions_ = true;
    SetCalculatorPath(ReadCalculatorPath());
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    Splitter1Moved();
}

void TFrmMain::SetCalculatorPath(const QString& path)
{
    calculatorPath_ = path;
    sbtnCalc->setVisible(!calculatorPath_.isEmpty());
    const int left = sbtnCalc->isVisibleTo(ToolBar1) ? sbtnCalc->x() + sbtnCalc->width() + 5 : sbtnCalc->x();
    SelectPak->move(left, SelectPak->y());
    Splitter1Moved();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // An editing control would keep a plain letter for itself; a key of
        // the control's key table must reach its command instead.
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!widget) break;
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : widget->actions()) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == LBCategories->viewport()) LBCategoriesMouseUp();
        if (watched == Grid2->viewport()) Grid2MouseUp();
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat()) break;
        if (watched == LBCategories) LBCategoriesKeyUp();
        if (watched == Grid2) Grid2KeyUp();
        break;
    case QEvent::FocusIn:
        if (watched == LBCategories) LBCategoriesEnter();
        break;
    case QEvent::KeyPress: {
        const int k = static_cast<QKeyEvent*>(event)->key();
        // The arrow keys step the precision like its arrows do.
        if (watched == EntryPrecision && (k == Qt::Key_Up || k == Qt::Key_Down)) {
            PrecisionAdjustClick(k == Qt::Key_Up ? 1 : -1);
            return true;
        }
        // In a list of whole rows, Home and End go to the first and last row.
        if (watched == Grid2 && (k == Qt::Key_Home || k == Qt::Key_End) && Grid2->rowCount() > 0) {
            Grid2->setCurrentCell(k == Qt::Key_Home ? 0 : Grid2->rowCount() - 1, 0);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmMain::ReportSkippedPackages(const std::vector<std::pair<std::string, std::string>>& skipped)
{
    if (skipped.empty()) return;
    QString text = QStringLiteral("These package files could not be read. They were left as they are:\n");
    for (const auto& [file, message] : skipped)
        text += QStringLiteral("\n") + QString::fromStdString(file) + QStringLiteral(": ") + ErrorDisplayText(message);
    // Once the window is on the screen, so that the user sees what it is about.
    QTimer::singleShot(0, this, [this, text] {
        QMessageBox box(QMessageBox::Warning, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("SkippedPackages"));
        box.exec();
    });
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) Guarded([this] { RefreshView(); });
}

}  // namespace qv
