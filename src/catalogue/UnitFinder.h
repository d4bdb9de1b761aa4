// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding units anywhere in a package by what a person types: a ranked list
// for a partial text (the Find Anywhere box lists it as the user types), and
// the unit, or units, that a whole text stands for. Texts are Windows-1252;
// letter case, accents, µ/u, ²/2 and ³/3 do not matter.

#include "catalogue/Category.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct UnitPlace {
    std::int32_t Category = -1;
    std::int32_t Unit = -1;

    bool operator==(const UnitPlace&) const = default;
};

// How a text found a unit, most trusted first.
enum class MatchKind {
    Symbol,          // the symbol itself, byte for byte
    Alias,           // a spelling people type for that unit
    SymbolFolded,    // the symbol, folded
    SymbolStart,     // the symbol begins with the text
    DefinitionWord,  // whole words of the definition, singular or plural
    Contains,        // the symbol or the definition holds the text
};

struct UnitMatch {
    UnitPlace Place;
    MatchKind Kind = MatchKind::Contains;
};

// The units `text` finds, best kind first and in catalogue order within a
// kind, each unit once; at most `limit`. Nothing for a blank text.
std::vector<UnitMatch> FindUnits(const TCategories& catalogue, std::string_view text, std::size_t limit);

// What one unit text, or a conversion's two (FROM and TO), stand for. The
// two are read together: the category in which both have a reading settles
// which unit each names, the most trusted readings winning; a tie between
// categories, or two units of one category read alike, is an ambiguity.
struct UnitResolution {
    // Unrelated: both texts are units, but of no common category.
    enum Outcome { Found, Ambiguous, Unknown, Unrelated };
    Outcome Result = Unknown;
    UnitPlace From;          // Found
    std::int32_t To = -1;    // Found with a TO text: its unit, in From's category
    std::string Text;        // otherwise: the text at fault (FROM when Unrelated)
    std::vector<UnitPlace> Candidates;     // Ambiguous: the readings of Text
    std::vector<std::string> Suggestions;  // Unknown: symbols the user may have meant
};

// `to` empty: FROM alone.
UnitResolution ResolveUnits(const TCategories& catalogue, std::string_view from, std::string_view to = {});

}  // namespace qv
