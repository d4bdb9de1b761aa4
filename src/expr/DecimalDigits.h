// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Extended.h"

namespace qv {

// A finite value rounded to 18 significant decimal digits, half to even, which
// is what the C library's "%.17Le" writes: ±d0.d1…d17 × 10^exponent. Zero has
// every digit '0', exponent 0 and is never negative. Every text Quantova writes
// for a value starts from these digits.
struct DecimalDigits {
    char digits[18];
    int exponent = 0;
    bool negative = false;

    bool IsZero() const { return digits[0] == '0'; }
};

// The 18 digits of a finite value. Values from 1E-10 to 1.7E38 take an exact
// integer path of a few dozen nanoseconds; others ask the C library, which
// costs microseconds at the far ends of the range.
DecimalDigits ToDecimalDigits(Extended v);

// The same digits, always from the C library. Exposed so that the tests can
// hold the fast path against it.
DecimalDigits ToDecimalDigitsByLibrary(Extended v);

// Reads decimal text in C syntax ('.' as the point; the caller has checked the
// shape) with correct rounding, whatever the process locale says. False when
// the value lies beyond the extended range; underflow gives the denormal or
// zero value.
bool ReadCDecimal(const char* text, Extended& value);

// The value that the 18-digit number text of v reads back as: every
// intermediate result of the evaluator is carried at this precision. False
// when that text lies beyond the extended range, which happens only within
// 1E-18 of the largest value.
bool RoundTo18Digits(Extended v, Extended& rounded);

}  // namespace qv
