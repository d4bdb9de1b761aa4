// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Category.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

namespace qv {
namespace {

using test::Bytes;
using test::HexBytes;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

const char* const LengthExample =
    "09 06 0F 43 75 73 74 6F 6D 20 43 61 74 65 67 6F 72 79 01 06 06 4C 65 6E 67 74 68 01 06 01 6D 06 06 6D "
    "65 74 65 72 73 05 00 00 00 00 00 00 00 80 FF 3F 09 08 00 05 00 00 00 00 00 00 00 80 FF 3F 02 00 02 00 02 "
    "00 09 00";

bool SameBits(Extended a, Extended b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

TEST(PackageFile, WritesTheSeventyTwoByteExample)
{
    TempDir dir;
    TCategories cats;
    cats.Active = true;
    cats.Caption = "Custom Category";
    cats.AppendCategory("Length").AppendUnit("m", "meters", 1.0L);
    cats.SaveToFile(dir.file("a.qv"));
    const Bytes bytes = ReadFileBytes(dir.file("a.qv"));
    EXPECT_EQ(bytes.size(), 72u);
    EXPECT_EQ(bytes, HexBytes(LengthExample));
}

TEST(PackageFile, ReadsTheSeventyTwoByteExample)
{
    TempDir dir;
    WriteFileBytes(dir.file("a.qv"), HexBytes(LengthExample));
    TCategories cats;
    cats.LoadFromFile(dir.file("a.qv"));
    EXPECT_TRUE(cats.Active);
    EXPECT_EQ(cats.Caption, "Custom Category");
    ASSERT_EQ(cats.CategoryCount(), 1);
    const TCategory& c = cats.CategoryAt(0);
    EXPECT_EQ(c.Name, "Length");
    EXPECT_TRUE(c.Custom);
    ASSERT_EQ(c.UnitCount(), 1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "m");
    EXPECT_EQ(c.UnitAt(0).Definition, "meters");
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_TRUE(c.UnitAt(0).Custom);
    EXPECT_FALSE(c.UnitAt(0).Hidden);
}

TEST(PackageFile, EmptyCatalogueIsFiveBytes)
{
    TempDir dir;
    TCategories().SaveToFile(dir.file("e.qv"));
    EXPECT_EQ(ReadFileBytes(dir.file("e.qv")), HexBytes("08 06 00 01 00"));
}

// Writes one category whose fields exercise the encodings, and returns the
// bytes of its record (after the 5-byte package header).
Bytes CategoryRecordBytes(const TCategory& category)
{
    TempDir dir;
    TCategories cats;
    cats.AppendCategory("x");
    cats.CategoryAt(0) = category;
    cats.SaveToFile(dir.file("c.qv"));
    Bytes b = ReadFileBytes(dir.file("c.qv"));
    return Bytes(b.begin() + 4, b.end() - 1);
}

TEST(PackageFile, IntegersUseTheShortestForm)
{
    struct Row {
        std::int32_t value;
        const char* bytes;
    } rows[] = {{0, "02 00"},
                {-1, "02 FF"},
                {127, "02 7F"},
                {-128, "02 80"},
                {200, "03 C8 00"},
                {-32768, "03 00 80"},
                {40000, "04 40 9C 00 00"},
                {-2147483647 - 1, "04 00 00 00 80"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        TCategory c;
        c.DefaultIndex = row.value;
        const Bytes record = CategoryRecordBytes(c);
        // name "" (06 00), empty unit list (01 00), value (11 bytes), then DefaultIndex
        const Bytes expected = HexBytes(row.bytes);
        ASSERT_GE(record.size(), 15 + expected.size());
        EXPECT_EQ(Bytes(record.begin() + 15, record.begin() + 15 + static_cast<long>(expected.size())), expected);
    }
}

TEST(PackageFile, StringsLongerThan255BytesUseTheLongForm)
{
    TCategory c;
    c.Name = std::string(255, 'a');
    Bytes record = CategoryRecordBytes(c);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 2), HexBytes("06 FF"));
    c.Name = std::string(256, 'a');
    record = CategoryRecordBytes(c);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 5), HexBytes("0C 00 01 00 00"));
}

