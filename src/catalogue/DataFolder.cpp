// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qv {
namespace {

#if defined(_WIN32)
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += Separator;
    return folder;
}

}  // namespace

std::string UserDataFolder(std::string_view appName)
{
#if defined(_WIN32)
    std::string base = Environment("APPDATA");
#else
    std::string base = Environment("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) return {};
        base = WithSeparator(home) + ".local/share";
    }
#endif
    return WithSeparator(base) + std::string(appName);
}

bool IsWritableFolder(const std::string& folder)
{
    if (folder.empty()) return false;
#if defined(_WIN32)
    return ::_access(folder.c_str(), 2) == 0;
#else
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#endif
}

bool IsInstalledCopy(const std::string& programDir)
{
    if (programDir.empty()) return false;
    namespace fs = std::filesystem;
    const fs::path bin = fs::path(programDir).lexically_normal();
    // "/usr/bin/" normalises to "/usr/bin/" with an empty file name.
    const fs::path folder = bin.has_filename() ? bin : bin.parent_path();
    if (folder.filename() != "bin") return false;
    const fs::path entry = folder.parent_path() / "share" / "applications" / (std::string(ApplicationId) + ".desktop");
    std::error_code ec;
    return fs::is_regular_file(entry, ec);
}

std::string ChooseDataFolder(const std::string& programDir, const std::string& userDataDir)
{
    if (IsWritableFolder(programDir) && !IsInstalledCopy(programDir)) return WithSeparator(programDir);
    return userDataDir.empty() ? std::string() : WithSeparator(userDataDir);
}

}  // namespace qv
