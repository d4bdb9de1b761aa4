// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include <cmath>
#include <cstdint>

namespace qv {

// Arithmetic on extended values that raises Quantova's typed errors instead of
// producing infinities or NaNs:
//  - an operand that is not finite (only a hostile file can bring one) or a
//    result that is NaN: "Invalid floating point operation";
//  - a finite, non-zero value divided by zero: "Floating point division by zero"
//    (0/0 is an invalid operation);
//  - an infinite result from finite operands: "Floating point overflow".
// Underflow and rounding pass silently.

inline bool IsFiniteValue(Extended x)
{
    return std::isfinite(x);
}

inline void RequireFinite(Extended x)
{
    if (!IsFiniteValue(x)) throw EInvalidOp();
}

// Checks the result of an operation whose operands were finite.
inline Extended CheckedResult(Extended r)
{
    if (std::isnan(r)) throw EInvalidOp();
    if (std::isinf(r)) throw EOverflow();
    return r;
}

inline Extended CheckedAdd(Extended a, Extended b)
{
    RequireFinite(a);
    RequireFinite(b);
    return CheckedResult(a + b);
}

inline Extended CheckedSub(Extended a, Extended b)
{
    RequireFinite(a);
    RequireFinite(b);
    return CheckedResult(a - b);
}

inline Extended CheckedMul(Extended a, Extended b)
{
    RequireFinite(a);
    RequireFinite(b);
    return CheckedResult(a * b);
}

inline Extended CheckedDiv(Extended a, Extended b)
{
    RequireFinite(a);
    RequireFinite(b);
    if (b == 0) {
        if (a == 0) throw EInvalidOp();
        throw EZeroDivide();
    }
    return CheckedResult(a / b);
}

// Extended value to a 32-bit signed integer, truncating toward zero; a value
// outside the 32-bit range is an invalid operation.
inline std::int32_t TruncToInt32(Extended x)
{
    RequireFinite(x);
    const Extended t = std::trunc(x);
    if (t < -2147483648.0L || t > 2147483647.0L) throw EInvalidOp();
    return static_cast<std::int32_t>(t);
}

// Nearest 32-bit signed integer, ties to the even neighbour.
inline std::int32_t RoundToInt32(Extended x)
{
    RequireFinite(x);
    const Extended r = std::nearbyint(x);  // default rounding mode: ties to even
    if (r < -2147483648.0L || r > 2147483647.0L) throw EInvalidOp();
    return static_cast<std::int32_t>(r);
}

}  // namespace qv
