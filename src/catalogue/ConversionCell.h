// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One cell of a category's conversions: the value in one unit, or why it
// cannot be computed. A value that overflows in one unit, or a unit of size 0
// (older package files may hold one), fails only its own cells: the other
// units still convert, and every unit is still listed, so the bad one can be
// deleted or hidden.

#include "catalogue/Category.h"

#include <cstdint>
#include <string>

namespace qv {

namespace msg {
// Shown in place of a value that cannot be computed.
inline constexpr const char* OverflowCell = "overflow";
inline constexpr const char* ZeroDivideCell = "division by zero";
inline constexpr const char* InvalidCell = "invalid";
}  // namespace msg

struct TConversionCell {
    Extended Value = 0.0L;
    // Empty when Value holds the result; otherwise the short text shown in
    // the cell ("overflow") and the error's full message ("Floating point
    // overflow").
    std::string Fault;
    std::string Message;

    bool Failed() const { return !Fault.empty(); }
};

// The short text of an arithmetic error.
const char* ShortFaultText(const EMathError& e);

// c.ConvertTo(index) with its arithmetic errors caught and described. Other
// errors (a position outside the units) are raised.
TConversionCell ConvertCell(const TCategory& c, std::int32_t index);

}  // namespace qv
