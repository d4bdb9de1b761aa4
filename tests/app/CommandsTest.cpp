// SPDX-License-Identifier: GPL-3.0-or-later
// The editing commands, on their buttons and on the keys of the key tables,
// with the dialogs they open answered by script.
#include "MainWindowFixture.h"

#include "app/Printing.h"
#include "catalogue/Packages.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <filesystem>

namespace qv::test {
namespace {

class Commands : public MainWindowFixture {
protected:
    void OpenWithDialogs(const std::vector<std::string>& categories = {"Length", "Temperature", "Area"})
    {
        Open(categories);
        WithDialogs();
    }

    QToolButton* Button(const char* name) { return Find<QToolButton>(name); }

    static QString TextOf(QWidget* modal, const char* name)
    {
        auto* label = modal->findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }

    static void Click(QWidget* modal, const char* name)
    {
        auto* b = modal->findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }

    static void Fill(QWidget* modal, const char* name, const QString& text)
    {
        auto* edit = modal->findChild<QLineEdit*>(QLatin1String(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->setText(text);
    }

    // A step that adds a unit in the Add New Unit dialog.
    static ModalScript::Step AddUnit(const QString& symbol, const QString& definition, const QString& factor,
                                     QString* prompt = nullptr)
    {
        return [=](QWidget* modal) {
            if (prompt) *prompt = TextOf(modal, "Label2");
            Fill(modal, "Edit1", symbol);
            Fill(modal, "Edit3", definition);
            if (modal->findChild<QLineEdit*>(QStringLiteral("Edit2"))->isEnabled()) Fill(modal, "Edit2", factor);
            Click(modal, "Button1");
        };
    }

    const TCategory& Current() { return Catalogue.CategoryAt(Categories()->currentRow()); }
};

// --- Categories -------------------------------------------------------------

TEST_F(Commands, AddCategoryAsksForItsFirstUnit)
{
    OpenWithDialogs();
    QString prompt;
    ModalScript script;
    script
        .then([](QWidget* modal) {
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Add New Category"));
            Fill(modal, "EdtNewCategory", QStringLiteral("Distance"));
            Click(modal, "BtnAddCategory");
        })
        .then(AddUnit(QStringLiteral("pc"), QStringLiteral("parsecs"), QStringLiteral("5"), &prompt));
    Button("SpeedButton1")->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(prompt, QStringLiteral("(This is the default unit for Distance.)"));
    ASSERT_EQ(Catalogue.CategoryCount(), 4);
    EXPECT_EQ(Catalogue.CategoryAt(3).UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(Categories()->item(3)->text(), QStringLiteral("Distance"));

    ModalScript byKey;
    byKey.then([](QWidget* modal) { Click(modal, "BtnCancelAddCategory"); });
    Press(Categories(), Qt::Key_Insert);
    EXPECT_TRUE(byKey.done());
    EXPECT_EQ(Catalogue.CategoryCount(), 4);
}

TEST_F(Commands, DeletingACategoryMovesToTheNextOrTheNewLast)
{
    OpenWithDialogs({"Length", "Temperature", "Area", "Time"});
    SelectCategory(1);
    Button("SpeedButton2")->click();
    EXPECT_EQ(Categories()->count(), 3);
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Area")) << "the one that followed";
    SelectCategory(2);
    Press(Categories(), Qt::Key_Delete);
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Area")) << "the new last";
    EXPECT_EQ(Status(0).left(4), QStringLiteral("Area"));
}

TEST_F(Commands, DeletingTheOnlyCategoryRequiresANewOne)
{
    OpenWithDialogs({"Length"});
    bool cancelEnabled = true;
    ModalScript script;
    script
        .then([&](QWidget* modal) {
            cancelEnabled = modal->findChild<QPushButton*>(QStringLiteral("BtnCancelAddCategory"))->isEnabled();
            QTest::keyClick(modal, Qt::Key_Escape);  // ignored while the catalogue is empty
            EXPECT_TRUE(modal->isVisible());
            Fill(modal, "EdtNewCategory", QStringLiteral("Fresh"));
            Click(modal, "BtnAddCategory");
        })
        .then(AddUnit(QStringLiteral("x"), QStringLiteral("ex"), QStringLiteral("1")));
    Button("SpeedButton2")->click();
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(cancelEnabled);
    ASSERT_EQ(Catalogue.CategoryCount(), 1);
    EXPECT_EQ(Catalogue.CategoryAt(0).Name, "Fresh");
    EXPECT_EQ(Grid()->rowCount(), 1);
}

// --- Units -------------------------------------------------------------------

TEST_F(Commands, AddUnitOnTheButtonAndOnIns)
{
    OpenWithDialogs();
    QString prompt;
    ModalScript script;
    script.then(AddUnit(QStringLiteral("smoot"), QStringLiteral("smoots"), QStringLiteral("1.7018"), &prompt));
    Button("SpeedButton3")->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(prompt, QStringLiteral("How many m equal this unit?"));
    EXPECT_EQ(Current().UnitAt(38).Factor, 1.7018L);
    EXPECT_EQ(ValueOf(QStringLiteral("smoot (smoots)")), QStringLiteral("0.587613"));

    ModalScript byKey;
    byKey.then(AddUnit(QStringLiteral("k"), QStringLiteral(""), QStringLiteral("12*2.54")));
    Press(Grid(), Qt::Key_Insert);
    EXPECT_TRUE(byKey.done());
    EXPECT_EQ(Current().UnitAt(39).Factor, 30.48L);
}

TEST_F(Commands, TemperatureRefusesUnitKeysButItsLowerCaseNameDoesNot)
{
    OpenWithDialogs();
    SelectCategory(1);
    Press(Grid(), Qt::Key_Insert);
    Press(Grid(), Qt::Key_Delete);
    EXPECT_EQ(Current().UnitCount(), 4);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Catalogue.CategoryAt(1).Name = "temperature";
    window->RefreshView();
    EXPECT_TRUE(Button("SpeedButton4")->isEnabled());
    ClickRow(3);
    Press(Grid(), Qt::Key_Delete);
    EXPECT_EQ(Current().UnitCount(), 3);
}

TEST_F(Commands, DeletingTheEntryUnitKeepsTheEnteredQuantity)
{
    OpenWithDialogs();
    EnterValue(QStringLiteral("2"));
    const QString km = ValueOf(QStringLiteral("km (kilometers)"));
    const int cmRow = RowOf(QStringLiteral("cm (centimeters)"));
    DoubleClickRow(cmRow);  // 2 cm
    ClickRow(cmRow);
    const QString mBefore = ValueOf(QStringLiteral("m (meters)"));
    Press(Grid(), Qt::Key_Delete);
    EXPECT_EQ(RowOf(QStringLiteral("cm (centimeters)")), -1);
    EXPECT_EQ(Current().UnitAt(Current().EntryIndex).Symbol, "m") << "the next unit";
    EXPECT_EQ(ValueOf(QStringLiteral("m (meters)")), mBefore);
    EXPECT_EQ(Find<TDataEdit>("EntryValue")->text(), QStringLiteral("0.02"));

    // The last unit goes: the quantity moves to the one before it.
    const int last = Grid()->rowCount() - 1;
    DoubleClickRow(last);
    ClickRow(last);
    const QString before = ValueOf(QStringLiteral("pt (points, printer)"));
    Press(Grid(), Qt::Key_Delete);
    EXPECT_EQ(Current().UnitAt(Current().EntryIndex).Symbol, "pt");
    EXPECT_EQ(ValueOf(QStringLiteral("pt (points, printer)")), before);
    (void)km;
}

TEST_F(Commands, DeletingTheDefaultUnitAsksForANewOne)
{
    OpenWithDialogs();
    ClickRow(RowOf(QStringLiteral("ft (feet)")));
    const QString ftBefore = ValueOf(QStringLiteral("ft (feet)"));
    ClickRow(RowOf(QStringLiteral("m (meters)")));
    QString message;
    ModalScript script;
    script.then([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Select Default Unit"));
        message = TextOf(modal, "Label1");
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("UnitList"));
        list->setCurrentRow(15);  // ft, one up now that m is gone
        Click(modal, "Button1");
    });
    Button("SpeedButton4")->click();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(message.startsWith(QStringLiteral("You have deleted the Default Unit for Length!")));
    EXPECT_EQ(Current().UnitAt(Current().DefaultIndex).Symbol, "ft");
    EXPECT_EQ(ValueOf(QStringLiteral("ft (feet)")), ftBefore) << "conversions unchanged";
}

TEST_F(Commands, DeletingTheOnlyUnitAsksForTheNewDefault)
{
    OpenWithDialogs({"Length"});
    Catalogue.AppendCategory("Solo").AppendUnit("s", "solo", 1.0L);
    window->RefreshView();
    SelectCategory(1);
    QString prompt;
    bool cancelEnabled = true;
    ModalScript script;
    script.then([&](QWidget* modal) {
        cancelEnabled = modal->findChild<QPushButton*>(QStringLiteral("Button2"))->isEnabled();
        EXPECT_FALSE(modal->findChild<QLineEdit*>(QStringLiteral("Edit2"))->isEnabled());
        AddUnit(QStringLiteral("t"), QStringLiteral("tee"), QString(), &prompt)(modal);
    });
    Press(Grid(), Qt::Key_Delete);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(prompt, QStringLiteral("(This is the default unit for Solo.)"));
    EXPECT_FALSE(cancelEnabled);
    ASSERT_EQ(Current().UnitCount(), 1);
    EXPECT_EQ(Current().UnitAt(0).Symbol, "t");
    EXPECT_EQ(Current().DefaultIndex, 0);
}

TEST_F(Commands, SetDefaultUnitRebasesAndCtrlDOnTheDefaultDoesNothing)
{
    OpenWithDialogs();
    ClickRow(RowOf(QStringLiteral("m (meters)")));
    Press(Grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Current().UnitAt(7).Factor, 1000.0L);
    ClickRow(RowOf(QStringLiteral("km (kilometers)")));
    const QString ft = ValueOf(QStringLiteral("ft (feet)"));
    Press(Grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Current().DefaultIndex, 7);
    EXPECT_EQ(Current().UnitAt(6).Factor, 0.001L);
    EXPECT_EQ(ValueOf(QStringLiteral("ft (feet)")), ft);
    EXPECT_FALSE(Button("SpeedButton5")->isEnabled());
}

TEST_F(Commands, HidingMovesTheHighlightToTheNearestVisibleUnit)
{
    OpenWithDialogs();
    ClickRow(RowOf(QStringLiteral("km (kilometers)")));
    Press(Grid(), Qt::Key_H);
    EXPECT_EQ(RowOf(QStringLiteral("km (kilometers)")), -1);
    EXPECT_EQ(Grid()->item(Grid()->currentRow(), 0)->text(), QStringLiteral("\u00B5in (microinches)")) << "below";

    const int last = Grid()->rowCount() - 1;
    ClickRow(last);
    Press(Grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Grid()->rowCount(), last);
    EXPECT_EQ(Grid()->item(Grid()->currentRow(), 0)->text(), QStringLiteral("pt (points, printer)")) << "above";
    EXPECT_TRUE(Button("SpeedButton9")->isEnabled());
}

TEST_F(Commands, LastVisibleUnitCannotBeHidden)
{
    OpenWithDialogs({"Moments of Inertia"});
    for (int i = 1; i < 4; ++i) {
        ClickRow(1);
        Press(Grid(), Qt::Key_H);
    }
    ASSERT_EQ(Grid()->rowCount(), 1);
    Press(Grid(), Qt::Key_H);
    Press(Grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Current().VisibleUnitCount(), 1);
    EXPECT_FALSE(Button("SpeedButton8")->isEnabled());
}

TEST_F(Commands, ShowHiddenUnitsOnlyWithHiddenUnits)
{
    OpenWithDialogs();
    Press(Grid(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nothing hidden: the key does nothing";

    ClickRow(0);
    Press(Grid(), Qt::Key_H);
    Press(Grid(), Qt::Key_H);
    ASSERT_EQ(Current().VisibleUnitCount(), 36);
    // The highlight on the lowest row in sight: the units shown again above
    // it push it down, and it must stay in sight.
    ClickRow(Grid()->rowAt(Grid()->viewport()->height() - 1) - 1);
    int listed = -1;
    ModalScript script;
    script.then([&](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("UnitList"));
        listed = list->count();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        Click(modal, "Button1");
    });
    Press(Grid(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(Current().VisibleUnitCount(), 38);
    EXPECT_TRUE(Grid()->viewport()->rect().contains(Grid()->visualItemRect(Grid()->currentItem())));
}

TEST_F(Commands, CopyValuePutsTheGridTextOnTheClipboard)
{
    OpenWithDialogs();
    EnterValue(QStringLiteral("1/3"));
    ClickRow(RowOf(QStringLiteral("ft (feet)")));
    Press(Grid(), Qt::Key_N);
    Press(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1.09361e+0"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ValueOf(QStringLiteral("ft (feet)")));
}

// What the list shows reads back as the same value: a copied row pasted
// into the value field.
TEST_F(Commands, CopiedValuePastedIntoTheFieldReadsBackTheSame)
{
    OpenWithDialogs();
    ClickRow(RowOf(QStringLiteral("light yr (light years)")));
    Press(Grid(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, QStringLiteral("1.05702e-16"));
    auto* field = Find<TDataEdit>("EntryValue");
    field->setFocus();
    field->selectAll();
    QTest::keySequence(field, QKeySequence::Paste);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(ValueOf(QStringLiteral("m (meters)")), copied);
}

// A unit of factor 0, as an older package file may hold: every unit is
// listed, its cells say why they fail, the others convert, and every
// command on the list works, so the unit can be hidden or deleted. It cannot
// become the default.
TEST_F(Commands, ZeroFactorUnitFromAPackageFileLeavesTheCategoryUsable)
{
    OpenWithDialogs({"Length"});
    Catalogue.CategoryAt(0).AppendUnit("zf", "zero factor", 1.0L);
    Catalogue.CategoryAt(0).UnitAt(38).Factor = 0.0L;
    const std::string path = dir.path() + "old.qv";
    Catalogue.SaveToFile(path);
    Catalogue.LoadFromFile(path);
    window->RefreshView();
    const QString zf = QStringLiteral("zf (zero factor)");
    const QString ft = QStringLiteral("ft (feet)");
    ASSERT_EQ(Grid()->rowCount(), 39);
    EXPECT_EQ(ValueOf(zf), QStringLiteral("division by zero"));
    EXPECT_EQ(ValueOf(ft), QStringLiteral("3.28084"));
    ClickRow(RowOf(zf));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m in zf: division by zero"));
    for (const char* button : {"SpeedButton4", "SpeedButton5", "SpeedButton8"})
        EXPECT_TRUE(Button(button)->isEnabled()) << button;

    SeenBox refused;
    ModalScript script;
    script.thenMessageBox(&refused);
    Press(Grid(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(refused.text, QStringLiteral("zf cannot be the default unit: its factor is 0."));
    EXPECT_EQ(Current().UnitAt(6).Factor, 1.0L) << "nothing rebased";

    // As the entry unit it holds no quantity: no row reads 0.
    DoubleClickRow(RowOf(zf));
    EXPECT_EQ(ValueOf(ft), QStringLiteral("division by zero"));
    Press(Grid(), Qt::Key_H);
    EXPECT_EQ(RowOf(zf), -1);
    Catalogue.CategoryAt(0).UnitAt(38).Hidden = false;
    window->RefreshView();
    ClickRow(RowOf(zf));
    Press(Grid(), Qt::Key_Delete);
    EXPECT_EQ(Current().UnitCount(), 38);
    EXPECT_EQ(Current().UnitAt(Current().EntryIndex).Symbol, "p") << "the unit before it";
    EXPECT_EQ(ValueOf(QStringLiteral("p (picas, printer)")), QStringLiteral("1"));
}

// --- Window commands ------------------------------------------------------------

TEST_F(Commands, CancellingTheInstallWarningChangesNothing)
{
    OpenWithDialogs();
    const QRect before = window->geometry();
    SeenBox seen;
    ModalScript script;
    script.thenMessageBox(&seen, QMessageBox::Cancel);
    Button("SpeedButton6")->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen.title, QStringLiteral("Warning"));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("If you add any categories that had been previously installed, "
                                                    "all deleted units")));
    EXPECT_TRUE(
        seen.text.endsWith(QStringLiteral("\n\nPress OK to install or reinstall desired built-in categories.")));
    EXPECT_EQ(window->geometry(), before);
}

TEST_F(Commands, InstallingMovesTheWindowAsideAndPutsItBack)
{
    OpenWithDialogs();
    Catalogue.CategoryAt(0).UnitAt(0).Custom = true;
    const QRect before = window->geometry();
    SeenBox seen;
    QRect during;
    ModalScript script;
    script.thenMessageBox(&seen, QMessageBox::Ok).then([&](QWidget* modal) {
        during = window->frameGeometry();
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("CatList"));
        list->findItems(QStringLiteral("Time"), Qt::MatchExactly).first()->setSelected(true);
        Click(modal, "btnAdd");
        Click(modal, "Button1");
    });
    Button("SpeedButton6")->click();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(
        seen.text.startsWith(QStringLiteral("If you add any categories that had been previously installed, they "
                                            "will be restored to their default settings")));
    // The left part of the screen, as wide as the window may be made.
    const QRect screen = window->screen()->availableGeometry();
    const int frameWidth = window->frameGeometry().width() - window->width();
    EXPECT_EQ(during.topLeft(), screen.topLeft());
    EXPECT_EQ(during.width(), std::max(screen.width() / 2 - 126, window->minimumWidth() + frameWidth));
    EXPECT_EQ(during.height(), screen.height());
    EXPECT_EQ(window->geometry(), before);
    EXPECT_EQ(Categories()->item(3)->text(), QStringLiteral("Time"));
}

TEST_F(Commands, StayOnTopToggles)
{
    OpenWithDialogs();
    auto* action = Find<QAction>("StayOnTop");  // checked while on top
    Press(Grid(), Qt::Key_T);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(action->isChecked());
    Press(Categories(), Qt::Key_T);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(action->isChecked());
}

TEST_F(Commands, AboutOpensOnF1InEveryKeyTable)
{
    OpenWithDialogs();
    for (const char* owner : {"Grid2", "LBCategories", "EntryUnit", "EntryPrecision", "SelectPak", "sbMain"}) {
        SCOPED_TRACE(owner);
        QString title;
        ModalScript script;
        script.then([&](QWidget* modal) {
            title = modal->windowTitle();
            Click(modal, "Button1");
        });
        Press(Find<QWidget>(owner), Qt::Key_F1);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(title, QStringLiteral("About Quantova"));
    }
}

TEST_F(Commands, CalculatorStartsItsCommandLine)
{
    OpenWithDialogs();
    const std::string marker = dir.file("calculator ran");
    window->SetCalculatorPath(QStringLiteral("touch \"%1\"").arg(QString::fromStdString(marker)));
    Button("sbtnCalc")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(marker); }, 5000));
    window->SetCalculatorPath(QStringLiteral("/nonexistent/calculator"));
    Button("sbtnCalc")->click();  // nothing reported
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// --- Printing ------------------------------------------------------------------

TEST(PrintedSize, KeepsThePhysicalSizeRoundingEachSide)
{
    EXPECT_EQ(PrintedSize(QSize(604, 275), 96, 600, 600), QSize(3775, 1719));
    EXPECT_EQ(PrintedSize(QSize(604, 275), 96, 300, 150), QSize(1888, 430));
    EXPECT_EQ(PrintedSize(QSize(604, 275), 120, 600, 600), QSize(3020, 1375));
}

TEST_F(Commands, PrintsThePictureOfTheWindowAtItsScreenSize)
{
    OpenWithDialogs();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString(dir.file("print.pdf"));
    printer.setOutputFileName(pdf);
    const QRect drawn = PrintWindowImage(window.get(), printer);
    const QSize expected = PrintedSize(window->size(), window->logicalDpiX(), printer.logicalDpiX(),
                                       printer.logicalDpiY());
    EXPECT_EQ(drawn, QRect(QPoint(0, 0), expected));
    // Physical size: 604 px at the screen's dpi is the same number of inches on paper.
    EXPECT_NEAR(drawn.width() / double(printer.logicalDpiX()), window->width() / double(window->logicalDpiX()), 0.01);

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "one page";
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(bytes.contains(QByteArray("/Width ") + QByteArray::number(window->grab().width())));
}

TEST_F(Commands, PrintingWithoutADefaultPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    OpenWithDialogs();
    SeenBox seen;
    ModalScript script;
    script.thenMessageBox(&seen);
    Button("SpeedButton10")->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QStringLiteral("There is no default printer. Install a printer or choose one as the default, "
                                        "then print again."));
}

}  // namespace
}  // namespace qv::test
