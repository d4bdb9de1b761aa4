// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where quantova-cli takes its units from: the package the window would load
// (from the same data folder, by the same rule), a package file named on the
// command line, or the built-in tables. Nothing here writes a file.

#include "catalogue/Category.h"
#include "cli/UnitLookup.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace qv::cli {

enum class SourceKind { DataFolder, PackageFile, BuiltIn };

struct UnitSource {
    TCategories Catalogue;
    std::vector<std::string> Notices;  // said once on standard error
    std::vector<std::string> Notes;    // the same, unless --quiet
    // A rates file that cannot be read leaves Currency out: why, and the
    // default currencies, so that asking for one gives that reason.
    std::shared_ptr<const UnavailableCategory> Unavailable;
};

// The folder holding the running executable, ending in a separator.
std::string ExecutableFolder();

// The data folder for a program in `programDir`: the window's rule, except
// that a missing user folder gives "" rather than a guess.
std::string DataFolderFor(const std::string& programDir);

// Loads the units. `packageFile` is used with SourceKind::PackageFile,
// `dataFolder` for the data folder's packages and for the rates file of the
// built-in Currency. Raises ECliError (ExitData) for an unreadable package
// named by the user; a damaged rates file leaves Currency out (Unavailable).
// When the built-in tables are used and `texts` (unit texts, Windows-1252)
// is not empty, only the categories in which one of them may name a unit
// are built.
UnitSource LoadUnits(SourceKind kind, const std::string& packageFile, const std::string& dataFolder,
                     std::span<const std::string> texts = {});

}  // namespace qv::cli
