// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Category.h"
#include "catalogue/ConversionCell.h"
#include "catalogue/UnitAppender.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TCategory LengthCategory()
{
    TCategory c;
    c.Name = "Length";
    c.AppendUnit("m", "meters", 1.0L);
    c.AppendUnit("km", "kilometers", 1000.0L);
    c.AppendUnit("ft", "feet", 0.3048L);
    return c;
}

TEST(AppendUnit, RefusesATakenSymbolExactlyAndLeavesTheCategoryAsItWas)
{
    TCategory c;
    c.AppendUnit("m", "meters", 1.0L);
    try {
        c.AppendUnit("m", "other", 2.0L);
        FAIL() << "duplicate accepted";
    } catch (const eNameError& e) {
        EXPECT_STREQ(e.what(), "m already exists. A unit's symbol must be unique.");
    }
    EXPECT_EQ(c.UnitCount(), 1);
    c.AppendUnit("M", "mega", 2.0L);  // symbols are case-sensitive
    EXPECT_EQ(c.UnitCount(), 2);
    EXPECT_TRUE(c.UnitAt(1).Custom);
    EXPECT_FALSE(c.UnitAt(1).Hidden);
}

TEST(AppendUnit, FirstUnitBecomesTheDefaultWithFactorOne)
{
    TCategory c;
    c.DefaultIndex = 5;
    c.AppendUnit("ft", "feet", 0.3048L);
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(c.DefaultIndex, 0);
    c.AppendUnit("in", "inches", 1.0L / 12.0L);
    EXPECT_EQ(c.UnitAt(1).Factor, 1.0L / 12.0L);  // later units keep their factor
}

TEST(UnitAppender, KeepsTheRulesOfAppendUnit)
{
    TCategory c = LengthCategory();
    TUnitAppender units(c);
    struct Row {
        const char* symbol;
        bool taken;
    } rows[] = {{"in", false}, {"m", true}, {"in", true}, {"M", false}, {"ft", true}, {"yd", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.symbol);
        try {
            units.Append(row.symbol, "", 2.0L);
            EXPECT_FALSE(row.taken) << "duplicate accepted";
        } catch (const eNameError& e) {
            EXPECT_TRUE(row.taken);
            EXPECT_EQ(e.what(), std::string(row.symbol) + " already exists. A unit's symbol must be unique.");
        }
    }
    ASSERT_EQ(c.UnitCount(), 6);
    EXPECT_EQ(c.UnitAt(3).Symbol, "in");
    EXPECT_EQ(c.UnitAt(5).Symbol, "yd");

    TCategory empty;
    TUnitAppender first(empty);
    first.Append("ft", "feet", 0.3048L);
    EXPECT_EQ(empty.DefaultIndex, 0);
    EXPECT_EQ(empty.UnitAt(0).Factor, 1.0L);
}

TEST(SetDefaultUnit, RebasesEveryFactorAndKeepsConversions)
{
    TCategory c = LengthCategory();
    c.Value = 2.0L;
    c.EntryIndex = 1;
    std::vector<Extended> before;
    for (int i = 0; i < c.UnitCount(); ++i) before.push_back(c.ConvertTo(i));

    c.SetDefaultUnit(1);
    EXPECT_EQ(c.DefaultIndex, 1);
    EXPECT_EQ(c.UnitAt(1).Factor, 1.0L);
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L / 1000.0L);
    EXPECT_EQ(c.UnitAt(2).Factor, 0.3048L / 1000.0L);
    for (int i = 0; i < c.UnitCount(); ++i) EXPECT_NEAR(c.ConvertTo(i), before[i], before[i] * 1e-18L) << i;

    c.SetDefaultUnit(-1);  // no default: nothing is rebased
    EXPECT_EQ(c.DefaultIndex, -1);
    EXPECT_EQ(c.UnitAt(1).Factor, 1.0L);
}

