// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/BuiltInTables.h"
#include "builtin/BuildCats.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace qv {
namespace {

struct Expected {
    const char* name;
    int units;
    const char* defaultSymbol;
};

// Names in table order, unit counts and default units as published.
const Expected Categories[] = {
    {"Length", 38, "m"},
    {"Area", 15, "m\xB2"},
    {"Volume", 35, "m\xB3"},
    {"Time", 13, "s"},
    {"Velocity (Speed)", 25, "m/s"},
    {"Acceleration", 6, "m/s\xB2"},
    {"Mass", 20, "kg"},
    {"Force (Weight)", 13, "N"},
    {"Pressure (Stress)", 29, "Pa"},
    {"Density", 11, "kg/m\xB3"},
    {"Subgrade Modulus", 11, "kg/m\xB3"},
    {"Temperature", 4, "C\xB0"},
    {"Metric Prefixes", 17, "B"},
    {"Angle", 7, "rad"},
    {"Torque (Moment)", 9, "dyne-cm"},
    {"Energy (Work)", 16, "J"},
    {"Power", 21, "W"},
    {"Unit Weight & Mass Density", 6, "gf/cm\xB3"},
    {"Kinematic Viscosity (Coefficient of Consolidation)", 13, "m\xB2/s"},
    {"Moments of Inertia", 4, "m^4"},
    {"Angular Velocity", 7, "rad/s"},
    {"Angular Acceleration", 4, "rad/s\xB2"},
    {"Capacitance", 7, "F"},
    {"Charge", 7, "C"},
    {"Current", 8, "A"},
    {"Dynamic Viscosity", 15, "N-s/m\xB2"},
    {"Illuminance", 4, "lx"},
    {"Inductance", 7, "H"},
    {"Luminance", 4, "cd/m\xB2"},
    {"Magnetic Flux", 3, "Mx"},
    {"Specific Heat", 10,
     "J/kg\xB0"
     "C"},
    {"Thermal Conductivity", 12,
     "W/m\xB0"
     "C"},
    {"Voltage", 8, "V"},
    {"Flexural Rigidity (Bending Sitffness)", 7, "kN-m\xB2"},
    {"Currency", 167, "USD"},
    {"Computer Bits", 10, "B"},
};

class BuiltInBuild : public testing::Test {
protected:
    // Builds every built-in category into a fresh catalogue.
    void BuildAll()
    {
        std::vector<std::string> work = ListBuiltInCategories();
        BuildBuiltInCategories(catalogue, work, dir.path());
        EXPECT_TRUE(work.empty());
    }

    const TUnit& Unit(const std::string& category, const std::string& symbol)
    {
        for (int c = 0; c < catalogue.CategoryCount(); ++c) {
            const TCategory& cat = catalogue.CategoryAt(c);
            if (cat.Name != category) continue;
            for (int u = 0; u < cat.UnitCount(); ++u)
                if (cat.UnitAt(u).Symbol == symbol) return cat.UnitAt(u);
        }
        throw std::runtime_error("no unit " + symbol + " in " + category);
    }

    test::TempDir dir;
    TCategories catalogue;
};

TEST(BuiltInTables, NamesAreTheThirtySixInOrder)
{
    const std::vector<std::string> names = ListBuiltInCategories();
    ASSERT_EQ(names.size(), std::size(Categories));
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], Categories[i].name) << i;
}

TEST(BuiltInTables, SymbolsAreUniqueWithinEachCategory)
{
    for (const BuiltInCategory& entry : BuiltInCategoryTable()) {
        std::set<std::string> seen;
        for (const BuiltInUnit& unit : entry.Units)
            EXPECT_TRUE(seen.insert(unit.Symbol).second) << entry.Name << ": " << unit.Symbol;
    }
}

TEST(BuiltInTables, SpecialCharactersAreSingleWindows1252Bytes)
{
    struct Row {
        const char* category;
        int position;
        const char* symbol;
        const char* definition;
    } rows[] = {
        {"Length", 2, "m\xB5", "millimicrons"}, {"Length", 3, "\xB5", "microns"},
        {"Length", 8, "\xB5in", "microinches"}, {"Area", 2, "m\xB2", "meters\xB2"},
        {"Volume", 7, "m\xB3", "meters\xB3"},   {"Temperature", 0, "C\xB0", "Celsius"},
        {"Temperature", 3, "R\xB0", "Rankine"}, {"Torque (Moment)", 7, "kip-in", "kilopound inches "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.symbol);
        const BuiltInCategory* entry = nullptr;
        for (const BuiltInCategory& e : BuiltInCategoryTable())
            if (std::string(e.Name) == row.category) entry = &e;
        ASSERT_NE(entry, nullptr);
        ASSERT_GT(entry->Units.size(), static_cast<std::size_t>(row.position));
        EXPECT_EQ(std::string(entry->Units[row.position].Symbol), row.symbol);
        EXPECT_EQ(std::string(entry->Units[row.position].Definition), row.definition);
    }
}

TEST_F(BuiltInBuild, EveryCategoryBuildsWithItsUnitsAndDefault)
{
    BuildAll();
    ASSERT_EQ(catalogue.CategoryCount(), 36);
    for (int i = 0; i < 36; ++i) {
        const TCategory& c = catalogue.CategoryAt(i);
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Name, Categories[i].name);
        EXPECT_EQ(c.UnitCount(), Categories[i].units);
        ASSERT_GE(c.DefaultIndex, 0);
        EXPECT_EQ(c.UnitAt(c.DefaultIndex).Symbol, Categories[i].defaultSymbol);
        EXPECT_EQ(c.UnitAt(c.DefaultIndex).Factor, 1.0L);
        EXPECT_EQ(c.EntryIndex, c.DefaultIndex);
        EXPECT_EQ(c.SelectedIndex, c.DefaultIndex);
        EXPECT_EQ(c.Value, 1.0L);
        EXPECT_FALSE(c.Custom);
        for (int u = 0; u < c.UnitCount(); ++u) {
            EXPECT_FALSE(c.UnitAt(u).Custom);
            EXPECT_FALSE(c.UnitAt(u).Hidden);
        }
    }
    EXPECT_FALSE(catalogue.HasCustomUnits());
}

