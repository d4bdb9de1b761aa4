// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/FormatValue.h"

#include "catalogue/CheckedMath.h"
#include "expr/DecimalDigits.h"
#include "expr/NumberText.h"

#include <algorithm>

namespace qv {

namespace {

char* WriteExponent(char* p, int e, bool plusSign)
{
    if (e < 0) {
        *p++ = '-';
        e = -e;
    } else if (plusSign) {
        *p++ = '+';
    }
    char reversed[8];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + e % 10);
        e /= 10;
    } while (e != 0);
    while (count > 0) *p++ = reversed[--count];
    return p;
}

}  // namespace

std::string FormatValue(Extended v, int precision, bool scientific)
{
    RequireFinite(v);
    const int p = std::clamp(precision, 2, 18);
    const char sep = DecimalSeparator();
    char text[64];
    char* out = text;

    DecimalDigits d = ToDecimalDigits(v);
    if (d.IsZero()) {
        if (!scientific) return "0";
        *out++ = '0';
        *out++ = sep;
        out = std::fill_n(out, p - 1, '0');
        *out++ = 'e';
        *out++ = '+';
        *out++ = '0';
        return std::string(text, out);
    }

    // Round the 18 digits half up on the digit after the p-th; 9.99… carries
    // into 10.0…
    int e = d.exponent + 1;  // the value is 0.d1d2… × 10^e
    if (p < 18 && d.digits[p] >= '5') {
        int i = p - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits[0] = '1';
            ++e;
        }
    }
    int count = p;
    while (count > 1 && d.digits[count - 1] == '0') --count;
    auto digit = [&](int i) { return i < count ? d.digits[i] : '0'; };

    if (d.negative) *out++ = '-';
    if (scientific) {
        *out++ = d.digits[0];
        *out++ = sep;
        for (int i = 1; i < p; ++i) *out++ = digit(i);
        *out++ = 'e';
        out = WriteExponent(out, e - 1, true);
    } else if (e > p || e < -3) {
        *out++ = d.digits[0];
        if (count > 1) {
            *out++ = sep;
            out = std::copy(d.digits + 1, d.digits + count, out);
        }
        *out++ = 'e';
        out = WriteExponent(out, e - 1, false);
    } else if (e <= 0) {
        *out++ = '0';
        *out++ = sep;
        out = std::fill_n(out, -e, '0');
        out = std::copy(d.digits, d.digits + count, out);
    } else {
        for (int i = 0; i < e; ++i) *out++ = digit(i);
        if (count > e) {
            *out++ = sep;
            out = std::copy(d.digits + e, d.digits + count, out);
        }
    }
    return std::string(text, out);
}

}  // namespace qv