TEST(SetDefaultUnit, ZeroFactorFailsWithoutChangingAnything)
{
    TCategory c = LengthCategory();
    c.UnitAt(2).Factor = 0.0L;
    try {
        c.SetDefaultUnit(2);
        FAIL();
    } catch (const EZeroFactorDefault& e) {
        EXPECT_STREQ(e.what(), "ft cannot be the default unit: its factor is 0.");
    }
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(c.UnitAt(1).Factor, 1000.0L);
    EXPECT_THROW(c.SetDefaultUnit(3), EListError);
}

TEST(ConvertTo, MultipliesByTheEntryFactorThenDividesByTheTarget)
{
    TCategory c = LengthCategory();
    c.Value = 2.0L;
    c.EntryIndex = 1;
    EXPECT_EQ(c.ConvertTo(2), (2.0L * 1000.0L) / 0.3048L);
    EXPECT_EQ(c.ConvertTo(1), 2.0L);
}

TEST(ConvertTo, ArithmeticFaultsAreTypedErrors)
{
    TCategory c = LengthCategory();
    c.UnitAt(2).Factor = 0.0L;
    EXPECT_THROW(c.ConvertTo(2), EZeroDivide);
    c.EntryIndex = 2;  // a unit of size 0 holds no quantity: not 0 in every unit
    EXPECT_THROW(c.ConvertTo(1), EZeroDivide);
    c.EntryIndex = 0;
    c.Value = MaxExtended;
    EXPECT_EQ(c.ConvertTo(1), MaxExtended / 1000.0L);
    c.EntryIndex = 1;  // max × 1000 does not fit
    try {
        c.ConvertTo(0);
        FAIL();
    } catch (const EOverflow& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

// A cell that cannot be computed says why; its neighbours still convert.
TEST(ConvertCell, ArithmeticFaultsBecomeShortTexts)
{
    TCategory c = LengthCategory();
    c.AppendUnit("zf", "zero factor", 0.0L);
    c.AppendUnit("fm", "femtometers", 1E-15L);
    const struct {
        Extended Value;
        std::int32_t Entry, Target;
        const char* Fault;  // "" for a value
        const char* Message;
    } rows[] = {
        {2.0L, 0, 1, "", ""},
        {2.0L, 0, 3, "division by zero", "Floating point division by zero"},
        {0.0L, 0, 3, "invalid", "Invalid floating point operation"},
        {2.0L, 3, 0, "division by zero", "Floating point division by zero"},
        {1E4928L, 1, 4, "overflow", "Floating point overflow"},
        {1E4928L, 1, 0, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Target);
        c.Value = row.Value;
        c.EntryIndex = row.Entry;
        const TConversionCell cell = ConvertCell(c, row.Target);
        EXPECT_EQ(cell.Fault, row.Fault);
        EXPECT_EQ(cell.Message, row.Message);
        if (!cell.Failed()) {
            EXPECT_EQ(cell.Value, c.ConvertTo(row.Target));
        }
    }
    EXPECT_THROW(ConvertCell(c, 9), EListError);
}

TEST(ConvertTo, PositionsOutsideTheUnitsRaiseTheListError)
{
    TCategory c = LengthCategory();
    c.EntryIndex = 7;  // as a package file may hold
    try {
        c.ConvertTo(0);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (7)");
    }
    c.EntryIndex = 0;
    EXPECT_THROW(c.ConvertTo(-1), EListError);
    EXPECT_THROW(c.UnitAt(3), EListError);
}

TEST(VisibleUnitCount, CountsUnitsThatAreNotHidden)
{
    TCategory c = LengthCategory();
    EXPECT_EQ(c.VisibleUnitCount(), 3);
    c.UnitAt(0).Hidden = true;
    c.UnitAt(2).Hidden = true;
    EXPECT_EQ(c.VisibleUnitCount(), 1);
}

struct RemoveCase {
    const char* name;
    int units;
    int remove;
    int defaultBefore, entryBefore, selectedBefore;
    int defaultAfter, entryAfter, selectedAfter;
};

TEST(RemoveUnit, KeepsRememberedPositionsOnTheirUnits)
{
    const RemoveCase cases[] = {
        {"entry is the last unit and goes", 3, 2, 0, 2, 0, 0, 1, 0},
        {"a unit before the entry goes", 3, 0, 1, 2, 0, 0, 1, 0},
        {"selected stays when a unit before it goes", 4, 0, 3, 0, 2, 2, 0, 2},
        {"selected last unit goes", 3, 2, 0, 0, 2, 0, 0, 1},
        {"default goes", 3, 1, 1, 0, 0, -1, 0, 0},
        {"only unit goes", 1, 0, 0, 0, 0, -1, 0, 0},
        {"unit after everything goes", 4, 3, 0, 1, 1, 0, 1, 1},
        // The selection would point past the end; it is kept on the last unit.
        {"selected last while an earlier unit goes", 3, 0, 1, 1, 2, 0, 0, 1},
    };
    for (const RemoveCase& rc : cases) {
        SCOPED_TRACE(rc.name);
        TCategory c;
        for (int i = 0; i < rc.units; ++i) c.AppendUnit("u" + std::to_string(i), "", i + 1.0L);
        c.DefaultIndex = rc.defaultBefore;
        c.EntryIndex = rc.entryBefore;
        c.SelectedIndex = rc.selectedBefore;
        c.RemoveUnit(rc.remove);
        EXPECT_EQ(c.UnitCount(), rc.units - 1);
        EXPECT_EQ(c.DefaultIndex, rc.defaultAfter);
        EXPECT_EQ(c.EntryIndex, rc.entryAfter);
        EXPECT_EQ(c.SelectedIndex, rc.selectedAfter);
    }
}

TEST(RemoveUnit, RemovingTheDefaultLeavesFactorsAlone)
{
    TCategory c = LengthCategory();
    c.RemoveUnit(0);
    EXPECT_EQ(c.DefaultIndex, -1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "km");
    EXPECT_EQ(c.UnitAt(0).Factor, 1000.0L);
    EXPECT_THROW(c.RemoveUnit(2), EListError);
    EXPECT_EQ(c.UnitCount(), 2);
}

TEST(Categories, AppendRefusesTakenNamesExactly)
{
    TCategories cats;
    TCategory& added = cats.AppendCategory("Length");
    EXPECT_TRUE(added.Custom);
    EXPECT_EQ(added.UnitCount(), 0);
    EXPECT_EQ(added.Value, 1.0L);
    try {
        cats.AppendCategory("Length");
        FAIL();
    } catch (const eNameError& e) {
        EXPECT_STREQ(e.what(), "Length already exists.");
    }
    cats.AppendCategory("length");
    EXPECT_EQ(cats.CategoryCount(), 2);
}

TEST(Categories, CategoryAtReportsTheCountAsUpperBound)
{
    TCategories cats;
    for (const char* n : {"a", "b", "c", "d", "e"}) cats.AppendCategory(n);
    try {
        cats.CategoryAt(7);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "7 Out of Range 0-5");
    }
    cats.RemoveCategory(4);
    cats.RemoveCategory(3);
    try {
        cats.RemoveCategory(-1);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "-1 Out of Range 0-3");
    }
    EXPECT_EQ(cats.CategoryAt(2).Name, "c");
}

TEST(Categories, HasCustomUnitsLooksAtEveryCategory)
{
    TCategories cats;
    cats.AppendCategory("a").AppendUnit("x", "", 1.0L);
    cats.AppendCategory("b").AppendUnit("y", "", 1.0L);
    cats.CategoryAt(0).UnitAt(0).Custom = false;
    EXPECT_TRUE(cats.HasCustomUnits());
    cats.CategoryAt(1).UnitAt(0).Custom = false;
    EXPECT_FALSE(cats.HasCustomUnits());
}

}  // namespace
}  // namespace qv
