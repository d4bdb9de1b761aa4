// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the evaluator: its 25 functions and the operators that are
// more than one checked operation. Every result is finite or one of the typed
// arithmetic errors.

#include "catalogue/Extended.h"

#include <string_view>

namespace qv {

// The function whose name begins lower-case text, tried in the table's order
// (longer names before the shorter ones they begin with); -1 when none does.
int MatchFunctionPrefix(std::string_view lowerText);

// The length of the name of function f.
std::size_t FunctionNameLength(int f);

// Function f applied to a finite x.
Extended ApplyFunction(int f, Extended x);

// a ^ b. Whole exponents up to 2^31 - 1 by repeated squaring, others as
// exp(b ln a).
Extended Power(Extended a, Extended b);

// The "%" operator: both truncated to 32-bit integers, the remainder with the
// sign of a. Raises EDivByZero for a zero divisor.
Extended Remainder(Extended a, Extended b);

}  // namespace qv
