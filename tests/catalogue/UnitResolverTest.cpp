// SPDX-License-Identifier: GPL-3.0-or-later
// The resolver over the 36 built-in categories: what each typed text
// resolves to, where it must ask, and what it suggests.
#include "catalogue/UnitResolver.h"
#include "builtin/BuildCats.h"
#include "catalogue/UnitAliases.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class Resolver : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::TempDir dir;
        std::vector<std::string> all = ListBuiltInCategories();
        BuildBuiltInCategories(catalogue, all, dir.path(), MissingRatesFile::UseDefaultInMemory);
    }

    static std::string CategoryName(std::int32_t c) { return catalogue.CategoryAt(c).Name; }
    static std::string Symbol(std::int32_t c, std::int32_t u) { return catalogue.CategoryAt(c).UnitAt(u).Symbol; }

    // "Category: from > to", "?Cat1|Cat2" for an ambiguity, "unknown N" or "unrelated".
    static std::string Describe(const ConversionAnswer& a)
    {
        using O = ConversionAnswer::Outcome;
        switch (a.Result) {
        case O::Unknown: return "unknown " + std::to_string(a.Text);
        case O::Unrelated: return "unrelated";
        case O::Ambiguous: {
            std::string text = "?";
            for (const ConversionUnits& c : a.Choices)
                text += (text.size() > 1 ? "|" : "") + CategoryName(c.Category) + ":" + Symbol(c.Category, c.From);
            return text;
        }
        case O::Resolved: break;
        }
        std::string text = CategoryName(a.Units.Category) + ": " + Symbol(a.Units.Category, a.Units.From);
        for (std::int32_t t : a.Units.To) text += " > " + Symbol(a.Units.Category, t);
        return text;
    }

    static inline TCategories catalogue;
};

TEST_F(Resolver, ResolvesFromAndToTogether)
{
    struct Case {
        const char* from;
        std::vector<std::string> to;
        const char* expected;
    };
    const Case cases[] = {
        // Symbols of other categories are aliases in the one both share.
        {"F", {"C"}, "Temperature: F\xB0 > C\xB0"},
        {"C", {"F"}, "Temperature: C\xB0 > F\xB0"},
        {"\xB0"
         "C",
         {"degF", "kelvin"},
         "Temperature: C\xB0 > F\xB0 > K"},
        // Another letter case never turns one prefix into another.
        {"Mg", {"kg"}, "Mass: tonne > kg"},
        {"Ms", {"s"}, "unknown 0"},
        {"mpa", {"psi"}, "unknown 0"},
        {"mb", {"kb"}, "unknown 0"},
        {"KM", {"mi"}, "Length: km > mi"},
        // Alias families, and the spellings read by rule.
        {"km/h", {"mph"}, "Velocity (Speed): kph > mph"},
        {"kn", {"km/h"}, "Velocity (Speed): knot > kph"},
        {"acre", {"m2"}, "Area: a > m\xB2"},
        {"sq ft", {"m^2"}, "Area: ft\xB2 > m\xB2"},
        {"m^3", {"cc", "cu ft", "gallon", "L"}, "Volume: m\xB3 > cc > ft\xB3 > gal > l"},
        {"GiB", {"MB"}, "Computer Bits: GB > MB"},
        {"meter", {"foot", "inch", "miles"}, "Length: m > ft > in > mi"},
        {"um", {"\xB5m", "micron"}, "Length: \xB5 > \xB5 > \xB5"},
        {"uF",
         {"pF"},
         "Capacitance: \xB5"
         "F > pF"},
        {"lb", {"kg"}, "Mass: lbm > kg"},
        {"LBS", {"g"}, "Mass: lbm > g"},
        {"hour", {"min", "sec"}, "Time: hr > min > s"},
        {"h", {"min"}, "Time: hr > min"},
        {"wk", {"d"}, "Time: week > day"},
        {"m/s2", {"g"}, "Acceleration: m/s\xB2 > g"},
        {"kWh", {"J"}, "Energy (Work): kW-hr > J"},
        {"Nm", {"J"}, "Energy (Work): N-m > J"},
        {"Nm", {"lbf-ft"}, "Torque (Moment): N-m > lbf-ft"},
        // The most trusted readings settle the category.
        {"minute", {"s"}, "Time: min > s"},
        {"oz", {"g"}, "Mass: oz > g"},
        {"oz", {"ml"}, "Volume: oz > ml"},
        // Where nothing settles it, the user is asked.
        {"F", {}, "?Temperature:F\xB0|Capacitance:F"},
        {"kg/m\xB3", {"g/cm\xB3"}, "?Density:kg/m\xB3|Subgrade Modulus:kg/m\xB3"},
        {"MW", {"kW"}, "unknown 0"},
        {"ft", {"kg"}, "unrelated"},
        {"ft", {"furlongs", "parsecs"}, "Length: ft > furlong > parsec"},
        {"ft", {"nothing"}, "unknown 1"},
    };
    const UnitResolver resolver(catalogue);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(Describe(resolver.Resolve(c.from, c.to)), c.expected);
    }
}

