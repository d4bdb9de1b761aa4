// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace qv {

// Every quantity in Quantova (values, factors, intermediate results) is an
// x87 80-bit extended real with a 64-bit mantissa.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Quantova needs the x87 80-bit extended format for long double");

// The largest finite extended value.
inline constexpr Extended MaxExtended = std::numeric_limits<Extended>::max();

// The bound the entry fields use for "any value": the decimal text
// 1.1897314953572317599E+4932, which reads as a value just below MaxExtended.
inline constexpr const char* ExtendedBoundText = "1.1897314953572317599E+4932";

}  // namespace qv
