// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Packages.h"
#include "catalogue/ValueStream.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qv {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

class PackagesTest : public testing::Test {
protected:
    void TearDown() override { ResetPackageState(); }

    void WritePackage(const std::string& file, const std::string& caption, bool active,
                      const std::string& category = "Length")
    {
        TCategories p;
        p.Caption = caption;
        p.Active = active;
        p.AppendCategory(category).AppendUnit("m", "meters", 1.0L);
        p.SaveToFile(dir.file(file));
    }

    static TCategories Read(const std::string& path)
    {
        TCategories p;
        p.LoadFromFile(path);
        return p;
    }

    StartUpResult Start()
    {
        return StartUp(dir.path(), [this] { ++installerShown; });
    }

    TempDir dir;
    int installerShown = 0;
};

TEST_F(PackagesTest, LoadsTheActivePackageAndLearnsEveryCaption)
{
    WritePackage("a.qv", "Alpha", false, "A");
    WritePackage("b.qv", "Beta", true, "B");
    const StartUpResult r = Start();
    EXPECT_TRUE(r.HasPackage);
    EXPECT_TRUE(r.Skipped.empty());
    EXPECT_EQ(installerShown, 0);
    EXPECT_EQ(PackageCaptions, (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(PackageFiles, (std::vector<std::string>{"a.qv", "b.qv"}));
    EXPECT_EQ(Catalogue.Caption, "Beta");
    EXPECT_EQ(Catalogue.CategoryAt(0).Name, "B");
    EXPECT_EQ(ProgramDir, dir.path());
}

TEST_F(PackagesTest, WithNoActivePackageTheFirstIsLoadedAndSavedActive)
{
    WritePackage("b.qv", "Beta", false);
    WritePackage("a.qv", "Alpha", false);
    Start();
    EXPECT_EQ(Catalogue.Caption, "Alpha");
    EXPECT_TRUE(Catalogue.Active);
    EXPECT_FALSE(Read(dir.file("a.qv")).Active) << "marked in memory only";
    ShutDown();
    EXPECT_TRUE(Read(dir.file("a.qv")).Active);
    EXPECT_FALSE(Read(dir.file("b.qv")).Active);
    EXPECT_EQ(Catalogue.CategoryCount(), 0);
    EXPECT_TRUE(PackageCaptions.empty());
}

TEST_F(PackagesTest, ListsRegularQvFilesInAnyCaseInNameOrder)
{
    WritePackage("Zeta.QV", "Z", false);
    WritePackage("m.Qv", "M", true);
    WritePackage("notes.qvx", "X", true);
    fs::create_directory(dir.file("folder.qv"));
    Start();
    EXPECT_EQ(PackageFiles, (std::vector<std::string>{"Zeta.QV", "m.Qv"}));
    EXPECT_EQ(Catalogue.Caption, "M");
}

TEST_F(PackagesTest, WithoutPackagesTheInstallerDecidesWhetherTheProgramGoesOn)
{
    StartUpResult r = Start();
    EXPECT_EQ(installerShown, 1);
    EXPECT_FALSE(r.HasPackage);
    ShutDown();
    EXPECT_TRUE(fs::is_empty(dir.path())) << "nothing is written";

    r = StartUp(dir.path(), [] {
        PackageCaptions.push_back("Custom Category");
        PackageFiles.emplace_back();
        Catalogue.Caption = "Custom Category";
        Catalogue.AppendCategory("Length").AppendUnit("m", "meters", 1.0L);
    });
    EXPECT_TRUE(r.HasPackage);
    ShutDown();
    const TCategories saved = Read(dir.file("Custom Category.qv"));
    EXPECT_TRUE(saved.Active);
    EXPECT_EQ(saved.Caption, "Custom Category");
}

TEST_F(PackagesTest, UnreadableFilesAreSkippedReportedAndNeverWritten)
{
    test::WriteFileText(dir.file("broken.qv"), "\x09\x06\x40oops");
    WritePackage("good.qv", "Good", false);
    const StartUpResult r = Start();
    ASSERT_EQ(r.Skipped.size(), 1u);
    EXPECT_EQ(r.Skipped[0].FileName, "broken.qv");
    EXPECT_EQ(r.Skipped[0].Message, "Stream read error");
    EXPECT_EQ(PackageCaptions, (std::vector<std::string>{"Good"}));
    EXPECT_EQ(Catalogue.Caption, "Good");
    ShutDown();
    EXPECT_EQ(test::ReadFileText(dir.file("broken.qv")), "\x09\x06\x40oops");
}

TEST_F(PackagesTest, NewPackageNeverTakesTheNameOfAnotherFile)
{
    test::WriteFileText(dir.file("Custom Category.qv"), "unreadable");
    StartUp(dir.path(), [] {
        PackageCaptions.push_back("Custom Category");
        PackageFiles.emplace_back();
        Catalogue.Caption = "Custom Category";
        Catalogue.AppendCategory("Length");
    });
    ShutDown();
    EXPECT_EQ(test::ReadFileText(dir.file("Custom Category.qv")), "unreadable");
    EXPECT_EQ(Read(dir.file("Custom Category (2).qv")).Caption, "Custom Category");
}

TEST_F(PackagesTest, SwitchingSavesThePackageLeftAsInactive)
{
    WritePackage("a.qv", "A", true, "FromA");
    WritePackage("b.qv", "B", false, "FromB");
    Start();
    Catalogue.CategoryAt(0).Value = 42.0L;
    SwitchPackage("B");
    EXPECT_EQ(Catalogue.Caption, "B");
    EXPECT_EQ(Catalogue.CategoryAt(0).Name, "FromB");
    EXPECT_FALSE(Catalogue.Active);
    const TCategories a = Read(dir.file("a.qv"));
    EXPECT_FALSE(a.Active);
    EXPECT_EQ(a.CategoryAt(0).Value, 42.0L);
    ShutDown();
    EXPECT_TRUE(Read(dir.file("b.qv")).Active);

    Start();
    EXPECT_EQ(Catalogue.Caption, "B");
}

TEST_F(PackagesTest, SwitchingToTheCurrentPackageSavesAndReadsItBack)
{
    WritePackage("a.qv", "A", true);
    Start();
    Catalogue.CategoryAt(0).Value = 7.0L;
    SwitchPackage("a");
    EXPECT_EQ(Catalogue.CategoryAt(0).Value, 7.0L);
    EXPECT_EQ(PackageFiles[0], "a.qv");
}

TEST_F(PackagesTest, CaptionsDifferingInCaseFindTheFirst)
{
    WritePackage("1.qv", "Metric", true, "First");
    WritePackage("2.qv", "METRIC", false, "Second");
    Start();
    EXPECT_EQ(FindPackageCaption("metric"), 0);
    SwitchPackage("METRIC");
    EXPECT_EQ(Catalogue.CategoryAt(0).Name, "First");
}

TEST_F(PackagesTest, FailedLoadDuringASwitchKeepsTheCurrentPackage)
{
    WritePackage("a.qv", "A", true, "FromA");
    WritePackage("b.qv", "B", false, "FromB");
    Start();
    test::WriteFileText(dir.file("b.qv"), std::string("\x08\x06\x01"
                                                      "B\x01\x06\x05"
                                                      "Br",
                                                      9));
    EXPECT_THROW(SwitchPackage("B"), EReadError);
    EXPECT_EQ(Catalogue.Caption, "A");
    ASSERT_EQ(Catalogue.CategoryCount(), 1);
    EXPECT_EQ(Catalogue.CategoryAt(0).Name, "FromA");
    ShutDown();
    EXPECT_TRUE(Read(dir.file("a.qv")).Active);
}

TEST_F(PackagesTest, FailedSaveAtShutDownIsRaised)
{
    WritePackage("a.qv", "A", true);
    Start();
    {
        test::FailAtStep noTemporaryFile(1);
        EXPECT_THROW(ShutDown(), EFileError);
    }
    EXPECT_EQ(Catalogue.CategoryCount(), 0);
    EXPECT_TRUE(Read(dir.file("a.qv")).Active) << "old file intact";
}

TEST_F(PackagesTest, EmptyCatalogueIsNotSaved)
{
    WritePackage("a.qv", "A", true);
    Start();
    Catalogue.RemoveCategory(0);
    ShutDown();
    EXPECT_EQ(Read(dir.file("a.qv")).CategoryCount(), 1);
}

TEST_F(PackagesTest, ProgramDirGetsATrailingSeparator)
{
    std::string bare = dir.path();
    bare.pop_back();
    StartUp(bare, {});
    EXPECT_EQ(ProgramDir, dir.path());
}

TEST(PackageFileNames, CaptionsNeverNameAFileOutsideTheProgramDirectory)
{
    struct Row {
        const char* caption;
        const char* file;
    } rows[] = {
        {"Custom Category", "Custom Category.qv"},
        {"../../etc/passwd", ".._.._etc_passwd.qv"},
        {"a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i.qv"},
        {"tab\there\x7F", "tab_here_.qv"},
        {"caf\xE9 \xB5m\xB2", "caf\xC3\xA9 \xC2\xB5m\xC2\xB2.qv"},
        {"ctl\x81", "ctl_.qv"},
        {"trailing. ", "trailing__.qv"},
        {"", "_.qv"},
        {"..", "__.qv"},
        {"CON", "_CON.qv"},
        {"lpt1.x", "_lpt1.x.qv"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(FileNameForCaption(row.caption), row.file);
    }
    const std::string longName = FileNameForCaption(std::string(1000, '\xE9'));
    EXPECT_LE(longName.size(), 203u);
    EXPECT_EQ(longName.substr(longName.size() - 3), ".qv");
}

TEST_F(PackagesTest, HostileCaptionIsSavedInsideTheProgramDirectory)
{
    StartUp(dir.path(), [] {
        PackageCaptions.push_back("../escape");
        PackageFiles.emplace_back();
        Catalogue.Caption = "../escape";
        Catalogue.AppendCategory("Length");
    });
    ShutDown();
    EXPECT_TRUE(fs::exists(dir.file(".._escape.qv")));
    EXPECT_FALSE(fs::exists(fs::path(dir.path()).parent_path().parent_path() / "escape.qv"));
}

}  // namespace
}  // namespace qv
