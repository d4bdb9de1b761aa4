// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/FormatValue.h"

#include "ExprTestSupport.h"

#include <cmath>
#include <limits>

namespace qv::test {
namespace {

using FormatValueTest = ExprTest;

struct FormatCase {
    const char* name;
    Extended value;
    int precision;
    bool scientific;
    const char* expected;  // with '.'; ',' is checked by replacing it
};

const FormatCase FormatCases[] = {
    {"general plain", 1234.5L, 6, false, "1234.5"},
    {"general exponent above precision", 1234567, 6, false, "1.23457e6"},
    {"general exponent equal to precision", 123456, 6, false, "123456"},
    {"general small plain", 0.00012345L, 6, false, "0.00012345"},
    {"general small exponent", 0.000012345L, 6, false, "1.2345e-5"},
    {"general two thirds", 2.0L / 3, 6, false, "0.666667"},
    {"general one", 1, 6, false, "1"},
    {"general negative", -30.48L, 6, false, "-30.48"},
    {"general zero", 0, 6, false, "0"},
    {"general negative zero", -0.0L, 6, false, "0"},
    {"general feet per metre", 1 / 0.3048L, 6, false, "3.28084"},
    {"general thousandth", 0.001L, 6, false, "0.001"},
    {"general whole number padded with zeros", 1500, 6, false, "1500"},
    {"general exponent above a small precision", 1.5E5L, 2, false, "1.5e5"},
    {"general one digit, exponent", 1E7L, 6, false, "1e7"},
    {"carry into a new digit", 9.9999996L, 6, false, "10"},
    {"carry past the precision", 999999.5L, 6, false, "1e6"},
    {"large", 6.02214076E23L, 6, false, "6.02214e23"},
    {"tiny", 1.6E-4000L, 6, false, "1.6e-4000"},
    {"full precision", 2.0L / 3, 18, false, "0.666666666666666667"},
    {"rounded from the 18-digit text", 1.2344999999999999999L, 4, false, "1.235"},
    {"precision 2", 1.0L / 3, 2, false, "0.33"},
    {"precision below 2 held to 2", 1.0L / 3, 1, false, "0.33"},
    {"negative precision held to 2", 1.0L / 3, -5, false, "0.33"},
    {"precision above 18 held to 18", 1.0L / 3, 40, false, "0.333333333333333333"},
    {"scientific", 1234.5L, 6, true, "1.23450e+3"},
    {"scientific small", 0.001L, 6, true, "1.00000e-3"},
    {"scientific negative", -2.5L, 6, true, "-2.50000e+0"},
    {"scientific zero", 0, 6, true, "0.00000e+0"},
    {"scientific feet per metre", 1 / 0.3048L, 6, true, "3.28084e+0"},
    {"scientific carry", 9.9999996L, 6, true, "1.00000e+1"},
    {"scientific precision 2", 2.0L / 3, 2, true, "6.7e-1"},
    {"scientific precision 18", 2.0L / 3, 18, true, "6.66666666666666667e-1"},
    {"scientific huge", 1E4000L, 3, true, "1.00e+4000"},
};

TEST_F(FormatValueTest, Formats)
{
    for (const FormatCase& c : FormatCases) {
        SCOPED_TRACE(c.name);
        SetDecimalSeparator('.');
        EXPECT_EQ(FormatValue(c.value, c.precision, c.scientific), c.expected);
        std::string withComma = c.expected;
        for (char& ch : withComma) {
            if (ch == '.') ch = ',';
        }
        SetDecimalSeparator(',');
        EXPECT_EQ(FormatValue(c.value, c.precision, c.scientific), withComma);
    }
}

TEST_F(FormatValueTest, RefusesNonFinite)
{
    EXPECT_THROW(FormatValue(std::numeric_limits<Extended>::infinity(), 6, false), EInvalidOp);
    EXPECT_THROW(FormatValue(-std::numeric_limits<Extended>::infinity(), 6, true), EInvalidOp);
    EXPECT_THROW(FormatValue(std::numeric_limits<Extended>::quiet_NaN(), 6, false), EInvalidOp);
}

// Every text the window shows, copies or saves reads back through the
// evaluator as a value that shows as the same text: general and scientific,
// every precision, both separators, both signs, magnitudes across the range.
TEST_F(FormatValueTest, EveryShownValueReadsBackAsItself)
{
    const Extended mantissas[] = {1, 1.05702341632L, 2.0L / 3, 9.87654321987654321L, 5.5L};
    int checked = 0;
    for (const char sep : {'.', ','}) {
        SetDecimalSeparator(sep);
        for (int exponent = -4900; exponent <= 4900; exponent += 97) {
            for (const Extended m : mantissas) {
                for (const Extended sign : {1.0L, -1.0L}) {
                    const Extended v = sign * m * std::pow(10.0L, static_cast<Extended>(exponent));
                    for (int precision = 2; precision <= 18; ++precision) {
                        for (const bool scientific : {false, true}) {
                            const std::string shown = FormatValue(v, precision, scientific);
                            std::string again;
                            try {
                                again = FormatValue(EvaluateExpression(shown), precision, scientific);
                            } catch (const EQuantovaError& e) {
                                again = e.what();
                            }
                            ASSERT_EQ(again, shown) << "precision " << precision << (scientific ? " scientific" : "");
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 50000);
}

}  // namespace
}  // namespace qv::test
