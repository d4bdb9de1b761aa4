// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding units by what a person types, for quantova-cli and for the
// window's Find Anywhere box, so that both find the same units.
//
// A text is read as a unit in these ways, most trusted first: its exact
// symbol ("F" is the farad); an alias ("F" is also F° in Temperature, "km/h"
// is kph); the unit's definition, or its part before a comma, as a word in
// the singular or plural ("meter", "miles"); and, as a last resort, the
// symbol in another letter case ("KM"), only when that is the one reading in
// the whole catalogue and the change of case cannot turn one metric prefix
// into another ("Mg" is not "mg", "mpa" is not "MPa").
//
// A text may have readings in several categories. Resolving FROM and TO
// together takes the category in which every text has a reading; where
// several have, the one whose readings are most trusted; a tie, or a lone
// text with readings in several categories, is an ambiguity for the user
// to settle. Nothing here picks silently between categories.
//
// Texts are Windows-1252, like the model. The resolver holds a reference
// to the catalogue and keeps no copy of it: it sees the catalogue as it is
// at each call.

#include "catalogue/Category.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// How a text matched a unit, most trusted first. SymbolPrefix, DefinitionWord
// and Contains come from Search only; SymbolIgnoringCase from resolving only.
enum class UnitMatch : std::uint8_t {
    Symbol,
    Alias,
    SymbolPrefix,
    Definition,
    DefinitionWord,
    Contains,
    SymbolIgnoringCase,
};

struct UnitRef {
    std::int32_t Category = -1;
    std::int32_t Unit = -1;
    UnitMatch How = UnitMatch::Symbol;

    friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// A spelling that is close to an unknown text, and the unit it stands for.
struct UnitSuggestion {
    std::string Text;  // a symbol, an alias or a definition
    UnitRef Unit;
};

// FROM and its targets, in one category.
struct ConversionUnits {
    std::int32_t Category = -1;
    std::int32_t From = -1;
    std::vector<std::int32_t> To;  // one per target, in the order given

    friend bool operator==(const ConversionUnits&, const ConversionUnits&) = default;
};

struct ConversionAnswer {
    enum class Outcome {
        Resolved,   // Units
        Ambiguous,  // Choices: two or more readings, each a whole resolution
        Unknown,    // Text: the position of a text with no reading
        Unrelated,  // every text has readings, but no category holds them all
    };
    Outcome Result = Outcome::Unknown;
    ConversionUnits Units;
    std::vector<ConversionUnits> Choices;
    std::size_t Text = 0;  // 0 is FROM, 1 the first target
};

class UnitResolver {
public:
    explicit UnitResolver(const TCategories& catalogue) : catalogue_(catalogue) {}

    // Every reading of `text`: the best one for each unit it may name,
    // in catalogue order. `category` -1 looks everywhere, else in that
    // category only (a case-changed symbol still counts only when it is the
    // one reading in the whole catalogue).
    std::vector<UnitRef> Readings(std::string_view text, std::int32_t category = -1) const;

    // FROM with its targets (none: FROM alone, as for a listing of the
    // whole category) within `category`, or the whole catalogue with -1.
    ConversionAnswer Resolve(std::string_view from, std::span<const std::string> to = {},
                             std::int32_t category = -1) const;

    // Up to `count` spellings close to `text` (by edit distance over
    // symbols, aliases and definitions, blind to case and accents), closest
    // first; a different letter case alone comes first of all.
    std::vector<UnitSuggestion> Suggest(std::string_view text, std::int32_t category = -1, std::size_t count = 5) const;

    // Units for a partly typed text, best first: exact symbol, alias, symbol
    // (or alias) beginning with the text, the definition as a whole word,
    // a word of the definition, then symbol or definition containing the
    // text. Blind to case and accents; µ, ² and ³ match u, 2 and 3. Hidden
    // units are included; at most `limit` hits. An empty text finds nothing.
    std::vector<UnitRef> Search(std::string_view text, std::size_t limit = 200) const;

    // Categories for a typed name: the exact name, else the name in any
    // case, else those the text begins ("velo") or names by a whole word
    // ("speed"). One position: found; several: ambiguous; none: unknown.
    std::vector<std::int32_t> FindCategories(std::string_view text) const;

private:
    const TCategories& catalogue_;
};

// Whether a typed text may read as a unit, told from the unit's own texts
// before any category is built: true wherever Readings could find the unit
// in any way (another letter case included), so that a program that builds
// only the categories with such a unit resolves the text as it would with
// them all.
class ReadingFilter {
public:
    explicit ReadingFilter(std::string_view text);
    bool MayName(std::string_view category, std::string_view symbol, std::string_view definition) const;

private:
    std::string text_;
    std::string wanted_;
    std::vector<const struct UnitAlias*> aliases_;  // those the text matches
};

}  // namespace qv
