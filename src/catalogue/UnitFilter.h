// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding units by typing part of their symbol or definition. The search
// folds what people type onto what the units hold: letter case and the
// accents of Windows-1252 letters ("metre" finds "Mètre"), the characters
// hard to type ("m2" finds "m²", "cm3" "cm³", "um" "µm"), and the degree
// sign ("degC", "°C" and "C" find "C°").

#include "catalogue/Category.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The byte a Windows-1252 character is compared by: lower case, an accented
// letter as its plain letter ("É" and "é" as "e", "Š" as "s"), ² ³ ¹ as
// digits, µ as "u". Ligatures and letters of their own (æ, œ, ß, ð, þ) stay
// themselves.
char FoldForSearch(char c);

// A text as the search compares it: every byte folded as above, and a
// temperature scale written in one form, "°c" for "C°", "°C" and "degC"
// alike; a lone "deg" is "°" ("deg/s", "°/s"). Two symbols a person would
// type alike fold to the same text, so this is also the key for looking a
// typed unit up: FoldForSearch("degC") == FoldForSearch("C\xB0").
std::string FoldForSearch(std::string_view text);

class UnitFilter {
public:
    // `text` is Windows-1252; an empty text lets every unit through.
    explicit UnitFilter(std::string_view text = {});

    bool Empty() const { return folded_.empty(); }
    // True when the symbol or the definition contains the filter text,
    // folded by FoldForSearch or by its bytes alone (so that "deg" still
    // finds "degrees").
    bool Matches(const TUnit& unit) const;

private:
    std::string folded_;  // FoldForSearch(text)
    std::string bytes_;   // each byte folded
};

// The units the list of units shows: not hidden and matching the filter, in
// unit order.
std::vector<std::int32_t> ListedUnits(const TCategory& c, const UnitFilter& filter);

// Of the `listed` units, the one whose symbol is the typed text: the symbol
// equal byte for byte, otherwise the only one equal once folded ("MIL" for
// "mil", "degC" for "C°"); -1 when there is none, or several.
std::int32_t SymbolTyped(const TCategory& c, const std::vector<std::int32_t>& listed, std::string_view typed);

}  // namespace qv
