// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/NumberText.h"

#include "ExprTestSupport.h"
#include "catalogue/Extended.h"
#include "expr/DecimalDigits.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace qv::test {
namespace {

using NumberTextTest = ExprTest;

struct TextCase {
    const char* name;
    Extended value;
    const char* point;  // with '.'
    const char* comma;  // with ','
};

const TextCase TextCases[] = {
    {"zero", 0, "0", "0"},
    {"negative zero", -0.0L, "0", "0"},
    {"integer", 120, "120", "120"},
    {"fraction", -1.5L, "-1.5", "-1,5"},
    {"two thirds", 2.0L / 3, "0.666666666666666667", "0,666666666666666667"},
    {"smallest plain", 1E-4L, "0.0001", "0,0001"},
    {"below plain", 9.5E-5L, "9.5E-5", "9,5E-5"},
    {"rounds up into plain", std::nextafter(1E-4L, 0.0L), "0.0001", "0,0001"},
    {"largest plain", 999999999999999999.0L, "999999999999999999", "999999999999999999"},
    {"rounds up out of plain", std::nextafter(1E18L, 0.0L), "1E18", "1E18"},
    {"large", 1.5E20L, "1.5E20", "1,5E20"},
    {"small", 1E-5L, "1E-5", "1E-5"},
    {"negative small", -2.5E-7L, "-2.5E-7", "-2,5E-7"},
    {"19 digits round half to even", 1234567890123456785.0L, "1.23456789012345678E18", "1,23456789012345678E18"},
    {"largest value", MaxExtended, "1.18973149535723177E4932", "1,18973149535723177E4932"},
    {"smallest denormal", std::numeric_limits<Extended>::denorm_min(), "3.6451995318824746E-4951",
     "3,6451995318824746E-4951"},
};

TEST_F(NumberTextTest, Writes)
{
    for (const TextCase& c : TextCases) {
        SCOPED_TRACE(c.name);
        SetDecimalSeparator('.');
        EXPECT_EQ(NumberText(c.value), c.point);
        SetDecimalSeparator(',');
        EXPECT_EQ(NumberText(c.value), c.comma);
    }
}

TEST_F(NumberTextTest, RefusesNonFinite)
{
    EXPECT_THROW(NumberText(std::numeric_limits<Extended>::infinity()), EInvalidOp);
    EXPECT_THROW(NumberText(std::numeric_limits<Extended>::quiet_NaN()), EInvalidOp);
}

struct ReadCase {
    const char* name;
    std::string text;
    bool ok;
    Extended value;
};

void CheckReads(const std::vector<ReadCase>& cases, bool anySeparator)
{
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": '" + c.text + "'");
        Extended v = -12345;
        const bool ok = anySeparator ? TryReadNumberAnySeparator(c.text, v) : TryReadNumber(c.text, v);
        EXPECT_EQ(ok, c.ok);
        if (ok && c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST_F(NumberTextTest, ReadsWithPoint)
{
    CheckReads(
        {
            {"correctly rounded", "0.1", true, 0.1L},
            {"signed", "-1.5", true, -1.5L},
            {"plus sign", "+2", true, 2},
            {"leading point", ".5", true, 0.5L},
            {"trailing point", "5.", true, 5},
            {"exponent", "1.5E-7", true, 1.5E-7L},
            {"exponent without digits", "2e", true, 2},
            {"exponent sign without digits", "2E+", true, 2},
            {"negative exponent sign without digits", "2e-", true, 2},
            {"underflow reads as zero", "1E-99999", true, 0},
            {"denormal", "-1E-4950", true, -1E-4950L},
            {"huge exponent of zero", "0E999999999999999999999", true, 0},
            {"point alone", ".", false, 0},
            {"empty", "", false, 0},
            {"exponent alone", "e5", false, 0},
            {"infinity", "inf", false, 0},
            {"not a number", "nan", false, 0},
            {"hexadecimal", "0x10", false, 0},
            {"leading blank", " 1", false, 0},
            {"two signs", "--1", false, 0},
            {"fractional exponent", "1e5.5", false, 0},
            {"comma", "1,5", false, 0},
            {"overflow", "1E5000", false, 0},
            {"overflowing exponent", "1e999999999", false, 0},
            {"just beyond the largest value", "1.18973149535723177E4932", false, 0},
            {"just within", "1.18973149535723176E4932", true, 1.18973149535723176E4932L},
        },
        false);
}

TEST_F(NumberTextTest, ReadsWithComma)
{
    SetDecimalSeparator(',');
    CheckReads(
        {
            {"comma", "1,5", true, 1.5L},
            {"leading comma", ",25", true, 0.25L},
            {"point refused", "1.5", false, 0},
            {"two commas", "1,5,5", false, 0},
        },
        false);
    CheckReads(
        {
            {"comma", "1,5", true, 1.5L},
            {"point as well", "1.5", true, 1.5L},
            {"both", "1.5,5", false, 0},
            {"exponent", "2.5E3", true, 2500},
        },
        true);
}

TEST_F(NumberTextTest, SeparatorThatWouldBeAmbiguousIsRefused)
{
    for (const char sep : {'5', '-', '+', 'e', 'E', '\0'}) {
        SetDecimalSeparator(sep);
        EXPECT_EQ(DecimalSeparator(), '.');
    }
    SetDecimalSeparator(',');
    EXPECT_EQ(DecimalSeparator(), ',');
}

TEST_F(NumberTextTest, DisplayText)
{
    const struct {
        const char* name;
        Extended value;
        const char* expected;
    } cases[] = {
        {"255", 255, "$00FF"},
        {"zero", 0, "$0000"},
        {"five digits", 65536, "$10000"},
        {"minus one", -1, "$FFFFFFFF"},
        {"smallest", -2147483648.0L, "$80000000"},
        {"half rounds to even, down", 2.5L, "$0002"},
        {"half rounds to even, up", 3.5L, "$0004"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DisplayText(c.value, true), c.expected);
    }
    EXPECT_THROW(DisplayText(2147483647.5L, true), EInvalidOp);
    EXPECT_THROW(DisplayText(-1E10L, true), EInvalidOp);
    SetDecimalSeparator(',');
    EXPECT_EQ(DisplayText(2.5L, false), "2,5");
}

// The fast paths must give the C library's digits: random mantissas around
// the magnitudes of everyday values and over the whole range with its
// denormals, whole numbers, and exact ties.
TEST_F(NumberTextTest, FastDigitsMatchTheLibrary)
{
    std::mt19937_64 random(20240607);
    int mismatches = 0;
    for (int i = 0; i < 200000; ++i) {
        const int shift = i % 2 == 0 ? static_cast<int>(random() % 300) - 213       // 2^-150 to 2^150
                                     : static_cast<int>(random() % 32829) - 16508;  // the whole range
        Extended v = std::ldexp(static_cast<Extended>(random() | 1ULL << 63), shift);
        if (i % 6 == 1) v = std::round(v);
        if (i % 6 == 3) v = static_cast<Extended>(random() % 900000000000000000ULL + 100000000000000000ULL) * 10 + 5;
        if (i % 2 == 1) v = -v;
        const DecimalDigits fast = ToDecimalDigits(v);
        const DecimalDigits library = ToDecimalDigitsByLibrary(v);
        const bool same = std::memcmp(fast.digits, library.digits, 18) == 0 && fast.exponent == library.exponent &&
                          fast.negative == library.negative;
        if (!same && ++mismatches <= 5) {
            ADD_FAILURE() << "digits differ for " << std::string(library.digits, 18) << "E" << library.exponent;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace qv::test
