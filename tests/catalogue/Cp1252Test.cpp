// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Cp1252.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheSpecialRangeAndLatin1)
{
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");                                  // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\xB5\xB2\xB3\xB0"), "\xC2\xB5\xC2\xB2\xC2\xB3\xC2\xB0");  // µ²³°
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x94"), "\x97");                                  // em dash
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD x"), "? x");                                 // no Windows-1252 byte
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");                                 // four-byte sequence
    EXPECT_EQ(Utf8ToCp1252("bad\xC3"), "bad?");                                       // truncated sequence
}

TEST(Cp1252, CaseBlindComparisonCoversAccentedLetters)
{
    EXPECT_TRUE(SameTextIgnoringCase("Length", "LENGTH"));
    EXPECT_TRUE(SameTextIgnoringCase("\xC9t\xE9", "\xE9T\xC9"));  // Été
    EXPECT_FALSE(SameTextIgnoringCase("\xD7", "\xF7"));           // × and ÷ are not a pair
    EXPECT_FALSE(SameTextIgnoringCase("abc", "abcd"));
    EXPECT_LT(CompareTextIgnoringCase("apple", "Banana"), 0);
    EXPECT_EQ(CompareTextIgnoringCase("\x8A", "\x9A"), 0);  // Š š
}

}  // namespace
}  // namespace qv