TEST(PackageFile, EveryFieldSurvivesSaveAndLoadBitForBit)
{
    TempDir dir;
    TCategories cats;
    cats.Active = false;
    cats.Caption = std::string("Caf\xE9 \xB5 ") + std::string(300, 'z');
    TCategory& a = cats.AppendCategory("Area \xB2");
    a.AppendUnit("m\xB2", "meters\xB2", 1.0L);
    a.AppendUnit("third", std::string(1000, 'd'), 1.0L / 3.0L);
    a.AppendUnit("max", "", MaxExtended);
    a.AppendUnit("denormal", "", std::numeric_limits<Extended>::denorm_min());
    a.AppendUnit("neg", "", -2.5L);
    a.UnitAt(2).Hidden = true;
    a.UnitAt(3).Custom = false;
    a.Value = -1.0L / 7.0L;
    a.DefaultIndex = -1;
    a.EntryIndex = 40000;
    a.SelectedIndex = 3;
    a.Custom = false;
    cats.AppendCategory("Empty");
    cats.SaveToFile(dir.file("p.qv"));

    TCategories back;
    back.LoadFromFile(dir.file("p.qv"));
    EXPECT_EQ(back.Active, cats.Active);
    EXPECT_EQ(back.Caption, cats.Caption);
    ASSERT_EQ(back.CategoryCount(), 2);
    for (int ci = 0; ci < 2; ++ci) {
        const TCategory& x = cats.CategoryAt(ci);
        const TCategory& y = back.CategoryAt(ci);
        EXPECT_EQ(y.Name, x.Name);
        EXPECT_TRUE(SameBits(y.Value, x.Value));
        EXPECT_EQ(y.DefaultIndex, x.DefaultIndex);
        EXPECT_EQ(y.EntryIndex, x.EntryIndex);
        EXPECT_EQ(y.SelectedIndex, x.SelectedIndex);
        EXPECT_EQ(y.Custom, x.Custom);
        ASSERT_EQ(y.UnitCount(), x.UnitCount());
        for (int ui = 0; ui < x.UnitCount(); ++ui) {
            SCOPED_TRACE(x.UnitAt(ui).Symbol);
            EXPECT_EQ(y.UnitAt(ui).Symbol, x.UnitAt(ui).Symbol);
            EXPECT_EQ(y.UnitAt(ui).Definition, x.UnitAt(ui).Definition);
            EXPECT_TRUE(SameBits(y.UnitAt(ui).Factor, x.UnitAt(ui).Factor));
            EXPECT_EQ(y.UnitAt(ui).Custom, x.UnitAt(ui).Custom);
            EXPECT_EQ(y.UnitAt(ui).Hidden, x.UnitAt(ui).Hidden);
        }
    }
    // Saving what was loaded gives the same bytes again.
    back.SaveToFile(dir.file("q.qv"));
    EXPECT_EQ(ReadFileBytes(dir.file("q.qv")), ReadFileBytes(dir.file("p.qv")));
}

TEST(PackageFile, TolerantReadsOfFactorsAndBooleans)
{
    TempDir dir;
    // Factor stored as the integer 3 (02 03), Custom as the byte 07 (reads false).
    WriteFileBytes(dir.file("t.qv"), HexBytes("09 06 01 50 01 06 01 43 01 06 01 75 06 00 02 03 07 08 00 "
                                              "03 E8 03 02 00 02 00 02 00 09 00"));
    TCategories cats;
    cats.LoadFromFile(dir.file("t.qv"));
    const TCategory& c = cats.CategoryAt(0);
    EXPECT_EQ(c.UnitAt(0).Factor, 3.0L);
    EXPECT_FALSE(c.UnitAt(0).Custom);
    EXPECT_EQ(c.Value, 1000.0L);  // an integer read where an extended belongs
}