TEST_F(BuiltInBuild, FactorsAreTheTableQuotientsInExtendedPrecision)
{
    BuildAll();
    struct Row {
        const char* category;
        const char* symbol;
        Extended factor;
    } rows[] = {
        {"Length", "in", 2.54E13L / 1E15L},        {"Length", "fm", 1.0L / 1E15L},
        {"Length", "km", 1E18L / 1E15L},           {"Length", "ft surv", 3.048006096012192025E14L / 1E15L},
        {"Length", "mi", 1.609344E18L / 1E15L},    {"Area", "a", 4.0468564224E31L / 1E28L},
        {"Volume", "l", 1000000.0L / 9.99972E8L},  {"Computer Bits", "b", 0.125L},
        {"Computer Bits", "TB", 1099511627776.0L}, {"Unit Weight & Mass Density", "kgf/m\xB3", 0.001L},
        {"Metric Prefixes", "m", 0.001L},          {"Metric Prefixes", "M", 1E6L},
        {"Metric Prefixes", "p", 1E-12L},          {"Metric Prefixes", "P", 1E15L},
        {"Torque (Moment)", "N-m", 1E7L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.category) + " " + row.symbol);
        EXPECT_EQ(Unit(row.category, row.symbol).Factor, row.factor);
    }
}

// Well-known conversions, to catch a mistyped digit in the tables.
TEST_F(BuiltInBuild, FactorsAgreeWithKnownConversions)
{
    BuildAll();
    struct Row {
        const char* category;
        const char* symbol;
        long double value;
    } rows[] = {
        {"Length", "ft", 0.3048L},
        {"Length", "nmi", 1852.0L},
        {"Area", "ft\xB2", 0.09290304L},
        {"Volume", "gal", 0.003785411784L},
        {"Time", "day", 86400.0L},
        {"Velocity (Speed)", "mph", 0.44704L},
        {"Acceleration", "g", 9.80665L},
        {"Mass", "lbm", 0.45359237L},
        {"Force (Weight)", "lbf", 4.4482216L},
        {"Pressure (Stress)", "psi", 6894.7572L},
        {"Pressure (Stress)", "atm", 101325.0L},
        {"Angle", "\xB0", 0.017453292519943L},
        {"Energy (Work)", "kW-hr", 3.6E6L},
        {"Power", "hp US", 745.69987L},
        {"Computer Bits", "KB", 1024.0L},
        {"Magnetic Flux", "Wb", 1E8L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.category) + " " + row.symbol);
        EXPECT_NEAR(Unit(row.category, row.symbol).Factor / row.value, 1.0L, 1e-4L);
    }
}

TEST_F(BuiltInBuild, BuildClearsCustomFlagsOfCategoriesAlreadyPresent)
{
    TCategory& mine = catalogue.AppendCategory("Mine");
    mine.AppendUnit("x", "ex", 1.0L);
    ASSERT_TRUE(catalogue.HasCustomUnits());
    std::vector<std::string> work{"Time", "Area"};
    BuildBuiltInCategories(catalogue, work, dir.path());
    ASSERT_EQ(catalogue.CategoryCount(), 3);
    EXPECT_EQ(catalogue.CategoryAt(1).Name, "Time");
    EXPECT_EQ(catalogue.CategoryAt(2).Name, "Area");
    EXPECT_FALSE(catalogue.HasCustomUnits());
    EXPECT_FALSE(catalogue.CategoryAt(0).Custom);
}

TEST_F(BuiltInBuild, UnknownNamesArePassedOver)
{
    std::vector<std::string> work{"Nonsense", "length", "Angle"};
    BuildBuiltInCategories(catalogue, work, dir.path());
    EXPECT_TRUE(work.empty());
    ASSERT_EQ(catalogue.CategoryCount(), 1);
    EXPECT_EQ(catalogue.CategoryAt(0).Name, "Angle");
}

TEST_F(BuiltInBuild, AFailingBuildKeepsWhatWasBuiltAndTheFailingName)
{
    catalogue.AppendCategory("Area");
    std::vector<std::string> work{"Time", "Area", "Mass"};
    EXPECT_THROW(BuildBuiltInCategories(catalogue, work, dir.path()), eNameError);
    EXPECT_EQ(work, (std::vector<std::string>{"Area", "Mass"}));
    EXPECT_EQ(catalogue.CategoryCount(), 2);
    EXPECT_TRUE(catalogue.CategoryAt(0).Custom) << "flags are cleared only after a complete build";
}

TEST_F(BuiltInBuild, TemperatureConvertsByItsFormulas)
{
    std::vector<std::string> work{"Temperature"};
    BuildBuiltInCategories(catalogue, work, dir.path());
    TCategory& t = catalogue.CategoryAt(0);
    t.Value = 100.0L;
    EXPECT_NEAR(t.ConvertTo(1), 212.0L, 1e-15L);
    EXPECT_NEAR(t.ConvertTo(2), 373.15L, 1e-15L);
}

}  // namespace
}  // namespace qv
