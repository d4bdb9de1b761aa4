// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DataFolder.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace qv {
namespace {

// Sets an environment variable for one scope and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, UserDataFolderFollowsXdgThenHome)
{
    struct Case {
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/xdg", "/home/j\xC3\xBCrgen", "/data/xdg/Quantova"},
        {"/data/xdg/", "/home/a", "/data/xdg/Quantova"},
        {nullptr, "/home/j\xC3\xBCrgen", "/home/j\xC3\xBCrgen/.local/share/Quantova"},
        {"relative/ignored", "/home/a/", "/home/a/.local/share/Quantova"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(UserDataFolder("Quantova"), c.expected);
    }
}

// A writable folder is portable unless it is the bin folder of an installed
// layout; the installed layout is recognised even when writable, as it is
// for root or for an unpacked package.
TEST(DataFolder, PortableOnlyWhenWritableAndNotInstalled)
{
    const test::TempDir root;
    const std::string user = "/home/a/.local/share/Quantova";
    const std::string bin = root.path() + "usr/bin/";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(root.path() + "usr/share/applications");
    const std::string entry = root.path() + "usr/share/applications/" + std::string(ApplicationId) + ".desktop";

    EXPECT_EQ(ChooseDataFolder(root.path(), user), root.path());
    EXPECT_EQ(ChooseDataFolder(bin, user), bin);
    EXPECT_EQ(ChooseDataFolder(root.path() + "missing/", user), user + "/");
    EXPECT_EQ(ChooseDataFolder(root.path() + "missing/", ""), "");
    EXPECT_FALSE(IsWritableFolder(""));

    std::ofstream(entry) << "[Desktop Entry]\n";
    for (const std::string& dir : {bin, root.path() + "usr/bin", root.path() + "usr/share/../bin/"}) {
        SCOPED_TRACE(dir);
        EXPECT_TRUE(IsInstalledCopy(dir));
        EXPECT_EQ(ChooseDataFolder(dir, user), user + "/");
    }
    // Only the bin folder itself is installed; other folders of the prefix are not.
    EXPECT_FALSE(IsInstalledCopy(root.path() + "usr/"));
    EXPECT_FALSE(IsInstalledCopy(""));
}

}  // namespace
}  // namespace qv
