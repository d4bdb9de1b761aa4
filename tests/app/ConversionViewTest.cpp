// SPDX-License-Identifier: GPL-3.0-or-later
// What the view shows after each event, and that rebuilding triggers nothing.
#include "MainWindowFixture.h"

#include "catalogue/Packages.h"
#include "expr/NumberText.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"

#include <QComboBox>
#include <QTest>
#include <QToolButton>

namespace qv::test {
namespace {

class ConversionView : public MainWindowFixture {};

const QString Km = QStringLiteral("km (kilometers)");
const QString Ft = QStringLiteral("ft (feet)");
const QString M = QStringLiteral("m (meters)");

TEST_F(ConversionView, LengthInMetresAtPrecisionSix)
{
    Open();
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Length"));
    EXPECT_EQ(Grid()->rowCount(), 38);
    EXPECT_EQ(ValueOf(Km), QStringLiteral("0.001"));
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("3.28084"));
    EXPECT_EQ(Grid()->currentRow(), RowOf(M)) << "the default unit is highlighted";
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 1 m"));
    EXPECT_EQ(Status(1), QStringLiteral("Custom Category"));

    ClickRow(RowOf(Ft));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 3.28084 ft"));
    EXPECT_EQ(Catalogue.CategoryAt(0).SelectedIndex, 16);
    EXPECT_TRUE(Find<QToolButton>("SpeedButton5")->isEnabled()) << "ft is not the default";
    ClickRow(RowOf(M));
    EXPECT_FALSE(Find<QToolButton>("SpeedButton5")->isEnabled());
}

TEST_F(ConversionView, TypedExpressionIsConvertedIntoEveryUnit)
{
    Open();
    EnterValue(QStringLiteral("12*2.54"));
    EXPECT_EQ(Catalogue.CategoryAt(0).Value, 30.48L);
    EXPECT_EQ(Find<TDataEdit>("EntryValue")->text(), QStringLiteral("30.48"));
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("100"));
    EXPECT_EQ(ValueOf(QStringLiteral("cm (centimeters)")), QStringLiteral("3048"));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 1 m")) << "the status line states one unit";
}

TEST_F(ConversionView, NumberFormatAndDefinitionsToggle)
{
    Open();
    // The buttons are pressed while scientific notation or definitions are on.
    auto* format = Find<QToolButton>("SpeedButton7");
    auto* definitions = Find<QToolButton>("SpeedButton12");
    EXPECT_FALSE(format->isChecked());
    EXPECT_TRUE(definitions->isChecked());
    ClickRow(RowOf(Ft));
    Press(Grid(), Qt::Key_N);
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("3.28084e+0"));
    EXPECT_EQ(ValueOf(Km), QStringLiteral("1.00000e-3"));
    EXPECT_TRUE(format->isChecked());
    format->click();
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("3.28084"));
    EXPECT_FALSE(format->isChecked());

    Press(Categories(), Qt::Key_D);
    EXPECT_EQ(definitions->toolTip(), QStringLiteral("Show Unit Definitions"));
    EXPECT_FALSE(definitions->isChecked());
    EXPECT_EQ(ValueOf(QStringLiteral("ft")), QStringLiteral("3.28084"));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 3.28084 ft"));
    definitions->click();
    EXPECT_EQ(definitions->toolTip(), QStringLiteral("Hide Unit Definitions"));
    EXPECT_TRUE(definitions->isChecked());
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("3.28084"));
}

// One action carries the key in every table, also in the package chooser
// inside the tool bar: each press switches exactly once.
TEST_F(ConversionView, NumberFormatKeySwitchesOnceInEveryTable)
{
    Open();
    bool scientific = false;
    for (const char* owner : {"Grid2", "LBCategories", "EntryUnit", "EntryPrecision", "SelectPak", "sbMain"}) {
        SCOPED_TRACE(owner);
        Press(Find<QWidget>(owner), Qt::Key_N);
        scientific = !scientific;
        EXPECT_EQ(window->UseScientific(), scientific);
    }
}

TEST_F(ConversionView, LettersInTheValueFieldAreTyped)
{
    Open();
    auto* field = Find<TDataEdit>("EntryValue");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("ND"));
    EXPECT_EQ(field->text(), QStringLiteral("ND"));
    EXPECT_FALSE(window->UseScientific());
    EXPECT_TRUE(window->ShowDefinitions());
    field->setText(QStringLiteral("1"));
}

