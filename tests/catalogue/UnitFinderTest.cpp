// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitFinder.h"

#include "builtin/BuildCats.h"
#include "catalogue/Cp1252.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TCategories BuiltIns()
{
    TCategories catalogue;
    std::vector<std::string> names = ListBuiltInCategories();
    BuildBuiltInCategories(catalogue, names, "", MissingRatesFile::UseDefaultInMemory);
    return catalogue;
}

std::string Place(const TCategories& catalogue, const UnitPlace& p)
{
    const TCategory& c = catalogue.CategoryAt(p.Category);
    return Cp1252ToUtf8(c.UnitAt(p.Unit).Symbol + " / " + c.Name);
}

// The units a partial text lists first, over the 36 built-in categories.
TEST(FindUnits, BestMatchesComeFirst)
{
    const TCategories catalogue = BuiltIns();
    const struct {
        const char* typed;
        std::vector<std::string> first;
    } cases[] = {
        {"knot", {"knot / Velocity (Speed)"}},
        {"psi", {"psi / Pressure (Stress)"}},
        // m² by its folded symbol, then the symbols that begin with it.
        {"m2", {"m² / Area", "m²/day / Kinematic Viscosity (Coefficient of Consolidation)"}},
        {"acre", {"a / Area", "a-ft / Volume"}},
        {"degC", {}},
        // The symbol, a symbol beginning with it, then whole words ("mils").
        {"mil", {"mil / Length", "millennium / Time", "c m / Area"}},
        {"MIL", {"mil / Length", "millennium / Time", "c m / Area"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::vector<std::string> found;
        for (const UnitMatch& m : FindUnits(catalogue, Utf8ToCp1252(c.typed), c.first.size()))
            found.push_back(Place(catalogue, m.Place));
        EXPECT_EQ(found, c.first);
    }
    EXPECT_TRUE(FindUnits(catalogue, " ", 10).empty());
    // Each unit once, at its best kind, whatever else it matches.
    const std::vector<UnitMatch> all = FindUnits(catalogue, "m", 1000);
    for (std::size_t i = 1; i < all.size(); ++i) {
        EXPECT_LE(all[i - 1].Kind, all[i].Kind);
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(all[i].Place == all[j].Place);
    }
    EXPECT_EQ(FindUnits(catalogue, "m", 5).size(), 5u);
}

}  // namespace
}  // namespace qv
