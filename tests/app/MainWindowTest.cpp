// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: controls, texts, key tables and layout arithmetic.
#include "MainWindowFixture.h"

#include "app/CommandTable.h"
#include "catalogue/Packages.h"
#include "dialogs/About.h"
#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "dialogs/BaseUnitChange.h"
#include "dialogs/UnHide.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"
#include "widgets/UpDownArrows.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <set>
#include <string>

namespace qv::test {
namespace {

class MainWindowFrame : public MainWindowFixture {};

// A row that cannot be reached does nothing and says nothing: keys in no key
// table, a button outside the tool bar, a toggle's second hint on no toggle.
TEST(CommandTable, EveryRowCanBeReached)
{
    std::set<std::string> names;
    for (const TCommand& row : CommandTable()) {
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(names.insert(row.Name).second) << "names are the commands' ids";
        EXPECT_NE(row.Handler, nullptr);
        const bool hasKeys = row.Keys[0].key() != Qt::Key_unknown;
        EXPECT_EQ(hasKeys, row.KeyTables != NoKeyTable);
        EXPECT_EQ(row.Button != nullptr, row.Group != ToolBarGroup::None);
        EXPECT_TRUE(row.Button || hasKeys) << "a command needs a button or a key";
        EXPECT_TRUE(!row.UncheckedHint || row.Checked) << "a second hint belongs to a toggle";
    }
}

TEST_F(MainWindowFrame, ToolBarButtonsCarryTheirHintsAndGlyphs)
{
    Open();
    window->SetCalculatorPath(QStringLiteral("calc"));
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton1", "Add Category"},
        {"SpeedButton2", "Delete Category"},
        {"SpeedButton3", "Add Unit"},
        {"SpeedButton4", "Delete Unit"},
        {"SpeedButton5", "Set as Default Unit"},
        {"SpeedButton8", "Hide Unit"},
        {"SpeedButton9", "Show Hidden Units"},
        {"SpeedButton10", "Print Units"},
        {"SpeedButton7", "Change Number Format"},
        {"SpeedButton12", "Hide Unit Definitions"},
        {"SpeedButton6", "Install Built-In Categories"},
        {"SpeedButton11", "About Quantova"},
        {"sbtnCalc", "Open Calculator"},
        {"sbtnRates", "Update Currency Rates"},
    };
    int lastX = -1;
    for (const auto& [name, hint] : buttons) {
        SCOPED_TRACE(name);
        auto* b = Find<QToolButton>(name);
        EXPECT_EQ(b->toolTip(), QLatin1String(hint));
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_GT(b->x(), lastX) << "left to right";
        lastX = b->x();
    }
    EXPECT_EQ(Find<QComboBox>("SelectPak")->toolTip(), QStringLiteral("Choose a Package"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quantova"));
}

TEST_F(MainWindowFrame, LabelsNameTheirControlsWithAccessKeys)
{
    Open();
    EXPECT_EQ(Find<QLabel>("LblLBCategories")->text(), QStringLiteral("&Categories:"));
    EXPECT_EQ(Find<QLabel>("LblLBCategories")->buddy(), Categories());
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("&Enter a value or expression."));
    EXPECT_EQ(Find<QLabel>("Label1")->buddy(), Find<QWidget>("EntryValue"));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QStringLiteral("&Select a unit type."));
    EXPECT_EQ(Find<QLabel>("Label2")->buddy(), Find<QWidget>("EntryUnit"));
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("&Precision:"));
    EXPECT_EQ(Find<QLabel>("LblUnitGrid2")->text(), QStringLiteral("List of &Units:"));
    EXPECT_EQ(Find<QLabel>("LblUnitGrid2")->buddy(), Grid());
    EXPECT_EQ(Find<QLabel>("LblConv")->text(), QStringLiteral("Converted Values:"));
}

TEST_F(MainWindowFrame, TabOrderRunsFromCategoriesToTheGrid)
{
    Open();
    const char* order[] = {"LBCategories", "EntryValue", "EntryUnit", "EntryPrecision", "Grid2"};
    Categories()->setFocus();
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(order[i + 1])) << "after " << order[i];
    }
}

TEST_F(MainWindowFrame, FormCreateSetsSizePrecisionAndPlace)
{
    Open();
    EXPECT_EQ(window->size(), QSize(604, 275));
    EXPECT_EQ(Categories()->width(), 97);
    EXPECT_EQ(Find<TDataEdit>("EntryPrecision")->text(), QStringLiteral("6"));
    auto* arrows = Find<UpDownArrows>("PrecisionAdjust");
    EXPECT_EQ(arrows->Min(), 2);
    EXPECT_EQ(arrows->Max(), 18);
    EXPECT_EQ(arrows->Position(), 6);
    EXPECT_FALSE(Find<QToolButton>("SpeedButton9")->isEnabled()) << "no hidden unit yet";
    // Centred when created, before the frame's size is known.
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_NEAR(frame.center().x(), screen.width() / 2, frame.width() - window->width() + 1);
    EXPECT_NEAR(frame.center().y(), screen.height() / 2, frame.height() - window->height() + 1);
}

