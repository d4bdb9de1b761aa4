// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/WordRead.h"
#include "builtin/RatesMerge.h"
#include "catalogue/ValueStream.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(WordReader, SplitsLinesIntoWordsAtBlanksAndTabs)
{
    // Control characters end no word, but are trimmed where blanks are.
    TWordContainer line("  \tGBP  British\t\tPounds 1.6832 \x01x\x02y\t ");
    EXPECT_EQ(line.RawLine, "  \tGBP  British\t\tPounds 1.6832 \x01x\x02y\t ");
    EXPECT_EQ(line, (std::vector<std::string>{"GBP", "British", "Pounds", "1.6832", "x\x02y"}));
    EXPECT_TRUE(TWordContainer("   ").empty());
}

TEST(WordReader, LinesEndAtCrLfLfOrCr)
{
    EXPECT_EQ(TWordReader::FromText("").Lines.size(), 1u) << "an empty file is one blank line";
    EXPECT_EQ(TWordReader::FromText("a\r\n").Lines.size(), 1u);
    EXPECT_EQ(TWordReader::FromText("a\r\n\r\n").Lines.size(), 2u);
    EXPECT_EQ(TWordReader::FromText("a\nb\rc\r\nd").Lines.size(), 4u);
}

TEST(WordReader, ReadsWordsNamesAndNumbersAcrossLines)
{
    TWordReader r = TWordReader::FromText("SYM two words\r\n3.5 tail\r\nNEXT 1");
    EXPECT_EQ(r.ReadWord(), "SYM");
    EXPECT_EQ(r.ReadName(), "two words");
    EXPECT_EQ(r.ReadNumber(), 3.5L);
    EXPECT_EQ(r.NextLine(), "3.5 tail");
    EXPECT_EQ(r.ReadWord(), "NEXT");
    EXPECT_EQ(r.ReadName(), "") << "a number right away makes an empty name";
    EXPECT_EQ(r.ReadNumber(), 1.0L);
    EXPECT_FALSE(r.AtEnd());
    r.NextLine();
    EXPECT_TRUE(r.AtEnd());
    try {
        r.ReadWord();
        FAIL();
    } catch (const EWordReaderError& e) {
        EXPECT_STREQ(e.what(), "This file either invalid or incomplete.");
    }
}

TEST(WordReader, ANonNumberWhereANumberBelongsNamesLineAndItem)
{
    TWordReader r = TWordReader::FromText("first line\r\nalpha beta gamma");
    r.NextLine();
    r.ReadWord();
    try {
        r.ReadNumber();
        FAIL();
    } catch (const EWordReaderError& e) {
        EXPECT_STREQ(e.what(), "Error on Line 2 Item 2\rA floating point number was expected but not found.");
    }
}

TEST(WordReader, NumericWords)
{
    EXPECT_TRUE(IsNumericWord("0.0002105"));
    EXPECT_TRUE(IsNumericWord("-2E3"));
    EXPECT_TRUE(IsNumericWord("2"));
    EXPECT_FALSE(IsNumericWord("Won"));
    EXPECT_FALSE(IsNumericWord("1.2.3"));
    EXPECT_FALSE(IsNumericWord("$10"));
}

// A rates file is a few kilobytes; a huge one (here sparse, so the bytes are
// really there) is refused before it is read into memory, by the reader and
// by the update from published rates.
TEST(WordReader, RefusesFilesOverTheLimitBeforeReadingThem)
{
    test::TempDir dir;
    const std::string path = dir.file("Currency.txt");
    const std::string row = "GBP British Pounds 1.6832\r\n";
    test::WriteFileText(path, row + std::string(MaxWordFileSize - row.size(), ' '));
    EXPECT_EQ(TWordReader(path).Lines.size(), 2u) << "a file of the largest size loads";
    for (std::uintmax_t size : {MaxWordFileSize + 1, std::uintmax_t{5} << 30}) {
        SCOPED_TRACE(size);
        std::filesystem::resize_file(path, size);
        const std::string message = path + " is larger than 1 MiB, the most Quantova reads";
        try {
            TWordReader reader{path};
            ADD_FAILURE() << "read";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.what(), message);
        }
        const PublishedRates rates{"2026-12-07", {{"USD", 1.1645L}}};
        try {
            UpdateCurrencyFile(dir.path(), rates, "https://example.invalid/");
            ADD_FAILURE() << "updated";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

}  // namespace
}  // namespace qv