TEST(PackageFile, FileCutShortKeepsTheCategoriesBeforeTheFault)
{
    TempDir dir;
    TCategories cats;
    cats.Caption = "P";
    cats.AppendCategory("First").AppendUnit("a", "aa", 1.0L);
    TCategory& second = cats.AppendCategory("Second");
    second.AppendUnit("b", "bb", 1.0L);
    second.AppendUnit("c", "cc", 2.0L);
    cats.SaveToFile(dir.file("full.qv"));
    Bytes bytes = ReadFileBytes(dir.file("full.qv"));

    // Cut inside the second unit record of "Second": after its symbol.
    const std::string marker = "\x06\x01"
                               "c";
    auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    bytes.erase(at + 3, bytes.end());
    WriteFileBytes(dir.file("cut.qv"), bytes);

    TCategories back;
    try {
        back.LoadFromFile(dir.file("cut.qv"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_EQ(back.Caption, "P");
    ASSERT_EQ(back.CategoryCount(), 1);
    EXPECT_EQ(back.CategoryAt(0).Name, "First");
}

TEST(PackageFile, HostileLengthsFailWithoutAllocating)
{
    TempDir dir;
    struct Row {
        const char* name;
        const char* bytes;
        bool readError;  // else "Invalid property value"
    } rows[] = {
        {"caption claims 4 GB", "09 0C FF FF FF FF 41 42", true},
        {"caption claims 2 GB", "09 0C 00 00 00 80 41", true},
        {"short string longer than the file", "09 06 40 41 42", true},
        {"empty file", "", true},
        {"no list end", "09 06 00 01", true},
        {"unknown tag for a string", "09 07 00 01 00", false},
        {"list start missing", "09 06 00 02 00", false},
        {"list end missing", "09 06 00 01 06 00 01 00 05 00 00 00 00 00 00 00 80 FF 3F 02 00 02 00 02 00 09 07", false},
        {"unit symbol claims 4 GB", "09 06 00 01 06 01 43 01 0C FF FF FF FF", true},
        {"extended cut short", "09 06 00 01 06 01 43 01 00 05 00 00", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFileBytes(dir.file("h.qv"), HexBytes(row.bytes));
        TCategories cats;
        try {
            cats.LoadFromFile(dir.file("h.qv"));
            ADD_FAILURE() << "loaded";
        } catch (const EReadError&) {
            EXPECT_TRUE(row.readError);
        } catch (const EPropertyError& e) {
            EXPECT_FALSE(row.readError);
            EXPECT_STREQ(e.what(), "Invalid property value");
        }
    }
}

// Sparse files whose declared lengths are really there: a string longer than
// any package holds is refused before it is allocated or read.
TEST(PackageFile, HugeDeclaredLengthsAreRefusedEvenWhenTheBytesExist)
{
    TempDir dir;
    struct Row {
        const char* name;
        const char* head;  // followed by zeros up to `size`
        std::uintmax_t size;
    } rows[] = {
        {"caption of 4 GB in a 5 GB file", "09 0C F0 FF FF FF", std::uintmax_t{5} << 30},
        {"symbol one byte over the limit", "09 06 00 01 06 01 43 01 0C 01 00 10 00", 3u << 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir.file("big.qv");
        WriteFileBytes(path, HexBytes(row.head));
        std::filesystem::resize_file(path, row.size);
        TCategories cats;
        EXPECT_THROW(cats.LoadFromFile(path), EReadError);
    }
}

TEST(PackageFile, TheLongestStringRoundTripsAndALongerOneIsNeverWritten)
{
    TempDir dir;
    TCategories cats;
    cats.AppendCategory("C").AppendUnit("u", std::string(MaxStringLength, 'd'), 1.0L);
    cats.SaveToFile(dir.file("p.qv"));
    TCategories back;
    back.LoadFromFile(dir.file("p.qv"));
    EXPECT_EQ(back.CategoryAt(0).UnitAt(0).Definition.size(), MaxStringLength);

    cats.Caption = std::string(MaxStringLength + 1, 'c');
    EXPECT_THROW(cats.SaveToFile(dir.file("p.qv")), EWriteError);
    back.LoadFromFile(dir.file("p.qv"));
    EXPECT_EQ(back.Caption, "") << "the old file stays";
}

TEST(PackageFile, StoredPositionsOutsideTheUnitsLoadAndAreCheckedOnUse)
{
    TempDir dir;
    // One category with one unit; DefaultIndex 5, EntryIndex 9, SelectedIndex -3.
    WriteFileBytes(dir.file("p.qv"),
                   HexBytes("09 06 01 50 01 06 01 43 01 06 01 75 06 00 05 00 00 00 00 00 00 00 80 "
                            "FF 3F 09 08 00 05 00 00 00 00 00 00 00 80 FF 3F 02 05 02 09 02 FD 09 00"));
    TCategories cats;
    cats.LoadFromFile(dir.file("p.qv"));
    const TCategory& c = cats.CategoryAt(0);
    EXPECT_EQ(c.DefaultIndex, 5);
    EXPECT_EQ(c.EntryIndex, 9);
    EXPECT_EQ(c.SelectedIndex, -3);
    EXPECT_THROW(c.ConvertTo(0), EListError);
    EXPECT_THROW(c.UnitAt(c.SelectedIndex), EListError);
}

TEST(PackageFile, MissingFileCannotBeOpened)
{
    TempDir dir;
    TCategories cats;
    cats.Caption = "kept";
    cats.AppendCategory("gone");
    try {
        cats.LoadFromFile(dir.file("none.qv"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.file("none.qv"));
    }
    EXPECT_EQ(cats.CategoryCount(), 0);
    EXPECT_EQ(cats.Caption, "kept");
}

TEST(PackageFile, SaveThatCannotCreateItsFileLeavesTheOldOne)
{
    TempDir dir;
    TCategories cats;
    cats.Caption = "old";
    cats.AppendCategory("Length");
    cats.SaveToFile(dir.file("p.qv"));
    const Bytes before = ReadFileBytes(dir.file("p.qv"));
    cats.Caption = "new";
    try {
        test::FailAtStep noTemporaryFile(1);  // works even as root
        cats.SaveToFile(dir.file("p.qv"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.file("p.qv") + " (No space left on device)");
    }
    EXPECT_EQ(ReadFileBytes(dir.file("p.qv")), before);
}

TEST(PackageFile, WriterFailureRemovesTheTemporaryFile)
{
    TempDir dir;
    test::WriteFileText(dir.file("p.qv"), "old content");
    try {
        WriteFileAtomically(dir.file("p.qv"), [](std::FILE* f) {
            std::fputs("partial", f);
            throw EWriteError();
        });
        ADD_FAILURE() << "no error";
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
        EXPECT_EQ(e.UnsavedFile(), dir.file("p.qv")) << "the error names the file it did not write";
    }
    EXPECT_EQ(test::ReadFileText(dir.file("p.qv")), "old content");
    EXPECT_FALSE(std::filesystem::exists(dir.file("p.qv.saving")));
}

TEST(PackageFile, SaveIntoReadOnlyDirectoryLeavesTheOldFileIntact)
{
    if (geteuid() == 0) GTEST_SKIP() << "root ignores directory permissions";
    TempDir dir;
    TCategories cats;
    cats.Caption = "old";
    cats.AppendCategory("Length");
    cats.SaveToFile(dir.file("p.qv"));
    const Bytes before = ReadFileBytes(dir.file("p.qv"));

    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    cats.Caption = "new";
    try {
        cats.SaveToFile(dir.file("p.qv"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.file("p.qv"));
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadFileBytes(dir.file("p.qv")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PackageFile, FailedWriteRemovesTheTemporaryFileAndKeepsTheOld)
{
    TempDir dir;
    TCategories cats;
    cats.AppendCategory("Length");
    cats.SaveToFile(dir.file("p.qv"));
    const Bytes before = ReadFileBytes(dir.file("p.qv"));
    // A directory where the package should go cannot be replaced by a file.
    std::filesystem::create_directory(dir.file("d.qv"));
    EXPECT_THROW(cats.SaveToFile(dir.file("d.qv")), EFileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("d.qv")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("d.qv.saving")));
    EXPECT_EQ(ReadFileBytes(dir.file("p.qv")), before);
}

TEST(PackageFile, WriteErrorIsReported)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    ValueWriter writer(full);
    try {
        writer.WriteString(std::string(5000, 'x'));
        writer.Finish();
        ADD_FAILURE() << "no error";
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
    std::fclose(full);
}

}  // namespace
}  // namespace qv
