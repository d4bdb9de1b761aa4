#include "builtin/CurrencyFile.h"
#include "builtin/RatesMerge.h"
#include "catalogue/Category.h"
#include "catalogue/FileAccess.h"
#include "catalogue/UnitTable.h"
#include "catalogue/ValueStream.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace qv {
namespace {

using test::Bytes;
using test::FailAtStep;
using test::ReadFileBytes;
using test::TempDir;

// A package big enough to reach the file in several blocks.
TCategories LargePackage(const std::string& caption)
{
    TCategories cats;
    cats.Caption = caption;
    TCategory& length = cats.AppendCategory("Length");
    for (int i = 0; i < 200; ++i) length.AppendUnit("u" + std::to_string(i), "unit number " + std::to_string(i), i + 1);
    return cats;
}

// Something that writes a file through WriteFileAtomically: what lies in the
// folder before (the file it replaces, or nothing), and the write itself.
struct Writer {
    const char* name;
    const char* file;
    std::function<void(const std::string& dir)> before;
    std::function<void(const std::string& dir)> write;
};

const Writer Writers[] = {
    {"package save over an older one", "p.qv",
     [](const std::string& dir) { LargePackage("old").SaveToFile(dir + "p.qv"); },
     [](const std::string& dir) { LargePackage("new").SaveToFile(dir + "p.qv"); }},
    {"first save of an empty package", "e.qv", [](const std::string&) {},
     [](const std::string& dir) { TCategories().SaveToFile(dir + "e.qv"); }},
    {"rates file written when missing", "Currency.txt", [](const std::string&) {},
     [](const std::string& dir) { WriteCurrencyFile(dir); }},
    {"rates file updated from published rates", "Currency.txt", [](const std::string& dir) { WriteCurrencyFile(dir); },
     [](const std::string& dir) {
         const PublishedRates rates{"2026-12-07", {{"USD", 1.1645L}, {"JPY", 181.02L}, {"PLN", 4.227L}}};
         UpdateCurrencyFile(dir, rates, "https://example.invalid/rates.xml");
     }},
    {"table saved as CSV over an older one", "t.csv",
     [](const std::string& dir) { SaveTableAsCsv(dir + "t.csv", {"Length", "1", "m"}, {{"m", "meters", "1"}}); },
     [](const std::string& dir) {
         std::vector<TableRow> rows;
         for (int i = 0; i < 2000; ++i) rows.push_back({"u" + std::to_string(i), "unit, \"" + std::to_string(i), "1"});
         SaveTableAsCsv(dir + "t.csv", {"Length", "2", "m"}, rows);
     }},
};

// Makes step 1, 2, 3, ... of each write fail until it succeeds. Every failure
// leaves the folder as it was (the old file byte for byte, no temporary file)
// and raises an error naming the file; the run that succeeds writes the same
// bytes as a write that nothing disturbs.
TEST(SaveUnderFailure, EveryStepCanFailAndTheOldFileSurvives)
{
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.name);
        TempDir reference;
        writer.write(reference.path());
        const Bytes expected = ReadFileBytes(reference.file(writer.file));

        std::set<std::string> failedSteps;
        for (int n = 1; n < 1000; ++n) {
            TempDir dir;
            writer.before(dir.path());
            const auto before = test::DirectoryContent(dir.path());
            const std::string path = dir.file(writer.file);

            FailAtStep failing(n);
            try {
                writer.write(dir.path());
            } catch (const EFileError& e) {
                const std::string step = failing.Failed();
                SCOPED_TRACE("step " + std::to_string(n) + ": " + step);
                ASSERT_FALSE(step.empty()) << e.what();
                failedSteps.insert(step);
                const bool placing = step == "create" || step == "rename";
                EXPECT_EQ(e.what(), placing ? FormatMessage(msg::CannotCreateFile, path) : std::string(msg::StreamWrite));
                EXPECT_EQ(e.UnsavedFile(), path);
                EXPECT_EQ(test::DirectoryContent(dir.path()), before);
                continue;
            }
            EXPECT_EQ(failing.Failed(), "") << "a failed step went unnoticed";
            EXPECT_EQ(ReadFileBytes(path), expected);
            auto after = before;
            after[writer.file] = expected;
            EXPECT_EQ(test::DirectoryContent(dir.path()), after);
            break;
        }
        EXPECT_EQ(failedSteps, (std::set<std::string>{"create", "write", "flush", "sync", "close", "rename"}));
    }
}

}  // namespace
}  // namespace qv
