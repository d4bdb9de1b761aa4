// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Extended.h"

#include <string>
#include <string_view>

namespace qv {

// The decimal separator used for reading and writing numbers, one byte; '.'
// until the program sets it from the user's locale at start-up. A byte that
// would make number text ambiguous (a digit, a sign, 'E', 'e', a control
// character) is refused and '.' kept instead.
void SetDecimalSeparator(char sep);
char DecimalSeparator();

// The general number text: the value rounded to 18 significant digits,
// trailing zeros dropped. Plain decimal when 0.0001 <= |v| < 1E18 after the
// rounding ('123.456', '0.0001'), otherwise one digit, the rest after the
// separator and an exponent ('1.5E20', '1E-5', '-2.5E-7'). Zero is "0".
// Raises EInvalidOp for an infinite or NaN value.
std::string NumberText(Extended v);

// Reads a decimal number: an optional '+' or '-', digits with at most one
// decimal separator (at least one digit), then optionally 'E' or 'e' with an
// optional sign and digits; an exponent without digits is 0, so "2e" is 2.
// Nothing else may stand in the text, not even blanks. Correctly rounded.
// False for text of another shape and for a value beyond the extended range;
// a value too small for it reads as its denormal or zero value.
bool TryReadNumber(std::string_view text, Extended& value);

// The same, accepting '.' as well as the separator, so that a file written
// with '.' reads for a user whose separator is ','.
bool TryReadNumberAnySeparator(std::string_view text, Extended& value);

// What a numeric entry field shows. hex false: NumberText(v). hex true: "$"
// and the upper-case hexadecimal digits of v rounded to the nearest 32-bit
// integer (ties to even), at least four, zero-padded; a negative value shows
// the eight digits of its two's complement (255 gives "$00FF", -1 gives
// "$FFFFFFFF"). Raises EInvalidOp when v does not round into 32 bits.
std::string DisplayText(Extended v, bool hex);

}  // namespace qv
