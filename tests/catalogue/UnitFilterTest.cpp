// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitFilter.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(UnitFilter, MatchesSymbolOrDefinitionBlindToCaseAndAccents)
{
    struct Case {
        const char* filter;
        const char* symbol;
        const char* definition;
        bool matches;
    };
    const Case cases[] = {
        {"", "m", "meters", true},
        {"ft", "ft", "feet", true},
        {"FEE", "ft", "feet", true},
        {"jpy", "JPY", "Japanese yen", true},
        {"metre", "m", "M\xE8tre", true},  // Mètre
        {"\xC9T\xC9", "x", "ete", true},   // ÉTÉ finds "ete"
        {"celsius", "C\xB0", "degrees Celsius", true},
        {"\xB5m", "\xB5m", "micrometers", true},  // µm
        {"s", "x", "\x8A", true},                 // Š
        {"ae", "x", "\xE6on", false},             // æ is a letter of its own
        {"\xF7", "\xD7", "times", false},         // ÷ is not ×
        {"yard", "ft", "feet", false},
        {"feet and more", "ft", "feet", false},
        // What people type for the characters their keyboard lacks.
        {"m2", "m\xB2", "meters\xB2", true},
        {"cm3", "cm\xB3", "centimeters\xB3", true},
        {"ul", "\xB5l", "microliters", true},
        {"um", "\xB5", "microns", false},  // µ alone is not µm
        {"degC", "C\xB0", "Celsius", true},
        {"DEGf", "F\xB0", "Fahrenheit", true},
        {"\xB0"
         "C",
         "C\xB0", "Celsius", true},  // °C
        {"C", "C\xB0", "Celsius", true},
        {"degC", "F\xB0", "Fahrenheit", false},
        {"degC",
         "J/kg\xB0"
         "C",
         "joules/kilogram", true},
        {"degC", "x",
         "0\xB0"
         "C",
         true},  // in a definition
        {"deg", "\xB0", "of arc", true},
        {"deg", "x", "degrees", true},
        {"degrees", "\xB0", "of arc", false},
        {"deg/s", "\xB0/s", "of arc a second", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        TUnit unit;
        unit.Symbol = c.symbol;
        unit.Definition = c.definition;
        EXPECT_EQ(UnitFilter(c.filter).Matches(unit), c.matches);
    }
}

TEST(UnitFilter, ListedUnitsSkipHiddenOnesAndKeepUnitOrder)
{
    TCategory c;
    c.AppendUnit("m", "meters", 1.0L);
    c.AppendUnit("km", "kilometers", 1000.0L);
    c.AppendUnit("ft", "feet", 0.3048L);
    c.AppendUnit("mi", "miles", 1609.344L);
    c.UnitAt(1).Hidden = true;

    EXPECT_EQ(ListedUnits(c, UnitFilter()), (std::vector<std::int32_t>{0, 2, 3}));
    EXPECT_EQ(ListedUnits(c, UnitFilter("M")), (std::vector<std::int32_t>{0, 3}));
    EXPECT_TRUE(ListedUnits(c, UnitFilter("furlong")).empty());
}

// Enter picks the unit whose symbol was typed, also when folded, as long as
// the folded symbol names one unit; otherwise the caller takes the first row.
TEST(UnitFilter, SymbolTypedPicksTheOneUnitNamed)
{
    TCategory c;
    c.AppendUnit("m\xB5", "millimicrons", 1.0L);
    c.AppendUnit("mil", "mils", 2.0L);
    c.AppendUnit("mm", "millimeters", 3.0L);
    c.AppendUnit("Mm", "megameters", 4.0L);
    c.AppendUnit("C\xB0", "Celsius", 5.0L);
    c.AppendUnit("m\xB2", "square meters", 6.0L);
    const std::vector<std::int32_t> all{0, 1, 2, 3, 4, 5};
    const struct {
        const char* typed;
        std::int32_t unit;
    } rows[] = {
        {"mil", 1},  {"MIL", 1}, {"mm", 2}, {"Mm", 3},  {"MM", -1},  // mm and Mm fold alike
        {"degC", 4}, {"m2", 5},  {"mu", 0}, {"mi", -1}, {"", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(SymbolTyped(c, all, row.typed), row.unit);
    }
    EXPECT_EQ(SymbolTyped(c, {0, 2}, "mil"), -1) << "only the listed units";
    EXPECT_EQ(FoldForSearch("degC"), FoldForSearch("C\xB0"));
    EXPECT_EQ(FoldForSearch("\xB0"
                            "C"),
              FoldForSearch("C\xB0"));
}

}  // namespace
}  // namespace qv
