// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Extended.h"

#include <string>

namespace qv {

// The text of a converted value in the main window: v rounded to `precision`
// significant digits (held to 2..18), with the process's decimal separator.
// General format: plain decimal unless the decimal exponent is above the
// precision or the value is below 0.0001, then '1.23457e6', '1.2345e-5';
// zero is "0". Scientific format: always `precision` digits and a signed
// exponent, '1.23450e+3', '-2.50000e+0', '0.00000e+0'.
// Raises EInvalidOp for an infinite or NaN value.
std::string FormatValue(Extended v, int precision, bool scientific);

}  // namespace qv
