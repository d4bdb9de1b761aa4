// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts of the editing dialogs and the About box, Windows-1252. A "\r" is a
// line break; two make an empty line.

#include "ProgramInfo.h"

namespace qv::dialogtext {

inline constexpr const char* NewCategoryTitle = "Add New Category";
inline constexpr const char* NewCategoryPrompt = "Please enter a new category name.";

inline constexpr const char* AddUnitTitle = "Add New Unit";
inline constexpr const char* AddUnitHeading = "Please enter a new unit name.";
inline constexpr const char* SymbolLabel = "Symbol:";
inline constexpr const char* DefinitionLabel = "Definition:";
// "How many m equal this unit?"
inline constexpr const char* FactorQuestionStart = "How many ";
inline constexpr const char* FactorQuestionEnd = " equal this unit?";
// "(This is the default unit for Length.)"
inline constexpr const char* FirstUnitStart = "(This is the default unit for ";
inline constexpr const char* FirstUnitEnd = ".)";

inline constexpr const char* NewBaseUnitTitle = "Select Default Unit";
// "You have deleted the Default Unit for Length!" + "\r\r" + the request.
inline constexpr const char* DefaultDeletedStart = "You have deleted the Default Unit for ";
inline constexpr const char* DefaultDeletedEnd =
    "!\r\rPlease select a new Default Unit from the available units at the left.";

inline constexpr const char* ShowHiddenTitle = "Show Hidden Units";
inline constexpr const char* ShowHiddenInstruction =
    "All of the Units to the left are currently hidden. Select the units you would like to unhide then hit OK.";
inline constexpr const char* SelectAll = "Select All";

inline constexpr const char* AboutTitle = "About Quantova";
inline constexpr const char* ProgramName = qv::ProgramName;
// Followed by the program's version.
inline constexpr const char* VersionLabel = "Version ";
// The program's home page, shown and opened by the About box.
inline constexpr const char* WebAddress = "https://en.wikipedia.org/wiki/Conversion_of_units";
// Followed by the folder that holds the packages and the rates file.
inline constexpr const char* PackagesIn = "Packages in ";

inline constexpr const char* Add = "Add";
inline constexpr const char* Cancel = "Cancel";
inline constexpr const char* Ok = "OK";

}  // namespace qv::dialogtext
