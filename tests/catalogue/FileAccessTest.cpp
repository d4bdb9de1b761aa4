// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FileAccess.h"
#include "builtin/CurrencyFile.h"
#include "builtin/RatesMerge.h"
#include "catalogue/Category.h"
#include "catalogue/UnitTable.h"
#include "catalogue/ValueStream.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <thread>

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
     [](const std::string& dir) {
         SaveTableAsCsv(dir + "t.csv", {"Length", "1", "m"}, {{"m", "meters", "1"}});
     },
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
                const bool placing = step == "create" || step == "attributes" || step == "rename";
                const std::string message = placing ? FormatMessage(msg::CannotCreateFile, path) : msg::StreamWrite;
                EXPECT_EQ(e.what(), message + " (No space left on device)");
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
        EXPECT_EQ(failedSteps,
                  (std::set<std::string>{"create", "attributes", "write", "flush", "sync", "close", "rename"}));
    }
}

void SaveText(const std::string& path, const std::string& text)
{
    WriteFileAtomically(path, [&](std::FILE* file) {
        // In blocks, so that two writers of one file interleave.
        for (std::size_t at = 0; at < text.size(); at += 4096)
            if (std::fwrite(text.data() + at, 1, std::min<std::size_t>(4096, text.size() - at), file) == 0)
                throw EWriteError();
    });
}

unsigned ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Two writers save one file at once, round after round: every save succeeds,
// and the file is always one writer's whole text, never a mixture.
TEST(SaveUnderRace, TwoWritersLeaveOneWholeFile)
{
    TempDir dir;
    const std::string path = dir.file("Currency.txt");
    const std::string texts[2] = {std::string(64 * 1024, 'a'), std::string(48 * 1024, 'b')};
    for (int round = 0; round < 100; ++round) {
        std::string failures[2];
        std::thread writers[2];
        for (int w = 0; w < 2; ++w)
            writers[w] = std::thread([&, w] {
                try {
                    SaveText(path, texts[w]);
                } catch (const std::exception& e) {
                    failures[w] = e.what();
                }
            });
        for (std::thread& t : writers) t.join();
        ASSERT_EQ(failures[0] + failures[1], "") << "round " << round;
        const std::string now = test::ReadFileText(path);
        ASSERT_TRUE(now == texts[0] || now == texts[1]) << "round " << round << ": " << now.size() << " bytes";
        ASSERT_EQ(test::DirectoryContent(dir.path()).size(), 1u) << "a temporary file was left";
    }
}

// What lies in the folder before a save of "f", and what must hold after it.
struct Surrounding {
    const char* name;
    std::function<void(const std::string& dir)> before;
    std::function<void(const std::string& dir)> check;
};

namespace fs = std::filesystem;

const Surrounding Surroundings[] = {
    {"a link planted where a temporary file could go is never followed",
     [](const std::string& dir) {
         test::WriteFileText(dir + "victim", "private");
         fs::create_symlink(dir + "victim", dir + "f.saving");
     },
     [](const std::string& dir) {
         EXPECT_EQ(test::ReadFileText(dir + "victim"), "private");
         EXPECT_TRUE(fs::is_symlink(dir + "f.saving"));
     }},
    {"a file planted where a temporary file could go is left alone",
     [](const std::string& dir) {
         test::WriteFileText(dir + "f.saving", "planted");
         ::chmod((dir + "f.saving").c_str(), 0666);
     },
     [](const std::string& dir) {
         EXPECT_EQ(test::ReadFileText(dir + "f.saving"), "planted");
         EXPECT_EQ(ModeOf(dir + "f"), 0644u);
     }},
    {"a private file stays private",
     [](const std::string& dir) {
         test::WriteFileText(dir + "f", "old");
         ::chmod((dir + "f").c_str(), 0600);
     },
     [](const std::string& dir) { EXPECT_EQ(ModeOf(dir + "f"), 0600u); }},
    {"a file for the group keeps its permissions",
     [](const std::string& dir) {
         test::WriteFileText(dir + "f", "old");
         ::chmod((dir + "f").c_str(), 0640);
     },
     [](const std::string& dir) { EXPECT_EQ(ModeOf(dir + "f"), 0640u); }},
    {"a new file follows the umask", [](const std::string&) {},
     [](const std::string& dir) { EXPECT_EQ(ModeOf(dir + "f"), 0644u); }},
    {"a link stays a link and its target is replaced",
     [](const std::string& dir) {
         fs::create_directory(dir + "elsewhere");
         test::WriteFileText(dir + "elsewhere/real", "old");
         ::chmod((dir + "elsewhere/real").c_str(), 0600);
         fs::create_symlink("elsewhere/real", dir + "f");
     },
     [](const std::string& dir) {
         EXPECT_TRUE(fs::is_symlink(dir + "f"));
         EXPECT_EQ(test::ReadFileText(dir + "elsewhere/real"), "new");
         EXPECT_EQ(ModeOf(dir + "elsewhere/real"), 0600u);
         EXPECT_EQ(test::DirectoryContent(dir + "elsewhere").size(), 1u);
     }},
};

TEST(SaveAmongOtherFiles, KeepsLinksPermissionsAndPlantedFiles)
{
    const mode_t umask = ::umask(022);
    for (const Surrounding& s : Surroundings) {
        SCOPED_TRACE(s.name);
        TempDir dir;
        s.before(dir.path());
        SaveText(dir.file("f"), "new");
        EXPECT_EQ(test::ReadFileText(dir.file("f")), "new");
        s.check(dir.path());
    }
    ::umask(umask);
}

// Files that cannot be read whole are named, with what is wrong in words.
TEST(ReadTextFile, NamesTheFileAndWhatIsWrong)
{
    TempDir dir;
    fs::create_directory(dir.file("folder"));
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    test::WriteFileText(dir.file("big"), "");
    fs::resize_file(dir.file("big"), MaxTextFileSize + 1);
    const std::pair<std::string, std::string> cases[] = {
        {"folder", " is not a regular file"},
        {"pipe", " is not a regular file"},
        {"big", " is larger than 1 MiB, the most Quantova reads"},
    };
    for (const auto& [name, problem] : cases) {
        try {
            ReadTextFile(dir.file(name));
            ADD_FAILURE() << name << " was read";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.what(), dir.file(name) + problem);
        }
    }
}

TEST(PrivateFolder, IsCreatedForTheUserOnly)
{
    TempDir dir;
    const std::string folder = dir.file("share/Quantova");
    ASSERT_TRUE(CreatePrivateFolder(folder));
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_TRUE(CreatePrivateFolder(folder + "/"));
}

}  // namespace
}  // namespace qv
