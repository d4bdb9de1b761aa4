// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/Installer.h"

#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"

#include <algorithm>

namespace qv {

InstallSituation CurrentInstallSituation()
{
    if (Catalogue.CategoryCount() > 0) return InstallSituation::Reinstall;
    return Catalogue.Caption.empty() ? InstallSituation::NoPackage : InstallSituation::EmptyPackage;
}

bool InstallAllowed(std::size_t chosenCount, const std::string& caption)
{
    return chosenCount > 0 && !caption.empty();
}

std::string EnsureUniqueCaption(std::string caption)
{
    if (caption == Catalogue.Caption) return caption;
    while (FindPackageCaption(caption) >= 0) caption += '2';
    return caption;
}

namespace {

// Removes from `catalogue` the categories named as one of `built` (letter
// case ignored) and appends those of `built` in their order.
void ReplaceCategories(TCategories& catalogue, TCategories& built)
{
    for (std::int32_t i = 0; i < catalogue.CategoryCount();) {
        if (built.FindCategory(catalogue.CategoryAt(i).Name) >= 0)
            catalogue.RemoveCategory(i);
        else
            ++i;
    }
    for (std::int32_t b = 0; b < built.CategoryCount(); ++b) {
        TCategory& category = catalogue.AppendCategory(built.CategoryAt(b).Name);
        category = std::move(built.CategoryAt(b));
    }
    // Installing clears every category's Custom marks, the old ones' too.
    ClearCustomFlags(catalogue);
}

}  // namespace

std::string ApplyInstall(const std::string& requested, const std::vector<std::string>& chosen)
{
    // The chosen categories are built apart first: one that fails to build
    // (an unreadable rates file) leaves the packages as they were.
    TCategories built;
    std::vector<std::string> workList = chosen;
    BuildBuiltInCategories(built, workList, ProgramDir);

    std::string caption = EnsureUniqueCaption(requested);
    if (caption != Catalogue.Caption) {
        if (Catalogue.CategoryCount() > 0) {
            PutCurrentPackageAway();
            Catalogue.Clear();
        }
        AddPackage(caption);
        Catalogue.Caption = caption;
    }
    ReplaceCategories(Catalogue, built);
    return caption;
}

}  // namespace qv
