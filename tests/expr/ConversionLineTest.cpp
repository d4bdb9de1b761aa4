// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ConversionLine.h"

#include "builtin/BuildCats.h"
#include "catalogue/Cp1252.h"
#include "expr/NumberText.h"

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

std::string Place(const TCategories& catalogue, std::int32_t category, std::int32_t unit)
{
    const TCategory& c = catalogue.CategoryAt(category);
    return Cp1252ToUtf8(c.UnitAt(unit).Symbol + " / " + c.Name);
}

struct LineCase {
    const char* typed;
    ConversionLine::Kind kind;
    const char* first;  // the box's first line (UTF-8), at precision 6
    const char* from;   // "symbol / category", or of a problem the first choice
};

void Check(const TCategories& catalogue, const LineCase& c, int precision = 6, bool scientific = false)
{
    SCOPED_TRACE(c.typed);
    const ConversionLine line = ReadConversionLine(catalogue, Utf8ToCp1252(c.typed));
    EXPECT_EQ(line.Result, c.kind);
    // A fault's message may go on with suggestions of the resolver's.
    const std::string first = Cp1252ToUtf8(FirstLineText(catalogue, line, precision, scientific));
    if (line.Result == ConversionLine::Problem)
        EXPECT_TRUE(first.starts_with(c.first)) << first;
    else
        EXPECT_EQ(first, c.first);
    if (line.Result == ConversionLine::GoTo || line.Result == ConversionLine::Convert)
        EXPECT_EQ(Place(catalogue, line.Units.Category, line.Units.From), c.from);
    else if (!line.Choices.empty())
        EXPECT_EQ(Place(catalogue, line.Choices.front().Category, line.Choices.front().From), c.from);
    else
        EXPECT_STREQ("", c.from);
}

TEST(ConversionLine, ReadsEachForm)
{
    SetDecimalSeparator('.');
    const TCategories catalogue = BuiltIns();
    using K = ConversionLine::Kind;
    const LineCase cases[] = {
        {"5 kn to km/h", K::Convert, "5 kn = 9.26 km/h", "knot / Velocity (Speed)"},
        {"350 °F in °C", K::Convert, "350 °F = 176.667 °C", "F° / Temperature"},
        // F and C are also farad and coulomb, which share no category.
        {"350 F in C", K::Convert, "350 F = 176.667 C", "F° / Temperature"},
        // "in" is the inch as well as the separator.
        {"12*2.54 in to ft", K::Convert, "30.48 in = 2.54 ft", "in / Length"},
        {"12 * 2.54 in to ft", K::Convert, "30.48 in = 2.54 ft", "in / Length"},
        {"5 in in cm", K::Convert, "5 in = 12.7 cm", "in / Length"},
        {"2 ft in in", K::Convert, "2 ft = 24 in", "ft / Length"},
        {"1.5e-3 m in mm", K::Convert, "0.0015 m = 1.5 mm", "m / Length"},
        {"1.5E-3 m TO mm", K::Convert, "0.0015 m = 1.5 mm", "m / Length"},
        // FROM and TO together settle the category of "m".
        {"1 m to ft", K::Convert, "1 m = 3.28084 ft", "m / Length"},
        {"30 mm Hg 0° to psi", K::Convert, "30 mm Hg 0° = 0.580103 psi", "mm Hg 0° / Pressure (Stress)"},
        {"5 kn", K::GoTo, "5 knot (knots) — Velocity (Speed)", "knot / Velocity (Speed)"},
        {"sqrt(16) in", K::GoTo, "4 in (inches) — Length", "in / Length"},
        // Faults, said on the first line, with the units to pick from.
        {"1 m", K::Problem, "\"m\" could be m (Length), m (Metric Prefixes): pick one below", "m / Length"},
        {"5 kno", K::Problem, "No unit is called \"kno\"; did you mean knot", "knot / Velocity (Speed)"},
        {"1 kg to ft", K::Problem, "\"kg\" and \"ft\" are in no category together", "ft / Length"},
        {"1/0 ft", K::Problem, "Floating point division by zero", ""},
        // No value: a search.
        {"knot", K::Search, "", ""},
        {"mm Hg", K::Search, "", ""},
        {"5", K::Search, "", ""},
        {"5 ", K::Search, "", ""},
    };
    for (const LineCase& c : cases) Check(catalogue, c);

    // The window's notation and decimal separator.
    Check(catalogue, {"5 kn to km/h", K::Convert, "5.000e+0 kn = 9.260e+0 km/h", "knot / Velocity (Speed)"}, 4, true);
    SetDecimalSeparator(',');
    Check(catalogue, {"1,5 ft to in", K::Convert, "1,5 ft = 18 in", "ft / Length"});
    SetDecimalSeparator('.');
}

TEST(ConversionLine, TwoReadingsThatDisagreeAreAskedAbout)
{
    SetDecimalSeparator('.');
    TCategories catalogue;
    TCategory& odd = catalogue.AppendCategory("Odd");
    odd.AppendUnit("a", "ays", 1.0L);
    odd.AppendUnit("a in", "ay ins", 2.0L);
    odd.AppendUnit("in b", "in bees", 4.0L);
    odd.AppendUnit("b", "bees", 8.0L);

    // "1 a in in b": "a" to "in b", or "a in" to "b".
    const ConversionLine line = ReadConversionLine(catalogue, "1 a in in b");
    EXPECT_EQ(line.Result, ConversionLine::Problem);
    EXPECT_EQ(line.Message, msg::ReadInTwoWays);
    EXPECT_EQ(line.Choices, (std::vector<ConversionUnits>{{0, 0, {2}}, {0, 1, {3}}}));
    // One reading only: no question.
    EXPECT_EQ(ReadConversionLine(catalogue, "1 a in to b").Result, ConversionLine::Convert);
}

}  // namespace
}  // namespace qv
