// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where Quantova keeps its packages and the currency rates file. A copy of
// the program in a folder the user can write (a build tree, an unpacked
// archive) is portable and keeps its data beside itself; an installed copy
// (under /usr, or any prefix with the installed layout) keeps it in the
// user's own data folder. Both programs, the window and quantova-cli, choose
// by this one rule.

#include "ProgramInfo.h"

#include <string>
#include <string_view>

namespace qv {

// The application's folder inside the user's data folder, without a
// trailing separator: $XDG_DATA_HOME/<appName> when XDG_DATA_HOME is an
// absolute path, else $HOME/.local/share/<appName> (%APPDATA%\<appName> on
// Windows). This is the folder Qt calls the AppDataLocation of a program
// named `appName` with no organisation name. Empty when neither variable
// gives a home.
std::string UserDataFolder(std::string_view appName);

// True when files can be created in `folder` (it exists and is writable).
bool IsWritableFolder(const std::string& folder);

// True when `programDir` is the bin folder of an installed copy: beside it,
// ../share/applications holds Quantova's desktop entry. Writability alone
// cannot tell, since root may write /usr/bin and an unpacked package is
// writable too.
bool IsInstalledCopy(const std::string& programDir);

// The data folder for a program living in `programDir`: `programDir` itself
// when it is writable and not an installed copy, else `userDataDir`. The
// result ends in a directory separator; it is empty when the user's folder
// is needed but `userDataDir` is empty (no home folder).
std::string ChooseDataFolder(const std::string& programDir, const std::string& userDataDir);

}  // namespace qv