TEST_F(MainWindowFrame, CalculatorButtonAppearsOnlyWithACommandLine)
{
    Open();
    auto* calc = Find<QToolButton>("sbtnCalc");
    auto* pak = Find<QComboBox>("SelectPak");
    auto* gap = Find<QWidget>("SpeedButton14");
    EXPECT_FALSE(calc->isVisible());
    EXPECT_EQ(pak->x(), gap->x() + gap->width()) << "in the calculator button's place";
    window->SetCalculatorPath(QStringLiteral("/usr/bin/true --flag"));
    EXPECT_TRUE(calc->isVisible());
    EXPECT_EQ(pak->x(), calc->x() + calc->width() + 5);
    auto* rates = Find<QToolButton>("sbtnRates");
    EXPECT_EQ(pak->x() + pak->width(), rates->x()) << "the rates button ends the bar";
    EXPECT_EQ(rates->x() + rates->width(), window->width());
}

TEST_F(MainWindowFrame, CalculatorCommandLineIsReadFromTheUserSettings)
{
    const QString config = QString::fromStdString(dir.path()) + QStringLiteral("config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tarvik"),
                           QStringLiteral("Calculator"));
        settings.setValue(QStringLiteral("Default"), QStringLiteral("galculator --precise"));
    }
    Open();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir.path()) + QStringLiteral("none"));
    EXPECT_EQ(window->CalculatorPath(), QStringLiteral("galculator --precise"));
    EXPECT_TRUE(Find<QToolButton>("sbtnCalc")->isVisible());
}

TEST_F(MainWindowFrame, LayoutArithmeticHoldsToThePixel)
{
    Open();
    auto* splitter = Find<QSplitter>("Splitter1");
    // Places in the window's client area, whatever pane holds the control.
    auto left = [this](const char* name) { return Find<QWidget>(name)->mapTo(window.get(), QPoint(0, 0)).x(); };
    auto top = [this](const char* name) { return Find<QWidget>(name)->mapTo(window.get(), QPoint(0, 0)).y(); };
    // Drags the splitter's handle with the mouse.
    auto setListWidth = [&](int w) {
        QWidget* handle = splitter->handle(1);
        const QPoint grip(handle->width() / 2, handle->height() / 2);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseMove(handle, grip + QPoint(w - handle->x(), 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(w - handle->x(), 0));
    };
    {
        // A 500-wide client with the splitter at 97.
        window->resize(500, 300);
        setListWidth(97);
        EXPECT_EQ(splitter->handle(1)->x(), 97);
        EXPECT_EQ(Find<QLabel>("Label1")->width(), 160);
        EXPECT_EQ(left("Label2"), 273);
        EXPECT_EQ(left("EntryValue"), 105);
        EXPECT_EQ(left("EntryUnit"), 273);
        EXPECT_EQ(top("Label1"), 32);
        EXPECT_EQ(top("EntryValue"), 49);
        EXPECT_EQ(top("LBCategories"), 49);
        EXPECT_EQ(top("LblUnitGrid2"), 70);
    }
    {
        // Grid2 387 wide: columns of 154 and 233.
        window->resize(97 + 8 + 387, 300);
        window->Splitter1Moved();
        ASSERT_EQ(Grid()->width(), 387);
        EXPECT_EQ(Grid()->columnWidth(0), 154);
        EXPECT_EQ(Grid()->columnWidth(1), 233);
        EXPECT_EQ(Find<QLabel>("LblUnitGrid2")->width(), 156);
        EXPECT_EQ(left("LblConv"), left("Grid2") + 156);
        EXPECT_EQ(top("Grid2"), 87);
        EXPECT_EQ(top("Grid2") + Grid()->height(), window->height() - 19);
        EXPECT_EQ(left("PrecisionAdjust") + Find<QWidget>("PrecisionAdjust")->width(), window->width());
        EXPECT_EQ(left("EntryPrecision") + Find<QWidget>("EntryPrecision")->width(), left("PrecisionAdjust"));
    }
    {
        // The list is held between 60 and the client width less 120.
        setListWidth(10);
        EXPECT_EQ(Categories()->width(), 60);
        setListWidth(900);
        EXPECT_EQ(Categories()->width(), window->width() - 120);
    }
    EXPECT_EQ(window->minimumSize(), QSize(310, 147));
}

TEST_F(MainWindowFrame, ChooserRowsGridRowsAndStatusTextHaveTheirSizes)
{
    Open();
    PackageCaptions = {"A", "B", "C", "D", "E", "F", "Custom Category"};
    PackageFiles.assign(PackageCaptions.size(), "");
    window->RefreshView();
    auto* chooser = Find<QComboBox>("SelectPak");
    chooser->showPopup();
    QAbstractItemView* rows = chooser->view();
    EXPECT_EQ(rows->viewport()->height() / rows->sizeHintForRow(0), 4) << "4 rows when open";
    chooser->hidePopup();

    EXPECT_EQ(Grid()->rowViewportPosition(1) - Grid()->rowViewportPosition(0), 16);
    for (const char* name : {"StatusPanel0", "StatusPanel1"}) {
        auto* panel = Find<QLabel>(name);
        EXPECT_GE(panel->contentsRect().height(), panel->fontMetrics().height()) << name << ": text clipped";
    }
}

TEST_F(MainWindowFrame, StatusPanelsFollowTheWidth)
{
    Open();
    window->resize(503, 300);
    EXPECT_EQ(Find<QLabel>("StatusPanel0")->width(), 200);
    EXPECT_EQ(Find<QLabel>("StatusPanel1")->width(), 100);
    EXPECT_EQ(Find<QStatusBar>("sbMain")->height(), 19);
}

TEST_F(MainWindowFrame, UnreadablePackagesAreReportedOnceTheWindowIsShown)
{
    Open();
    SeenBox seen;
    ModalScript script;
    script.thenMessageBox(&seen);
    // A path in a message is shown from the file system's encoding.
    const std::string locked = QFile::encodeName(QStringLiteral("/home/J\u00fcrgen/locked.qv")).toStdString();
    window->ReportSkippedPackages(
        {{"broken.qv", "Stream read error", nullptr},
         {"odd.qv", "Invalid property value", nullptr},
         {"locked.qv", "", std::make_exception_ptr(EFileError("Cannot open file %s", locked))}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return script.done(); }, 5000));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("broken.qv: Stream read error.")));
    EXPECT_TRUE(seen.text.contains(QStringLiteral("odd.qv: Invalid property value.")));
    EXPECT_TRUE(seen.text.contains(QStringLiteral("locked.qv: Cannot open file /home/J\u00fcrgen/locked.qv.")));

    ModalScript none;
    none.thenMessageBox();
    window->ReportSkippedPackages({});
    QTest::qWait(50);
    EXPECT_FALSE(none.done()) << "nothing to report, no box";
}

