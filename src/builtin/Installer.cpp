#include "builtin/Installer.h"

#include "builtin/BuildCats.h"
#include "catalogue/Cp1252.h"
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

std::string ApplyInstall(const std::string& requested, const std::vector<std::string>& chosen)
{
    std::string caption = EnsureUniqueCaption(requested);
    if (caption != Catalogue.Caption) {
        if (Catalogue.CategoryCount() > 0) {
            PutCurrentPackageAway();
            Catalogue.Clear();
        }
        AddPackage(caption);
        Catalogue.Caption = caption;
    }

    std::vector<std::string> workList = chosen;
    auto chosenName = [&workList](const std::string& name) {
        return std::any_of(workList.begin(), workList.end(),
                           [&name](const std::string& w) { return SameTextIgnoringCase(w, name); });
    };
    for (std::int32_t i = 0; i < Catalogue.CategoryCount();) {
        if (chosenName(Catalogue.CategoryAt(i).Name))
            Catalogue.RemoveCategory(i);
        else
            ++i;
    }
    BuildBuiltInCategories(Catalogue, workList, ProgramDir);
    return caption;
}

}  // namespace qv
