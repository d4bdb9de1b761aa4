#include "cli/UnitSource.h"

#include "builtin/BuildCats.h"
#include "catalogue/DataFolder.h"
#include "catalogue/Packages.h"
#include "cli/CliErrors.h"

#include <filesystem>
#include <utility>

namespace qv::cli {
namespace {

constexpr const char* AppName = "Quantova";

TCategories BuiltInCatalogue(const std::string& dataFolder)
{
    TCategories catalogue;
    std::vector<std::string> all = ListBuiltInCategories();
    try {
        BuildBuiltInCategories(catalogue, all, dataFolder, MissingRatesFile::UseDefaultInMemory);
    } catch (const std::exception& e) {
        throw ECliError(ExitData, std::string(msg::CannotReadRates) + e.what());
    }
    return catalogue;
}

}  // namespace

std::string ExecutableFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string DataFolderFor(const std::string& programDir)
{
    const std::string user = UserDataFolder(AppName);
    if (user.empty() && !IsWritableFolder(programDir)) return {};
    return ChooseDataFolder(programDir, user);
}

UnitSource LoadUnits(SourceKind kind, const std::string& packageFile, const std::string& dataFolder)
{
    UnitSource source;
    switch (kind) {
    case SourceKind::PackageFile:
        try {
            source.Catalogue.LoadFromFile(packageFile);
        } catch (const std::exception& e) {
            throw ECliError(ExitData, FormatMessage(msg::CannotReadPackage, packageFile) + e.what());
        }
        return source;
    case SourceKind::BuiltIn:
        source.Catalogue = BuiltInCatalogue(dataFolder.empty() ? ExecutableFolder() : dataFolder);
        return source;
    case SourceKind::DataFolder:
        break;
    }

    if (dataFolder.empty()) {
        source.Notices.emplace_back(msg::NoDataFolder);
        source.Catalogue = BuiltInCatalogue(ExecutableFolder());
        return source;
    }
    // Reads the packages as the window does at start, without its installer;
    // the package state is the window's module state, so take it and reset it.
    const StartUpResult started = StartUp(dataFolder, nullptr);
    for (const SkippedPackage& skipped : started.Skipped)
        source.Notices.push_back(FormatMessage(msg::SkippedPackage, skipped.FileName) + skipped.Message);
    if (started.HasPackage) {
        source.Catalogue = std::move(qv::Catalogue);
    } else {
        source.Notices.push_back(FormatMessage(msg::NoPackageFound, dataFolder));
        source.Catalogue = BuiltInCatalogue(dataFolder);
    }
    ResetPackageState();
    return source;
}

}  // namespace qv::cli
