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

std::string Place(const TCategories& catalogue, const UnitPlace& p)
{
    const TCategory& c = catalogue.CategoryAt(p.Category);
    return Cp1252ToUtf8(c.UnitAt(p.Unit).Symbol + " / " + c.Name);
}

struct LineCase {
    const char* typed;
    ConversionLine::Kind kind;
    const char* first;   // the box's first line (UTF-8), at precision 6
    const char* from;    // "symbol / category", or the search text
};

void Check(const TCategories& catalogue, const LineCase& c, int precision = 6, bool scientific = false)
{
    SCOPED_TRACE(c.typed);
    const ConversionLine line = ReadConversionLine(catalogue, Utf8ToCp1252(c.typed));
    EXPECT_EQ(line.Result, c.kind);
    EXPECT_EQ(Cp1252ToUtf8(FirstLineText(catalogue, line, precision, scientific)), c.first);
    if (line.Result == ConversionLine::GoTo || line.Result == ConversionLine::Convert)
        EXPECT_EQ(Place(catalogue, line.From), c.from);
    else
        EXPECT_EQ(Cp1252ToUtf8(line.SearchText), c.from);
}

TEST(ConversionLine, ReadsEachForm)
{
    SetDecimalSeparator('.');
    const TCategories catalogue = BuiltIns();
    using K = ConversionLine::Kind;
    const LineCase cases[] = {
        {"5 knot to kph", K::Convert, "5 knot = 9.26 kph", "knot / Velocity (Speed)"},
        {"350 F° in C°", K::Convert, "350 F° = 176.667 C°", "F° / Temperature"},
        // "in" is the inch as well as the separator.
        {"12*2.54 in to ft", K::Convert, "30.48 in = 2.54 ft", "in / Length"},
        {"12 * 2.54 in to ft", K::Convert, "30.48 in = 2.54 ft", "in / Length"},
        {"5 in in cm", K::Convert, "5 in = 12.7 cm", "in / Length"},
        {"2 ft in in", K::Convert, "2 ft = 24 in", "ft / Length"},
        {"1.5E-3 m TO mm", K::Convert, "0.0015 m = 1.5 mm", "m / Length"},
        // FROM and TO together settle the category of "m".
        {"1 m to ft", K::Convert, "1 m = 3.28084 ft", "m / Length"},
        {"30 mm Hg 0° to psi", K::Convert, "30 mm Hg 0° = 0.580103 psi", "mm Hg 0° / Pressure (Stress)"},
        {"5 knot", K::GoTo, "5 knot (knots) — Velocity (Speed)", "knot / Velocity (Speed)"},
        {"sqrt(16) in", K::GoTo, "4 in (inches) — Length", "in / Length"},
        // Faults, said on the first line; the list shows units of the text at fault.
        {"1 m", K::Problem, "\"m\" could be m (Length), m (Metric Prefixes): pick one below", "m"},
        {"5 kno", K::Problem, "No unit is called \"kno\"; did you mean knot?", "kno"},
        {"5 knot to zzz", K::Problem, "No unit is called \"zzz\"", "zzz"},
        {"1 kg to ft", K::Problem, "\"kg\" and \"ft\" are in no category together", "ft"},
        {"1/0 ft", K::Problem, "Floating point division by zero", "1/0 ft"},
        // No value: a search.
        {"knot", K::Search, "", "knot"},
        {"mm Hg", K::Search, "", "mm Hg"},
        {"5", K::Search, "", "5"},
        {"5 ", K::Search, "", "5 "},
    };
    for (const LineCase& c : cases) Check(catalogue, c);

    // The window's notation and decimal separator.
    Check(catalogue, {"5 knot to kph", K::Convert, "5.000e+0 knot = 9.260e+0 kph", "knot / Velocity (Speed)"}, 4, true);
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
    EXPECT_EQ(line.Candidates, (std::vector<UnitPlace>{{0, 0}, {0, 1}}));
    // One reading only: no question.
    EXPECT_EQ(ReadConversionLine(catalogue, "1 a in to b").Result, ConversionLine::Convert);
}

}  // namespace
}  // namespace qv