TEST_F(ConversionView, PrecisionLimitsTheDigits)
{
    Open();
    EnterValue(QStringLiteral("1/3"));
    auto* precision = Find<TDataEdit>("EntryPrecision");
    precision->setFocus();
    precision->selectAll();
    QTest::keyClicks(precision, QStringLiteral("2"));
    QTest::keyClick(precision, Qt::Key_Return);
    EXPECT_EQ(ValueOf(M), QStringLiteral("0.33"));
    precision->selectAll();
    QTest::keyClicks(precision, QStringLiteral("17.5"));  // rounded to the even neighbour
    QTest::keyClick(precision, Qt::Key_Return);
    EXPECT_EQ(precision->text(), QStringLiteral("18"));
    EXPECT_EQ(ValueOf(M), QStringLiteral("0.333333333333333333"));

    QTest::mouseClick(Find<QWidget>("PrecisionAdjust")->findChild<QWidget*>(QStringLiteral("Up")), Qt::LeftButton);
    EXPECT_EQ(precision->text(), QStringLiteral("18")) << "held at 18";
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(Find<QWidget>("PrecisionAdjust")->findChild<QWidget*>(QStringLiteral("Down")),
                          Qt::LeftButton);
    EXPECT_EQ(precision->text(), QStringLiteral("2"));
    EXPECT_EQ(ValueOf(M), QStringLiteral("0.33"));
    Press(precision, Qt::Key_Up);
    EXPECT_EQ(ValueOf(M), QStringLiteral("0.333"));
}

TEST_F(ConversionView, ARowClickedWhileTypingAValueIsTheRowSelected)
{
    Open();
    auto* field = Find<TDataEdit>("EntryValue");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("3"));
    // Leaving the field rebuilds the view before the click is handled.
    const int row = RowOf(QStringLiteral("league (leagues, statute)"));
    ClickRow(row);
    EXPECT_EQ(Grid()->currentRow(), row);
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 0.000207124 league"));
    EXPECT_EQ(ValueOf(M), QStringLiteral("3"));
}

TEST_F(ConversionView, HiddenUnitsStayInTheUnitChooser)
{
    Open();
    Catalogue.CategoryAt(0).UnitAt(7).Hidden = true;  // km
    window->RefreshView();
    EXPECT_EQ(RowOf(Km), -1);
    EXPECT_EQ(Grid()->rowCount(), 37);
    auto* unit = Find<QComboBox>("EntryUnit");
    EXPECT_EQ(unit->count(), 38);
    EXPECT_EQ(unit->itemText(7), Km);
    EXPECT_TRUE(Find<QToolButton>("SpeedButton9")->isEnabled());
    EXPECT_EQ(window->SelectedUnitIndex(), 6);
    EXPECT_EQ(window->Grid1Text(7, 1), QStringLiteral("0.001")) << "the full list keeps every unit";
}

TEST_F(ConversionView, ChangingTheEntryUnitKeepsTheNumber)
{
    Open();
    EnterValue(QStringLiteral("5"));
    auto* unit = Find<QComboBox>("EntryUnit");
    unit->setFocus();
    unit->setCurrentIndex(7);
    Q_EMIT unit->activated(7);  // as a user's pick
    EXPECT_EQ(Catalogue.CategoryAt(0).EntryIndex, 7);
    EXPECT_EQ(ValueOf(M), QStringLiteral("5000"));

    DoubleClickRow(RowOf(Ft));
    EXPECT_EQ(Catalogue.CategoryAt(0).EntryIndex, 16);
    EXPECT_EQ(Find<TDataEdit>("EntryValue")->text(), QStringLiteral("5"));
    EXPECT_EQ(ValueOf(Ft), QStringLiteral("5"));
    EXPECT_EQ(ValueOf(M), QStringLiteral("1.524"));
}

TEST_F(ConversionView, TemperatureDisablesAddingAndDeletingUnits)
{
    Open();
    SelectCategory(1);
    EXPECT_EQ(Status(0), QStringLiteral("Temperature, 1 C\u00B0 = 1 C\u00B0"));
    EXPECT_FALSE(Find<QToolButton>("SpeedButton3")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>("SpeedButton4")->isEnabled());
    EnterValue(QStringLiteral("100"));
    EXPECT_EQ(ValueOf(QStringLiteral("F\u00B0 (Fahrenheit)")), QStringLiteral("212"));
    EXPECT_EQ(ValueOf(QStringLiteral("K (Kelvin)")), QStringLiteral("373.15"));
    SelectCategory(0);
    EXPECT_TRUE(Find<QToolButton>("SpeedButton3")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>("SpeedButton4")->isEnabled());
}

TEST_F(ConversionView, OneVisibleUnitDisablesHiding)
{
    Open({"Moments of Inertia"});
    TCategory& c = Catalogue.CategoryAt(0);
    for (int i = 0; i < c.UnitCount(); ++i) c.UnitAt(i).Hidden = i != c.DefaultIndex;
    window->RefreshView();
    EXPECT_EQ(Grid()->rowCount(), 1);
    EXPECT_FALSE(Find<QToolButton>("SpeedButton8")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>("SpeedButton9")->isEnabled());
}

TEST_F(ConversionView, ClickingTheSelectedCategoryDoesNotRebuild)
{
    Open();
    Catalogue.CategoryAt(0).Value = 2.0L;  // behind the view's back
    SelectCategory(0);
    EXPECT_EQ(ValueOf(M), QStringLiteral("1")) << "no rebuild";
    SelectCategory(2);
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Area"));
    SelectCategory(0);
    EXPECT_EQ(ValueOf(M), QStringLiteral("2")) << "another category was picked: rebuilt";
}

