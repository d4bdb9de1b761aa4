// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text comparisons the unit resolver is built from (Windows-1252).

#include "catalogue/Category.h"
#include "catalogue/UnitAliases.h"

#include <cstdint>

#include <string>
#include <string_view>

namespace qv::unit_text {

std::string_view TrimBlanks(std::string_view s);

// A folded word in the singular: "miles" -> "mile", "inches" -> "inch",
// "centuries" -> "century", "feet" -> "foot". Both sides of a comparison go
// through it, so a rough rule is enough.
std::string Singular(std::string folded);

// The definition's text before its first comma ("miles, statute" -> "miles").
std::string_view DefinitionHead(std::string_view definition);

// Whether `typed` is `symbol` written with u for µ, 2 or ^2 for ², 3 or ^3
// for ³ (and the symbol has one of them).
bool TypedPlainly(std::string_view symbol, std::string_view typed);

// Whether `text` is the alias: exactly, or for an alias that is a word of
// three or more lower-case letters, in any letter case.
bool MatchesAlias(const UnitAlias& alias, std::string_view text);

// Whether `typed` equals `symbol` in another letter case without changing a
// letter whose two cases mean different things (milli and mega, pico and
// peta, centi and coulomb, bits and bytes...).
bool SafeCaseChange(std::string_view symbol, std::string_view typed);

// Whether a word (a run of letters and digits) of `folded`, in the
// singular, is `singular`: "velocity (speed)" has the word "speed".
bool HasWord(std::string_view folded, std::string_view singular);

// The unit of `c` that `alias` names, or -1 when it names none there.
std::int32_t AliasUnit(const TCategory& c, const UnitAlias& alias);

// Restricted edit distance (insertions, deletions, substitutions and
// swaps of neighbours) between two texts.
std::size_t EditDistance(std::string_view a, std::string_view b);

}  // namespace qv::unit_text
