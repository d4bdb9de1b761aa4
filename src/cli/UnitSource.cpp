// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitSource.h"

#include "builtin/BuildCats.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "catalogue/DataFolder.h"
#include "catalogue/MessageText.h"
#include "catalogue/Packages.h"
#include "catalogue/UnitResolver.h"
#include "cli/CliErrors.h"
#include "cli/UnitLookup.h"

#include <filesystem>
#include <utility>

namespace qv::cli {
namespace {

constexpr const char* AppName = "Quantova";

// Currency as the default rates give it, to recognise what was asked for.
std::shared_ptr<const UnavailableCategory> CurrencyLeftOut(const std::string& reason)
{
    auto left = std::make_shared<UnavailableCategory>();
    left->Reason = reason;
    DefaultCurrencyRows(left->StandIn.AppendCategory(CurrencyCategoryName));
    return left;
}

// The built-in categories in which one of `texts` may name a unit, or all of
// them when `texts` is empty. Currency counts when its rates file exists,
// since only reading it tells its units.
std::vector<std::string> CategoriesFor(std::span<const std::string> texts, const std::string& dataFolder)
{
    std::vector<std::string> names;
    if (texts.empty()) return ListBuiltInCategories();
    std::vector<ReadingFilter> filters(texts.begin(), texts.end());
    const auto named = [&filters](std::string_view category, std::string_view symbol, std::string_view definition) {
        for (const ReadingFilter& f : filters)
            if (f.MayName(category, symbol, definition)) return true;
        return false;
    };
    for (const BuiltInCategory& entry : BuiltInCategoryTable()) {
        bool wanted = false;
        if (entry.Name == std::string_view(CurrencyCategoryName)) {
            std::error_code ec;
            wanted = std::filesystem::exists(std::filesystem::symlink_status(dataFolder + CurrencyFileName, ec));
            for (const DefaultRate& rate : DefaultRates()) wanted = wanted || named(entry.Name, rate.Symbol, rate.Name);
        } else {
            for (const BuiltInUnit& unit : entry.Units)
                wanted = wanted || named(entry.Name, unit.Symbol, unit.Definition);
        }
        if (wanted) names.emplace_back(entry.Name);
    }
    return names;
}

// The built-in categories named; a rates file that cannot be read costs
// Currency only.
TCategories BuildCategories(const std::string& dataFolder, std::shared_ptr<const UnavailableCategory>& unavailable,
                            std::vector<std::string> all)
{
    TCategories catalogue;
    while (!all.empty()) {
        try {
            BuildBuiltInCategories(catalogue, all, dataFolder, MissingRatesFile::UseDefaultInMemory);
        } catch (const std::exception& e) {
            if (all.empty() || all.front() != CurrencyCategoryName) throw ECliError(ExitData, e.what());
            for (std::int32_t c = catalogue.CategoryCount() - 1; c >= 0; --c)
                if (catalogue.CategoryAt(c).Name == CurrencyCategoryName) catalogue.RemoveCategory(c);
            all.erase(all.begin());
            unavailable = CurrencyLeftOut(FormatMessage(msg::CannotReadRates, dataFolder + CurrencyFileName) +
                                          e.what());
        }
    }
    return catalogue;
}

// The built-in categories in which `texts` may name units. Anything but a
// clean resolution among them is answered from all the categories, so that
// no message or suggestion changes.
TCategories BuiltInCatalogue(const std::string& dataFolder, std::shared_ptr<const UnavailableCategory>& unavailable,
                             std::span<const std::string> texts)
{
    TCategories catalogue = BuildCategories(dataFolder, unavailable, CategoriesFor(texts, dataFolder));
    if (texts.empty()) return catalogue;
    Resolution units;
    if (UnitLookup(catalogue, unavailable).TryResolve(texts[0], texts.subspan(1), -1, units, nullptr)) return catalogue;
    unavailable.reset();
    return BuildCategories(dataFolder, unavailable, ListBuiltInCategories());
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

UnitSource LoadUnits(SourceKind kind, const std::string& packageFile, const std::string& dataFolder,
                     std::span<const std::string> texts)
{
    UnitSource source;
    switch (kind) {
    case SourceKind::PackageFile: try { source.Catalogue.LoadFromFile(packageFile);
        } catch (const std::exception& e) {
            throw ECliError(ExitData, FormatMessage(msg::CannotReadPackage, packageFile) + e.what());
        }
        return source;
    case SourceKind::BuiltIn:
        source.Catalogue = BuiltInCatalogue(dataFolder.empty() ? ExecutableFolder() : dataFolder, source.Unavailable,
                                            texts);
        return source;
    case SourceKind::DataFolder: break;
    }

    if (dataFolder.empty()) {
        source.Notes.emplace_back(msg::NoDataFolder);
        source.Catalogue = BuiltInCatalogue(ExecutableFolder(), source.Unavailable, texts);
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
        source.Notes.push_back(FormatMessage(msg::NoPackageFound, dataFolder));
        source.Catalogue = BuiltInCatalogue(dataFolder, source.Unavailable, texts);
    }
    ResetPackageState();
    return source;
}

}  // namespace qv::cli
