// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The packages Quantova knows and the one in use. Every package is a ".qv"
// file in the program's directory; `Catalogue` holds the current one.
// PackageCaptions and PackageFiles are parallel: entry i of each belongs to
// the same package. A file name is empty for a package created since start-up
// and not yet written. Captions are looked up without regard to letter case;
// the first equal entry wins.

#include "catalogue/Category.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

extern TCategories Catalogue;
extern std::vector<std::string> PackageCaptions;
extern std::vector<std::string> PackageFiles;
extern std::string ProgramDir;  // always ends in a directory separator

// A package file that could not be read at start-up. It is left alone: it
// is neither listed nor ever written.
struct SkippedPackage {
    std::string FileName;
    std::string Message;
    // The error itself, for a display that converts a file path in it from
    // the file system's encoding.
    std::exception_ptr Error;
};

struct StartUpResult {
    bool HasPackage = false;  // false: no package exists and the program should end
    std::vector<SkippedPackage> Skipped;
};

// Finds the package files in `programDir` (regular files named "*.qv" in any
// letter case, in name order), learns their captions and loads the active one
// (the first, marked active, when none is). With no readable package it calls
// `showInstaller`, which may create one in Catalogue.
StartUpResult StartUp(const std::string& programDir, const std::function<void()>& showInstaller);

// Saves the current package, marked active, unless it is empty; then forgets
// all package state. A failed save is raised after the state is cleared.
void ShutDown();

// Saves the current package with Active false and loads the package with
// `caption`. When the load fails, Catalogue keeps the package it held.
void SwitchPackage(const std::string& caption);

// Adds a package to both lists, with its file name (empty for a package not
// yet written), and returns its position.
std::int32_t AddPackage(const std::string& caption, const std::string& fileName = {});

// Position of `caption` in PackageCaptions, ignoring letter case; -1 if absent.
std::int32_t FindPackageCaption(std::string_view caption);

// The file name of package `index`: its entry in PackageFiles, or for a
// package not yet written, a name made from its caption that no other package
// or file in the program's directory uses ("Caption.qv", "Caption (2).qv", …).
std::string PackageFileName(std::int32_t index);

// The caption as a file name: Windows-1252 converted to UTF-8, characters
// that are unsafe in file names replaced by "_", followed by ".qv".
std::string FileNameForCaption(std::string_view caption);

// Saves the current package with Active false under its file name and
// records that name in PackageFiles. Used when the user leaves a package.
void PutCurrentPackageAway();

// Forgets every package and empties the catalogue.
void ResetPackageState();

}  // namespace qv