// Owned by the window, a dialog opens above it also while it stays on top.
TEST_F(MainWindowFrame, DialogsBelongToTheWindowAndKeepTheirPlace)
{
    Open();
    WithDialogs();
    const QRect screen = window->screen()->geometry();
    for (QDialog* d : std::initializer_list<QDialog*>{installer, dialogs.NewCategory(), dialogs.AddUnit(),
                                                      dialogs.NewBaseUnit(), dialogs.ShowHidden(), dialogs.About()}) {
        SCOPED_TRACE(d->objectName().toStdString());
        EXPECT_EQ(d->parentWidget(), window.get());
        EXPECT_TRUE(d->isWindow());
        EXPECT_EQ(d->pos(), QPoint(screen.width() / 2 - d->width() / 2, screen.height() / 2 - d->height() / 2));
    }
}

TEST_F(MainWindowFrame, KeyTablesBelongToTheirControls)
{
    Open();
    // Each control's keys, sorted; a key listed twice would be ambiguous.
    auto keysOf = [this](const char* name) {
        QStringList keys;
        QWidget* owner = window->objectName() == QLatin1String(name) ? window.get() : Find<QWidget>(name);
        for (QAction* a : owner->actions())
            for (const QKeySequence& k : a->shortcuts()) keys << k.toString();
        keys.sort();
        return keys.join(QLatin1Char(' '));
    };
    EXPECT_EQ(keysOf("Grid2"),
              QStringLiteral("/ Ctrl+C Ctrl+D Ctrl+Del Ctrl+Ins Ctrl+R Ctrl+S Ctrl+Shift+C D Del F1 H Ins N T"));
    EXPECT_EQ(keysOf("LBCategories"), QStringLiteral("Ctrl+R D Del F1 Ins N T"));
    EXPECT_EQ(keysOf("FrmMain"), QStringLiteral("Ctrl+F Ctrl+K Ctrl+S")) << "the keys of the whole window";
    EXPECT_EQ(keysOf("FilterEdit"), QStringLiteral("Ctrl+Shift+C"));
    for (const char* owner : {"EntryUnit", "EntryPrecision", "SelectPak", "sbMain"})
        EXPECT_EQ(keysOf(owner), QStringLiteral("D F1 N T")) << owner;
    EXPECT_TRUE(Find<QWidget>("EntryValue")->actions().isEmpty());
    EXPECT_EQ(Grid()->contextMenuPolicy(), Qt::NoContextMenu);
    // A key and its tool bar button are one action.
    EXPECT_TRUE(Grid()->actions().contains(Find<QToolButton>("SpeedButton7")->defaultAction()));
}

}  // namespace
}  // namespace qv::test
