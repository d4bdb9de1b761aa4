// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/CurrencyFile.h"
#include "builtin/WordRead.h"
#include "catalogue/FileAccess.h"
#include "expr/NumberText.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

using test::ReadFileText;
using test::TempDir;
using test::WriteFileText;

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(DefaultRatesFile, HasTheHeaderAndRowsInTheirColumns)
{
    TempDir dir;
    WriteCurrencyFile(dir.path());
    const std::string text = ReadFileText(dir.file("Currency.txt"));
    EXPECT_EQ(text.size(), 9203u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end in CR LF";
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 179u);

    EXPECT_EQ(lines[0], "// Quantova ignores all lines beginning with // (i.e. these are comments) and blank lines");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3].substr(0, 5), "//   ");
    EXPECT_NE(lines[3].find("https://"), std::string::npos);
    EXPECT_EQ(lines[9], "// Currency entries must be listed one entry per line, and take the form "
                        "\"SYMBOL Currency Name ConversionRate\"");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "AFA Afghanistan Afghani                   0.0002105");
    EXPECT_EQ(lines[15], "USD American Dollars                      1.0000");
    EXPECT_EQ(lines[72], "XAU Gold Ounces (New York)              307.30");
    EXPECT_EQ(lines[178], "ZWD Zimbabwean Dollars                    0.0617475");

    for (std::size_t i = 12; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(lines[i].rfind('.'), 43u) << "decimal point in column 44";
        EXPECT_NE(lines[i].back(), ' ');
        EXPECT_EQ(lines[i][3], ' ');
    }
}

TEST(DefaultRatesFile, AnExistingFileIsNeverOverwritten)
{
    TempDir dir;
    WriteFileText(dir.file("Currency.txt"), "EUR Euro 1.1\r\n");
    WriteCurrencyFile(dir.path());
    EXPECT_EQ(ReadFileText(dir.file("Currency.txt")), "EUR Euro 1.1\r\n");
}

TEST(DefaultRatesFile, AFileThatCannotBeWrittenIsNamed)
{
    TempDir dir;
    test::FailAtStep noTemporaryFile(1);
    try {
        WriteCurrencyFile(dir.path());
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file " + dir.file("Currency.txt") + " (No space left on device)");
    }
}

class CurrencyImport : public testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator('.'); }

    // Imports `rates` (or the default file when null) and returns the category.
    const TCategory& Import(const char* rates)
    {
        if (rates) WriteFileText(dir.file("Currency.txt"), rates);
        ImportCurrencyCategory(catalogue, dir.path());
        return catalogue.CategoryAt(catalogue.CategoryCount() - 1);
    }

    TempDir dir;
    TCategories catalogue;
};

TEST_P(CurrencyImport, DefaultFileGivesUsdFirstThenEveryRowInFileOrder)
{
    const TCategory& c = Import(nullptr);
    EXPECT_EQ(c.Name, "Currency");
    ASSERT_EQ(c.UnitCount(), 167);
    EXPECT_EQ(c.UnitAt(0).Symbol, "USD");
    EXPECT_EQ(c.UnitAt(0).Definition, "American Dollars");
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(c.EntryIndex, 0);
    EXPECT_EQ(c.SelectedIndex, 0);
    EXPECT_EQ(c.UnitAt(1).Symbol, "AFA");
    EXPECT_EQ(c.UnitAt(1).Definition, "Afghanistan Afghani");
    EXPECT_EQ(c.UnitAt(1).Factor, 0.0002105L);
    EXPECT_EQ(c.UnitAt(3).Symbol, "DZD") << "the file's own USD row is skipped";
    EXPECT_EQ(c.UnitAt(166).Symbol, "ZWD");
    EXPECT_TRUE(std::filesystem::exists(dir.file("Currency.txt")));
}

