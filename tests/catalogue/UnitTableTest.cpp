// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitTable.h"

#include "catalogue/Errors.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qv {
namespace {

// A definition with a comma and a quote, µ, and values written with a ","
// decimal separator.
const std::vector<TableRow> Rows = {
    {"m", "meters", "0,3048"},
    {"\xB5m", "micro<meters> & \"more\"", "304800"},
    {"x", "a, \"b\"\tc", "1,5e-3"},
};
const TableHeading Heading = {"Length", "1", "ft"};

TEST(UnitTable, TextAndHtmlKeepOneRowPerUnit)
{
    EXPECT_EQ(TableAsText(Rows), "m\tmeters\t0,3048\n"
                                 "\xB5m\tmicro<meters> & \"more\"\t304800\n"
                                 "x\ta, \"b\" c\t1,5e-3\n");
    EXPECT_EQ(TableAsHtml(Rows),
              "<table>\n"
              "<tr><td>m</td><td>meters</td><td>0,3048</td></tr>\n"
              "<tr><td>\xB5m</td><td>micro&lt;meters&gt; &amp; &quot;more&quot;</td><td>304800</td></tr>\n"
              "<tr><td>x</td><td>a, &quot;b&quot;\tc</td><td>1,5e-3</td></tr>\n"
              "</table>\n");
    EXPECT_EQ(TableAsText({}), "");
}

TEST(UnitTable, CsvQuotesFieldsAndIsUtf8)
{
    EXPECT_EQ(TableAsCsv(Heading, Rows), "Length,1,ft\r\n"
                                         "m,meters,\"0,3048\"\r\n"
                                         "\xC2\xB5m,\"micro<meters> & \"\"more\"\"\",304800\r\n"
                                         "x,\"a, \"\"b\"\"\tc\",\"1,5e-3\"\r\n");
    EXPECT_EQ(TableAsCsv({"A\nB", "2", "m"}, {}), "\"A\nB\",2,m\r\n");
}

// Text that a spreadsheet would run as a formula is made text; numbers,
// negative ones included, stay numbers.
TEST(UnitTable, CsvTextCellsNeverStartAFormula)
{
    const struct {
        TableRow row;
        const char* line;
    } cases[] = {
        {{"=1+2", "=HYPERLINK(\"x\")", "-5"}, "'=1+2,\"'=HYPERLINK(\"\"x\"\")\",-5\r\n"},
        {{"+x", "-y", "+1"}, "'+x,'-y,+1\r\n"},
        {{"@SUM", "\tcell", "1E-3"}, "'@SUM,'\tcell,1E-3\r\n"},
        {{"\rx", "a=b", "2"}, "\"'\rx\",a=b,2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(TableAsCsv({"=Length", "-1", "@m"}, {c.row}), std::string("'=Length,-1,'@m\r\n") + c.line);
    }
}

TEST(UnitTable, SaveReplacesTheFileOrLeavesNothingBehind)
{
    test::TempDir dir;
    const std::string path = dir.file("table.csv");
    test::WriteFileText(path, "old");
    SaveTableAsCsv(path, Heading, Rows);
    EXPECT_EQ(test::ReadFileText(path), TableAsCsv(Heading, Rows));

    struct Case {
        const char* name;
        std::string path;
        const char* reason;
    };
    std::filesystem::create_directory(dir.file("folder"));
    const Case failures[] = {
        {"missing folder", dir.file("none/table.csv"), "No such file or directory"},
        {"a folder in the way", dir.file("folder"), "Is a directory"},
    };
    for (const Case& c : failures) {
        SCOPED_TRACE(c.name);
        try {
            SaveTableAsCsv(c.path, Heading, Rows);
            ADD_FAILURE() << "saved";
        } catch (const EFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + c.path + " (" + c.reason + ")");
        }
        EXPECT_FALSE(std::filesystem::exists(c.path + ".saving"));
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
}

}  // namespace
}  // namespace qv
