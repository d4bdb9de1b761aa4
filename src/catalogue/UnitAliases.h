// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spellings people type for the built-in units ("km/h", "degC", "lbs",
// "gallon"), each naming the unit it stands for by category and symbol. An
// alias counts only when the loaded package holds that unit, so a user's
// own package stays in charge of what its symbols mean.
//
// Besides this table the resolver reads some spellings by rule, for every
// unit of every package: 'u' for µ, '2' or '^2' for ², '3' or '^3' for ³.

#include <span>

namespace qv {

struct UnitAlias {
    const char* Text;      // Windows-1252, compared exactly (words: ignoring case)
    const char* Category;  // the category's name
    const char* Symbol;    // the unit's symbol in that category
};

std::span<const UnitAlias> BuiltInAliases();

}  // namespace qv
