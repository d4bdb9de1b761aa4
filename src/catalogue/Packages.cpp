// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Packages.h"

#include "catalogue/Cp1252.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace qv {

TCategories Catalogue;
std::vector<std::string> PackageCaptions;
std::vector<std::string> PackageFiles;
std::string ProgramDir;

namespace {

constexpr std::string_view PackageExtension = ".qv";
constexpr std::size_t MaxFileNameBytes = 200;  // leaves room for " (n).qv.saving-XXXXXX"

bool EndsWithPackageExtension(std::string_view name)
{
    return name.size() > PackageExtension.size() &&
           SameTextIgnoringCase(name.substr(name.size() - PackageExtension.size()), PackageExtension);
}

std::vector<std::string> ListPackageFiles(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (EndsWithPackageExtension(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string WithSeparator(std::string dir)
{
    if (dir.empty()) dir = ".";
    const char last = dir.back();
    const bool hasSeparator = last == '/' || (fs::path::preferred_separator == '\\' && last == '\\');
    if (!hasSeparator) dir += static_cast<char>(fs::path::preferred_separator);
    return dir;
}

bool IsReservedWindowsName(std::string_view stem)
{
    static constexpr std::string_view reserved[] = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view r : reserved)
        if (SameTextIgnoringCase(stem, r)) return true;
    if (stem.size() == 4 &&
        (SameTextIgnoringCase(stem.substr(0, 3), "COM") || SameTextIgnoringCase(stem.substr(0, 3), "LPT")))
        return stem[3] >= '1' && stem[3] <= '9';
    return false;
}

std::string SafeStem(std::string_view caption)
{
    std::string utf8 = Cp1252ToUtf8(caption);
    std::string stem;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // C1 controls (from the undefined Windows-1252 bytes) are C2 80..C2 9F.
        if (b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            stem += '_';
            ++i;
            continue;
        }
        const bool unsafe = b < 0x20 || b == 0x7F ||
                            std::string_view("\\/:*?\"<>|").find(static_cast<char>(b)) != std::string_view::npos;
        stem += unsafe ? '_' : static_cast<char>(b);
    }
    if (stem.size() > MaxFileNameBytes) {
        std::size_t cut = MaxFileNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
        stem.resize(cut);
    }
    // Windows drops trailing blanks and dots from file names.
    for (std::size_t i = stem.size(); i-- > 0 && (stem[i] == ' ' || stem[i] == '.');) stem[i] = '_';
    if (stem.empty()) stem = "_";
    const std::string_view beforeDot = std::string_view(stem).substr(0, stem.find('.'));
    if (IsReservedWindowsName(beforeDot)) stem.insert(0, "_");
    return stem;
}

bool FileNameTaken(const std::string& name, std::int32_t except)
{
    for (std::size_t i = 0; i < PackageFiles.size(); ++i) {
        if (static_cast<std::int32_t>(i) != except && SameTextIgnoringCase(PackageFiles[i], name)) return true;
    }
    std::error_code ec;
    return fs::exists(fs::symlink_status(fs::path(ProgramDir + name), ec));
}

// Position of the current package in the lists; a catalogue whose caption is
// unknown (which only a bug could cause) is added so that it is not lost.
std::int32_t CurrentPackageIndex()
{
    std::int32_t index = FindPackageCaption(Catalogue.Caption);
    if (index < 0) index = AddPackage(Catalogue.Caption);
    return index;
}

}  // namespace

std::int32_t AddPackage(const std::string& caption, const std::string& fileName)
{
    PackageCaptions.push_back(caption);
    PackageFiles.push_back(fileName);
    return static_cast<std::int32_t>(PackageCaptions.size()) - 1;
}

std::int32_t FindPackageCaption(std::string_view caption)
{
    for (std::size_t i = 0; i < PackageCaptions.size(); ++i) {
        if (SameTextIgnoringCase(PackageCaptions[i], caption)) return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::string FileNameForCaption(std::string_view caption)
{
    return SafeStem(caption) + std::string(PackageExtension);
}

std::string PackageFileName(std::int32_t index)
{
    if (index < 0 || index >= static_cast<std::int32_t>(PackageFiles.size()))
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    const std::string& known = PackageFiles[static_cast<std::size_t>(index)];
    if (!known.empty()) return known;

    const std::string stem = SafeStem(PackageCaptions[static_cast<std::size_t>(index)]);
    std::string name = stem + std::string(PackageExtension);
    for (int n = 2; FileNameTaken(name, index); ++n)
        name = stem + " (" + std::to_string(n) + ")" + std::string(PackageExtension);
    return name;
}

void ResetPackageState()
{
    Catalogue = TCategories();
    PackageCaptions.clear();
    PackageFiles.clear();
    ProgramDir.clear();
}

StartUpResult StartUp(const std::string& programDir, const std::function<void()>& showInstaller)
{
    ResetPackageState();
    ProgramDir = WithSeparator(programDir);

    StartUpResult result;
    bool haveActive = false;
    bool haveFirst = false;
    TCategories first;
    for (const std::string& name : ListPackageFiles(ProgramDir)) {
        TCategories package;
        try {
            package.LoadFromFile(ProgramDir + name);
        } catch (const std::exception& e) {
            result.Skipped.push_back({name, e.what(), std::current_exception()});
            continue;
        }
        AddPackage(package.Caption, name);
        if (haveActive) continue;
        if (package.Active) {
            Catalogue = std::move(package);
            haveActive = true;
        } else if (!haveFirst) {
            first = std::move(package);
            haveFirst = true;
        }
    }

    if (PackageCaptions.empty()) {
        if (showInstaller) showInstaller();
        result.HasPackage = Catalogue.CategoryCount() > 0;
        return result;
    }
    if (!haveActive) {
        Catalogue = std::move(first);
        Catalogue.Active = true;
    }
    result.HasPackage = true;
    return result;
}

void ShutDown()
{
    try {
        if (Catalogue.CategoryCount() > 0) {
            const std::string name = PackageFileName(CurrentPackageIndex());
            Catalogue.Active = true;
            Catalogue.SaveToFile(ProgramDir + name);
        }
    } catch (...) {
        ResetPackageState();
        throw;
    }
    ResetPackageState();
}

void PutCurrentPackageAway()
{
    Catalogue.Active = false;
    const std::int32_t index = CurrentPackageIndex();
    const std::string name = PackageFileName(index);
    Catalogue.SaveToFile(ProgramDir + name);
    PackageFiles[static_cast<std::size_t>(index)] = name;
}

void SwitchPackage(const std::string& caption)
{
    PutCurrentPackageAway();
    const std::int32_t target = FindPackageCaption(caption);
    if (target < 0) throw EListError("List index out of bounds (-1)");
    TCategories loaded;
    loaded.LoadFromFile(ProgramDir + PackageFiles[static_cast<std::size_t>(target)]);
    Catalogue = std::move(loaded);
}

}  // namespace qv