TEST_F(ConversionView, EachCategoryKeepsItsValueAndUnits)
{
    Open();
    EnterValue(QStringLiteral("7"));
    ClickRow(RowOf(Km));
    SelectCategory(2);
    EnterValue(QStringLiteral("3"));
    SelectCategory(0);
    EXPECT_EQ(Find<TDataEdit>("EntryValue")->text(), QStringLiteral("7"));
    EXPECT_EQ(Grid()->currentRow(), RowOf(Km));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 0.001 km"));
}

TEST_F(ConversionView, CommaSeparatorIsReadAndShown)
{
    SetDecimalSeparator(',');
    Open();
    EnterValue(QStringLiteral("1,5"));
    EXPECT_EQ(ValueOf(Km), QStringLiteral("0,0015"));
    EXPECT_EQ(Find<TDataEdit>("EntryValue")->text(), QStringLiteral("1,5"));
}

TEST_F(ConversionView, UnreadableValueIsReportedAndNothingStored)
{
    Open();
    SeenBox seen;
    ModalScript script;
    script.thenMessageBox(&seen);
    EnterValue(QStringLiteral("2+"));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen.title, QStringLiteral("Quantova"));
    EXPECT_EQ(seen.text, QStringLiteral("Entry could not be evaluated:\ninvalid expression."));
    EXPECT_EQ(Catalogue.CategoryAt(0).Value, 1.0L);
    Find<TDataEdit>("EntryValue")->setText(QStringLiteral("1"));
}

// A value that overflows in some units fails only their cells; the status
// line says what failed while such a row is highlighted.
TEST_F(ConversionView, OverflowFailsOnlyItsOwnCells)
{
    Open();
    const QString fm = QStringLiteral("fm (fermies)");
    EnterValue(QStringLiteral("1e4930"));  // beyond the extended range in fm
    EXPECT_EQ(Catalogue.CategoryAt(0).Value, 1E4930L);
    EXPECT_EQ(Grid()->rowCount(), 38);
    EXPECT_EQ(ValueOf(fm), QStringLiteral("overflow"));
    EXPECT_EQ(ValueOf(Km), QStringLiteral("1e4927"));
    ClickRow(RowOf(fm));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1e4930 m in fm: overflow"));
    ClickRow(RowOf(Km));
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 0.001 km"));
}

TEST_F(ConversionView, EmptyCatalogueAndUnitlessCategoryShowEmptyControls)
{
    Open({"Length"});
    Catalogue.AppendCategory("Nothing yet");
    window->RefreshView();
    SelectCategory(1);
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_EQ(Find<QComboBox>("EntryUnit")->count(), 0);
    Catalogue.Clear();
    window->RefreshView();
    EXPECT_EQ(Categories()->count(), 0);
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_TRUE(Status(0).isEmpty());
    Press(Grid(), Qt::Key_Delete);
    Press(Grid(), Qt::Key_H);
    Press(Categories(), Qt::Key_Delete);
}

class PackageChooser : public MainWindowFixture {
protected:
    void WritePackage(const std::string& caption, const std::string& category, bool active)
    {
        TCategories p;
        p.Caption = caption;
        p.Active = active;
        p.AppendCategory(category).AppendUnit("u", "unit", 1.0L);
        p.SaveToFile(dir.file(caption + ".qv"));
    }
};

TEST_F(PackageChooser, PickingAnotherPackageSwitchesAndRebuilds)
{
    WritePackage("beta", "FromBeta", false);
    WritePackage("Alpha", "FromAlpha", true);
    StartUp(dir.path(), {});
    window = std::make_unique<TFrmMain>(nullptr);
    window->show();
    auto* pak = Find<QComboBox>("SelectPak");
    ASSERT_EQ(pak->count(), 2);
    EXPECT_EQ(pak->itemText(0), QStringLiteral("Alpha"));
    EXPECT_EQ(pak->itemText(1), QStringLiteral("beta"));
    EXPECT_EQ(pak->currentIndex(), 0);

    pak->setCurrentIndex(1);
    Q_EMIT pak->activated(1);
    EXPECT_EQ(Catalogue.Caption, "beta");
    EXPECT_EQ(Categories()->item(0)->text(), QStringLiteral("FromBeta"));
    EXPECT_EQ(Status(1), QStringLiteral("beta"));
    TCategories alpha;
    alpha.LoadFromFile(dir.file("Alpha.qv"));
    EXPECT_FALSE(alpha.Active);
}

TEST_F(PackageChooser, RebuildingTheViewSwitchesNothing)
{
    WritePackage("beta", "FromBeta", false);
    WritePackage("Alpha", "FromAlpha", true);
    StartUp(dir.path(), {});
    window = std::make_unique<TFrmMain>(nullptr);
    window->show();
    for (int i = 0; i < 3; ++i) window->RefreshView();
    EXPECT_EQ(Catalogue.Caption, "Alpha");
    TCategories alpha;
    alpha.LoadFromFile(dir.file("Alpha.qv"));
    EXPECT_TRUE(alpha.Active) << "never written by a rebuild";
}

}  // namespace
}  // namespace qv::test
