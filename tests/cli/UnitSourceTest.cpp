// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitSource.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "catalogue/UnitAliases.h"
#include "catalogue/UnitResolver.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cctype>

namespace qv::cli {
namespace {

// What a resolution names, independent of where the categories stand.
std::string Named(const TCategories& catalogue, const ConversionAnswer& answer)
{
    if (answer.Result != ConversionAnswer::Outcome::Resolved) return "unresolved";
    const TCategory& c = catalogue.CategoryAt(answer.Units.Category);
    std::string text = c.Name + ": " + c.UnitAt(answer.Units.From).Symbol;
    for (std::int32_t to : answer.Units.To) text += " -> " + c.UnitAt(to).Symbol;
    return text;
}

// A call that builds only the categories its texts may belong to resolves
// every text as the whole built-in catalogue does: every symbol, its upper
// case, every definition and every alias of the tables, against the first
// unit of its category.
TEST(UnitSource, CategoriesBuiltForTheTextsResolveAsAllOfThem)
{
    test::TempDir dir;
    const UnitSource all = LoadUnits(SourceKind::BuiltIn, "", dir.path());
    ASSERT_EQ(all.Catalogue.CategoryCount(), 36);
    const UnitResolver everywhere(all.Catalogue);

    std::vector<std::pair<std::string, std::string>> cases;  // FROM, TO
    for (const BuiltInCategory& entry : BuiltInCategoryTable()) {
        const std::string first = entry.Units.empty() ? "USD" : entry.Units.front().Symbol;
        for (const BuiltInUnit& unit : entry.Units) {
            std::string upper = unit.Symbol;
            for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            for (const std::string& text : {std::string(unit.Symbol), upper, std::string(unit.Definition)})
                cases.emplace_back(text, first);
        }
    }
    for (const DefaultRate& rate : DefaultRates()) cases.emplace_back(rate.Symbol, "usd");
    for (const UnitAlias& alias : BuiltInAliases()) cases.emplace_back(alias.Text, alias.Symbol);
    cases.emplace_back("miles", "KM");

    int narrowed = 0;
    for (const auto& [from, to] : cases) {
        SCOPED_TRACE(from + " -> " + to);
        const std::vector<std::string> texts{from, to};
        const UnitSource some = LoadUnits(SourceKind::BuiltIn, "", dir.path(), texts);
        const ConversionAnswer expected = everywhere.Resolve(from, std::span(texts).subspan(1));
        const ConversionAnswer got = UnitResolver(some.Catalogue).Resolve(from, std::span(texts).subspan(1));
        // Only a clean resolution is used; anything else is asked again of all.
        if (got.Result == ConversionAnswer::Outcome::Resolved)
            EXPECT_EQ(Named(some.Catalogue, got), Named(all.Catalogue, expected));
        else
            EXPECT_NE(expected.Result, ConversionAnswer::Outcome::Resolved);
        narrowed += some.Catalogue.CategoryCount() < 36;
    }
    EXPECT_GT(narrowed, static_cast<int>(cases.size()) / 2) << "most calls build a few categories";
}

}  // namespace
}  // namespace qv::cli