TEST_P(CurrencyImport, RowsAreReadWordByWord)
{
    const TCategory& c = Import("// comment line\r\n"
                                "GBP British Pounds 1.6832 and more\r\n"
                                "KRW   Korean\tWon 0.0007123\r\n"
                                "XYZ Split Name\r\n"
                                "2.5 ignored words\r\n"
                                "KPW Korean Won 2 0.4651\r\n"
                                "NUL 3\r\n"
                                "//x 1\r\n"
                                "usd lower case 4\r\n"
                                "USD Something Else 9\r\n");
    struct Row {
        const char* symbol;
        const char* name;
        Extended factor;
    } rows[] = {{"USD", "American Dollars", 1.0L},
                {"GBP", "British Pounds", 1.6832L},
                {"KRW", "Korean Won", 0.0007123L},
                {"XYZ", "Split Name", 2.5L},
                {"KPW", "Korean Won", 2.0L},
                {"NUL", "", 3.0L},
                {"//x", "", 1.0L},
                {"usd", "lower case", 4.0L}};
    ASSERT_EQ(c.UnitCount(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < c.UnitCount(); ++i) {
        SCOPED_TRACE(rows[i].symbol);
        EXPECT_EQ(c.UnitAt(i).Symbol, rows[i].symbol);
        EXPECT_EQ(c.UnitAt(i).Definition, rows[i].name);
        EXPECT_EQ(c.UnitAt(i).Factor, rows[i].factor);
    }
}

TEST_P(CurrencyImport, BlankLinesAnywherePassOver)
{
    const TCategory& c = Import("\r\n\r\n\r\nAAA First 1.5\r\n\r\n\r\n\t \r\nBBB Second\r\n\r\n\r\n2.5\r\n\r\n\r\n");
    ASSERT_EQ(c.UnitCount(), 3);
    EXPECT_EQ(c.UnitAt(2).Definition, "Second");
    EXPECT_EQ(c.UnitAt(2).Factor, 2.5L);
}

TEST_P(CurrencyImport, AByteOrderMarkAtTheStartIsPassedOver)
{
    const TCategory& c = Import("\xEF\xBB\xBF"
                                "GBP British Pounds 1.6832\r\nEUR Euro 1.1\r\n");
    ASSERT_EQ(c.UnitCount(), 3);
    EXPECT_EQ(c.UnitAt(1).Symbol, "GBP");
    EXPECT_EQ(TWordReader::FromText("a\r\n\xEF\xBB\xBF"
                                    "b")
                  .Lines[1][0],
              "\xEF\xBB\xBF"
              "b")
        << "only at the very start";
}

TEST_P(CurrencyImport, UsesTheUserSeparatorAsWellAsThePoint)
{
    const TCategory& c = Import("AAA Point 0.25\nBBB Other 1e-3\n");
    EXPECT_EQ(c.UnitAt(1).Factor, 0.25L);
    EXPECT_EQ(c.UnitAt(2).Factor, 0.001L);
    if (GetParam() == ',') {
        TCategories more;
        WriteFileText(dir.file("Currency.txt"), "CCC Comma 0,5\n");
        ImportCurrencyCategory(more, dir.path());
        EXPECT_EQ(more.CategoryAt(0).UnitAt(1).Factor, 0.5L);
    }
}

TEST_P(CurrencyImport, FaultsStopTheImportAndKeepTheUnitsBefore)
{
    struct Row {
        const char* name;
        const char* text;
        const char* message;
        int unitsLeft;
    } rows[] = {
        {"empty file", "", "This file either invalid or incomplete.", 1},
        {"only blank lines", "\r\n\r\n", "This file either invalid or incomplete.", 1},
        {"last row has no rate", "AAA One 1\r\nBBB Two\r\n", "This file either invalid or incomplete.", 2},
        {"symbol without anything", "AAA One 1\r\nBBB", "This file either invalid or incomplete.", 2},
        {"repeated symbol", "AAA One 1\r\nAAA Again 2\r\n", "AAA already exists. A unit's symbol must be unique.", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TCategories fresh;
        WriteFileText(dir.file("Currency.txt"), row.text);
        try {
            ImportCurrencyCategory(fresh, dir.path());
            ADD_FAILURE() << "no error";
        } catch (const EQuantovaError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
        ASSERT_EQ(fresh.CategoryCount(), 1);
        EXPECT_EQ(fresh.CategoryAt(0).UnitCount(), row.unitsLeft);
        EXPECT_EQ(fresh.CategoryAt(0).DefaultIndex, 0);
    }
}

TEST_P(CurrencyImport, ExistingCurrencyCategoryIsRefused)
{
    catalogue.AppendCategory("Currency");
    try {
        Import(nullptr);
        FAIL();
    } catch (const eNameError& e) {
        EXPECT_STREQ(e.what(), "Currency already exists.");
    }
}

// A reader that must not write (quantova-cli) gets the default rates from
// memory when the file is missing, and the user's file when it is there.
TEST_P(CurrencyImport, ReadOnlyImportNeverWritesTheFile)
{
    ImportCurrencyCategory(catalogue, dir.path(), MissingRatesFile::UseDefaultInMemory);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Currency.txt")));
    // The rows built in memory are the default file's, read as the file is.
    const TCategory& inMemory = catalogue.CategoryAt(0);
    TCategories written;
    ImportCurrencyCategory(written, dir.path());
    const TCategory& fromText = written.CategoryAt(0);
    ASSERT_EQ(inMemory.UnitCount(), fromText.UnitCount());
    for (std::int32_t i = 0; i < inMemory.UnitCount(); ++i) {
        SCOPED_TRACE(fromText.UnitAt(i).Symbol);
        EXPECT_EQ(inMemory.UnitAt(i).Symbol, fromText.UnitAt(i).Symbol);
        EXPECT_EQ(inMemory.UnitAt(i).Definition, fromText.UnitAt(i).Definition);
        EXPECT_EQ(std::memcmp(&inMemory.UnitAt(i).Factor, &fromText.UnitAt(i).Factor, 10), 0);
    }
    EXPECT_EQ(inMemory.DefaultIndex, fromText.DefaultIndex);
    std::filesystem::remove(dir.file("Currency.txt"));

    WriteFileText(dir.file("Currency.txt"), "GBP British Pounds 2\r\n");
    TCategories fromFile;
    ImportCurrencyCategory(fromFile, dir.path(), MissingRatesFile::UseDefaultInMemory);
    ASSERT_EQ(fromFile.CategoryAt(0).UnitCount(), 2);
    EXPECT_EQ(fromFile.CategoryAt(0).UnitAt(1).Factor, 2.0L);
}

TEST_P(CurrencyImport, UnreadableRatesFileIsNamed)
{
    std::filesystem::create_directory(dir.file("Currency.txt"));
    try {
        Import(nullptr);
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), dir.file("Currency.txt") + " is not a regular file");
    }
    EXPECT_EQ(catalogue.CategoryAt(0).UnitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Separators, CurrencyImport, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& p) {
                             return p.param == '.' ? std::string("Point") : std::string("Comma");
                         });

}  // namespace
}  // namespace qv
