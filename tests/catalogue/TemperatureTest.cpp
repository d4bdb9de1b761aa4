// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Category.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qv {
namespace {

TCategory Temperatures(const char* name = "Temperature")
{
    TCategory c;
    c.Name = name;
    for (const char* symbol : {"C\xB0", "F\xB0", "K", "R\xB0"}) c.AppendUnit(symbol, "", 1.0L);
    return c;
}

struct TemperatureCase {
    int from;
    Extended value;
    Extended expected[4];  // in C, F, K, R
};

TEST(Temperature, FormulasBetweenAllFourScales)
{
    const TemperatureCase cases[] = {
        {0, 100.0L, {100.0L, 212.0L, 373.15L, 671.67L}}, {1, 32.0L, {0.0L, 32.0L, 273.15L, 491.67L}},
        {1, -40.0L, {-40.0L, -40.0L, 233.15L, 419.67L}}, {2, 0.0L, {-273.15L, -459.67L, 0.0L, 0.0L}},
        {3, 491.67L, {0.0L, 32.0L, 273.15L, 491.67L}},
    };
    for (const TemperatureCase& tc : cases) {
        TCategory c = Temperatures();
        c.EntryIndex = tc.from;
        c.Value = tc.value;
        for (int to = 0; to < 4; ++to) {
            SCOPED_TRACE(testing::Message() << "from " << tc.from << " to " << to);
            EXPECT_NEAR(c.ConvertTo(to), tc.expected[to], 1e-15L);
        }
    }
}

TEST(Temperature, UsesTheExtendedConstantsAsMultipliers)
{
    TCategory c = Temperatures();
    c.EntryIndex = 1;
    c.Value = 50.0L;
    EXPECT_EQ(c.ConvertTo(0), ((50.0L - 32.0L) * 5.0L) * (1.0L / 9.0L));
    EXPECT_EQ(c.ConvertTo(2), (50.0L + 459.67L) * (5.0L / 9.0L));
}

TEST(Temperature, UnknownScaleConvertsToOne)
{
    TCategory c = Temperatures();
    c.AppendUnit("D\xB0", "Delisle", 1.0L);
    c.Value = 100.0L;
    EXPECT_EQ(c.ConvertTo(4), 1.0L);
    c.EntryIndex = 4;
    EXPECT_EQ(c.ConvertTo(0), 1.0L);
}

TEST(Temperature, OnlyTheExactNameUsesTheFormulas)
{
    TCategory c = Temperatures("temperature");
    c.UnitAt(1).Factor = 2.0L;
    c.Value = 100.0L;
    EXPECT_EQ(c.ConvertTo(1), 50.0L);  // by factors
}

TEST(Temperature, OverflowIsReported)
{
    TCategory c = Temperatures();
    c.Value = MaxExtended;
    EXPECT_THROW(c.ConvertTo(1), EOverflow);
}

}  // namespace
}  // namespace qv
