// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/Installer.h"
#include "catalogue/Packages.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Names = std::vector<std::string>;

class InstallerTest : public testing::Test {
protected:
    void TearDown() override { ResetPackageState(); }

    // A package on disk, loaded as the current one.
    void StartWith(const std::string& caption, const Names& categories)
    {
        TCategories p;
        p.Caption = caption;
        p.Active = true;
        for (const std::string& name : categories) p.AppendCategory(name).AppendUnit("u", "unit", 1.0L);
        p.SaveToFile(dir.file(caption + ".qv"));
        StartUp(dir.path(), {});
    }

    static Names CategoryNames()
    {
        Names names;
        for (int i = 0; i < Catalogue.CategoryCount(); ++i) names.push_back(Catalogue.CategoryAt(i).Name);
        return names;
    }

    test::TempDir dir;
};

TEST_F(InstallerTest, FirstStartCreatesTheProposedPackage)
{
    StartUp(dir.path(), [] {
        EXPECT_EQ(CurrentInstallSituation(), InstallSituation::NoPackage);
        EXPECT_EQ(ApplyInstall("Custom Category", {"Length"}), "Custom Category");
    });
    EXPECT_EQ(Catalogue.Caption, "Custom Category");
    EXPECT_EQ(CategoryNames(), Names{"Length"});
    EXPECT_EQ(PackageCaptions, Names{"Custom Category"});
    EXPECT_EQ(PackageFiles, Names{""});
    ShutDown();
    EXPECT_TRUE(std::filesystem::exists(dir.file("Custom Category.qv")));
}

TEST_F(InstallerTest, ReinstallingMovesTheCategoryToTheEndFreshFromTheTable)
{
    StartWith("P", {"Area", "Length", "Time"});
    EXPECT_EQ(CurrentInstallSituation(), InstallSituation::Reinstall);
    ApplyInstall("P", {"Length"});
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Time", "Length"}));
    EXPECT_EQ(Catalogue.CategoryAt(2).UnitCount(), 38);
    EXPECT_EQ(PackageCaptions, Names{"P"});
}

// A rates file that cannot be imported (here emptied) stops the install
// before anything changes: the installed Currency keeps its units, and the
// other chosen categories are not half installed.
TEST_F(InstallerTest, AFailedImportLeavesTheInstalledCategories)
{
    StartWith("P", {"Currency", "Length"});
    test::WriteFileText(dir.file("Currency.txt"), "");
    EXPECT_THROW(ApplyInstall("P", {"Angle", "Currency"}), EQuantovaError);
    EXPECT_EQ(CategoryNames(), (Names{"Currency", "Length"}));
    EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
    EXPECT_THROW(ApplyInstall("Other", {"Currency"}), EQuantovaError);
    EXPECT_EQ(Catalogue.Caption, "P") << "no new package for a failed install";
}

TEST_F(InstallerTest, ChosenNamesReplaceCategoriesThatDifferOnlyInCase)
{
    StartWith("P", {"LENGTH", "Mine"});
    ApplyInstall("P", {"Time", "Length"});
    EXPECT_EQ(CategoryNames(), (Names{"Mine", "Time", "Length"}));
}

TEST_F(InstallerTest, ANewCaptionPutsTheCurrentPackageAway)
{
    StartWith("Old", {"Area"});
    Catalogue.CategoryAt(0).Value = 5.0L;
    ApplyInstall("Fresh", {"Angle"});
    EXPECT_EQ(Catalogue.Caption, "Fresh");
    EXPECT_EQ(CategoryNames(), Names{"Angle"});
    EXPECT_EQ(PackageCaptions, (Names{"Old", "Fresh"}));
    EXPECT_EQ(PackageFiles, (Names{"Old.qv", ""}));
    TCategories old;
    old.LoadFromFile(dir.file("Old.qv"));
    EXPECT_FALSE(old.Active);
    EXPECT_EQ(old.CategoryAt(0).Value, 5.0L);
}

TEST_F(InstallerTest, EmptyPackageReceivesTheCategories)
{
    StartWith("Empty", {"Area"});
    Catalogue.RemoveCategory(0);
    EXPECT_EQ(CurrentInstallSituation(), InstallSituation::EmptyPackage);
    ApplyInstall("Empty", {"Time"});
    EXPECT_EQ(CategoryNames(), Names{"Time"});
    EXPECT_EQ(PackageCaptions, Names{"Empty"});
}

TEST_F(InstallerTest, UniqueCaptionsAppendTwoAsOftenAsNeeded)
{
    StartWith("Custom Category", {"Area"});
    PackageCaptions.push_back("Custom Category2");
    EXPECT_EQ(EnsureUniqueCaption("Custom Category"), "Custom Category") << "the current caption itself";
    EXPECT_EQ(EnsureUniqueCaption("custom category"), "custom category22");
    EXPECT_EQ(EnsureUniqueCaption("Other"), "Other");
    // ApplyInstall applies the rule itself, so Enter in the caption field
    // cannot create a second package with a taken caption.
    EXPECT_EQ(ApplyInstall("CUSTOM CATEGORY", {"Time"}), "CUSTOM CATEGORY22");
    EXPECT_EQ(Catalogue.Caption, "CUSTOM CATEGORY22");
}

TEST_F(InstallerTest, FailedSaveOfThePackageLeftChangesNothingElse)
{
    StartWith("Old", {"Area"});
    {
        test::FailAtStep noTemporaryFile(1);
        EXPECT_THROW(ApplyInstall("Fresh", {"Angle"}), EQuantovaError);
    }
    EXPECT_EQ(Catalogue.Caption, "Old");
    EXPECT_EQ(CategoryNames(), Names{"Area"});
    EXPECT_EQ(PackageCaptions, Names{"Old"});
}

TEST_F(InstallerTest, OkNeedsAChoiceAndACaption)
{
    EXPECT_FALSE(InstallAllowed(0, "P"));
    EXPECT_FALSE(InstallAllowed(2, ""));
    EXPECT_TRUE(InstallAllowed(1, " "));
}

}  // namespace
}  // namespace qv
