// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person types in the Find Anywhere box, read as a conversion:
//
//   VALUE UNIT to UNIT   "5 kn to km/h", "12*2.54 in to ft"
//   VALUE UNIT in UNIT   "350 F° in C°", "5 in in cm"
//   VALUE UNIT           "5 kn"
//   anything else        a search for units
//
// VALUE is anything the value field accepts. The text is cut at its blanks,
// and every way of cutting it into a value that evaluates, a separator word
// and unit texts that resolve is tried, so "in" can be the inch as well as
// the separator. Units are read by the core's UnitResolver, as quantova-cli
// reads them. Readings that disagree are reported, never chosen between.

#include "catalogue/Category.h"
#include "catalogue/Extended.h"
#include "catalogue/UnitResolver.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* NoSuchUnit = "No unit is called \"%s\"";
inline constexpr const char* DidYouMean = "; did you mean %s?";
inline constexpr const char* UnitIsAmbiguous = "\"%s\" could be %s: pick one below";
inline constexpr const char* UnitsUnrelated = "\"%s\" and \"%s\" are in no category together";
inline constexpr const char* ReadInTwoWays = "This line reads in more than one way: pick a unit below";
}  // namespace msg

struct ConversionLine {
    enum Kind {
        Search,   // no value: a search for the units the text finds
        GoTo,     // VALUE UNIT
        Convert,  // VALUE UNIT to|in UNIT
        Problem,  // a value with units that do not resolve; Message says why
    };
    Kind Result = Search;
    std::string FromText, ToText;  // GoTo, Convert: the unit texts as typed
    Extended Value = 0.0L;         // also of a Problem with a value
    ConversionUnits Units;         // GoTo, Convert (one target)
    Extended Converted = 0.0L;
    std::string Message;  // Problem
    // Problem: what the user may pick instead: the readings of an ambiguity,
    // else the units near the text at fault, best first.
    std::vector<ConversionUnits> Choices;
    bool ChoicesTakeValue = false;  // a pick is for the value typed
};

// Reads a Windows-1252 line against the catalogue; the value is evaluated
// with the current decimal separator. At most `maxChoices` choices.
ConversionLine ReadConversionLine(const TCategories& catalogue, std::string_view text, std::size_t maxChoices = 100);

// The box's first line for a GoTo or a Convert, with values at the window's
// precision and notation: "5 kn = 9.26 km/h", "5 knot (knots) — Velocity (Speed)".
std::string FirstLineText(const TCategories& catalogue, const ConversionLine& line, int precision, bool scientific);

// "symbol (definition) — Category", the text of a unit's line in the box.
std::string PlaceText(const TCategories& catalogue, std::int32_t category, std::int32_t unit);

}  // namespace qv
