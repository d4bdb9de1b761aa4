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
        {"metre", "m", "M\xE8tre", true},                    // Mètre
        {"\xC9T\xC9", "x", "ete", true},                     // ÉTÉ finds "ete"
        {"celsius", "C\xB0", "degrees Celsius", true},
        {"\xB5m", "\xB5m", "micrometers", true},             // µm
        {"s", "x", "\x8A", true},                            // Š
        {"ae", "x", "\xE6on", false},                        // æ is a letter of its own
        {"\xF7", "\xD7", "times", false},                    // ÷ is not ×
        {"yard", "ft", "feet", false},
        {"feet and more", "ft", "feet", false},
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

}  // namespace
}  // namespace qv