TEST_F(Resolver, EveryAliasNamesABuiltInUnit)
{
    // Currency rows wait for a rates file that has them (EUR came after 1998).
    for (const UnitAlias& alias : BuiltInAliases()) {
        if (std::string_view(alias.Category) == "Currency") continue;
        SCOPED_TRACE(alias.Text);
        bool found = false;
        for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c)
            for (std::int32_t u = 0; u < catalogue.CategoryAt(c).UnitCount(); ++u)
                found = found || (CategoryName(c) == alias.Category && Symbol(c, u) == alias.Symbol);
        EXPECT_TRUE(found) << alias.Category << " has no " << alias.Symbol;
    }
}

TEST_F(Resolver, ACategorySettlesAndUserPackagesStayInCharge)
{
    const UnitResolver resolver(catalogue);
    const std::int32_t angle = resolver.FindCategories("Angle").front();
    EXPECT_EQ(Describe(resolver.Resolve("minute", std::vector<std::string>{"s"}, angle)), "Angle: min > s");
    EXPECT_EQ(Describe(resolver.Resolve("F", {}, resolver.FindCategories("Capacitance").front())), "Capacitance: F");

    // An alias counts only where its unit exists: here "C" is the coulomb alone.
    TCategories own;
    own.AppendCategory("Temperature").AppendUnit("K", "Kelvin", 1.0L);
    own.AppendCategory("Charge").AppendUnit("C", "coulombs", 1.0L);
    const UnitResolver ownResolver(own);
    ASSERT_EQ(ownResolver.Readings("C").size(), 1u);
    EXPECT_EQ(ownResolver.Readings("C").front().Category, 1);
}

TEST_F(Resolver, SuggestsCloseSpellings)
{
    struct Case {
        const char* text;
        const char* expected;  // among the suggestions; "" for none at all
    };
    const Case cases[] = {
        {"galon", "gallon"},       {"Mg", "mg"},   {"mpa", "MPa"}, {"MW", "W"}, {"fahrenhiet", "fahrenheit"},
        {"kilometr", "kilometre"}, {"xyzzyq", ""},
    };
    const UnitResolver resolver(catalogue);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<UnitSuggestion> got = resolver.Suggest(c.text);
        EXPECT_LE(got.size(), 5u);
        if (*c.expected == '\0') {
            EXPECT_TRUE(got.empty());
            continue;
        }
        std::string all;
        for (const UnitSuggestion& s : got) all += s.Text + ";";
        EXPECT_NE(all.find(std::string(c.expected) + ";"), std::string::npos) << all;
    }
}

TEST_F(Resolver, SearchRanksExactThenAliasThenPrefixThenWordsThenContaining)
{
    struct Case {
        const char* text;
        const char* first;  // "Category:symbol" of the first hit
    };
    const Case cases[] = {
        {"knot", "Velocity (Speed):knot"},
        {"kn", "Velocity (Speed):knot"},
        {"psi", "Pressure (Stress):psi"},
        {"m2", "Area:m\xB2"},
        {"acre", "Area:a"},
        {"degC", "Temperature:C\xB0"},
        {"mil", "Length:mil"},
        {"KNO", "Velocity (Speed):knot"},
        {"soundspeed", "Velocity (Speed):mach"},
        {"furlo", "Length:furlong"},
    };
    const UnitResolver resolver(catalogue);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<UnitRef> hits = resolver.Search(c.text);
        ASSERT_FALSE(hits.empty());
        EXPECT_EQ(CategoryName(hits[0].Category) + ":" + Symbol(hits[0].Category, hits[0].Unit), c.first);
        for (std::size_t i = 1; i < hits.size(); ++i) EXPECT_LE(hits[i - 1].How, hits[i].How);
    }
    EXPECT_TRUE(resolver.Search("").empty());
    EXPECT_EQ(resolver.Search("m", 3).size(), 3u);
}

TEST_F(Resolver, FindsCategoriesByPrefixOrWord)
{
    const UnitResolver resolver(catalogue);
    const auto names = [&](const char* text) {
        std::string all;
        for (std::int32_t c : resolver.FindCategories(text)) all += (all.empty() ? "" : "|") + CategoryName(c);
        return all;
    };
    EXPECT_EQ(names("velocity"), "Velocity (Speed)");
    EXPECT_EQ(names("speed"), "Velocity (Speed)");
    EXPECT_EQ(names("Temp"), "Temperature");
    EXPECT_EQ(names("length"), "Length");
    EXPECT_EQ(names("cu"), "Current|Currency");
    EXPECT_EQ(names("curre"), "Current|Currency");
    EXPECT_EQ(names("ch"), "Charge");
    EXPECT_EQ(names("ca"), "Capacitance");
    EXPECT_EQ(names("an"), "Angle|Angular Velocity|Angular Acceleration");
    EXPECT_EQ(names("zz"), "");
}

}  // namespace
}  // namespace qv
