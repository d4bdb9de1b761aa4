// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the category installer does, apart from its window: it works on the
// package state (Catalogue, PackageCaptions, PackageFiles, ProgramDir).

#include <cstddef>
#include <string>
#include <vector>

namespace qv {

enum class InstallSituation {
    NoPackage,     // no category and no caption: the first start
    EmptyPackage,  // the current package has a caption but no category
    Reinstall,     // the current package has categories
};

InstallSituation CurrentInstallSituation();

// OK is possible once something is chosen and the caption is not empty.
bool InstallAllowed(std::size_t chosenCount, const std::string& caption);

// The caption itself when it is exactly the current package's; otherwise the
// caption with "2" appended as often as needed to differ (ignoring letter
// case) from every known package caption.
std::string EnsureUniqueCaption(std::string caption);

// Installs the chosen built-in categories, in their order, at the end of the
// catalogue. A caption that is not exactly the current one starts a new
// package: the current one, if it holds anything, is saved with Active false
// and emptied. Chosen categories already present (compared without regard to
// letter case) are removed first and rebuilt. Returns the caption used,
// after EnsureUniqueCaption.
std::string ApplyInstall(const std::string& requested, const std::vector<std::string>& chosen);

}  // namespace qv
