#include "catalogue/DataFolder.h"
#include "support/TempDir.h"

#include <cstdlib>
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

TEST(DataFolder, WritableProgramFolderIsPortableOtherwiseUserFolder)
{
    const test::TempDir program;
    const std::string user = "/home/a/.local/share/Quantova";
    EXPECT_EQ(ChooseDataFolder(program.path(), user), program.path());
    EXPECT_EQ(ChooseDataFolder(program.path() + "missing/", user), user + "/");
    EXPECT_FALSE(IsWritableFolder(""));
}

}  // namespace
}  // namespace qv
