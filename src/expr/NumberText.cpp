// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/NumberText.h"

#include "catalogue/CheckedMath.h"
#include "expr/DecimalDigits.h"

#include <atomic>
#include <cstdint>

namespace qv {

namespace {

std::atomic<char> Separator{'.'};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Writes a non-negative integer.
char* WriteInteger(char* p, int n)
{
    char reversed[12];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count > 0) *p++ = reversed[--count];
    return p;
}

// Checks the shape of a decimal number and copies it in C syntax into out
// (which must hold text.size() + 1 bytes): the separator becomes '.', an
// exponent without digits is left out.
bool ToCSyntax(std::string_view text, char sep, char otherSep, char* out)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) *out++ = text[i++];
    bool point = false;
    std::size_t digits = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            *out++ = c;
            ++digits;
        } else if ((c == sep || c == otherSep) && !point) {
            *out++ = '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        char* exponent = out;
        *out++ = 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) *out++ = text[i++];
        std::size_t exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits) *out++ = text[i];
        if (exponentDigits == 0) out = exponent;
    }
    *out = '\0';
    return i == n;
}

bool ReadNumber(std::string_view text, char sep, char otherSep, Extended& value)
{
    char small[64];
    std::string large;
    char* buffer = small;
    if (text.size() >= sizeof small) {
        large.resize(text.size() + 1);
        buffer = large.data();
    }
    return ToCSyntax(text, sep, otherSep, buffer) && ReadCDecimal(buffer, value);
}

}  // namespace

void SetDecimalSeparator(char sep)
{
    const bool ambiguous = IsDigit(sep) || sep == '+' || sep == '-' || sep == 'e' || sep == 'E' ||
                           static_cast<unsigned char>(sep) < 32;
    Separator.store(ambiguous ? '.' : sep, std::memory_order_relaxed);
}

char DecimalSeparator()
{
    return Separator.load(std::memory_order_relaxed);
}

std::string NumberText(Extended v)
{
    RequireFinite(v);
    const DecimalDigits d = ToDecimalDigits(v);
    if (d.IsZero()) return "0";
    int count = 18;
    while (d.digits[count - 1] == '0') --count;
    const char sep = DecimalSeparator();
    const int x = d.exponent;

    char text[48];
    char* p = text;
    if (d.negative) *p++ = '-';
    if (x >= 0 && x <= 17) {
        for (int i = 0; i <= x; ++i) *p++ = i < count ? d.digits[i] : '0';
        if (count > x + 1) {
            *p++ = sep;
            for (int i = x + 1; i < count; ++i) *p++ = d.digits[i];
        }
    } else if (x < 0 && x >= -4) {
        *p++ = '0';
        *p++ = sep;
        for (int i = -1; i > x; --i) *p++ = '0';
        for (int i = 0; i < count; ++i) *p++ = d.digits[i];
    } else {
        *p++ = d.digits[0];
        if (count > 1) {
            *p++ = sep;
            for (int i = 1; i < count; ++i) *p++ = d.digits[i];
        }
        *p++ = 'E';
        if (x < 0) *p++ = '-';
        p = WriteInteger(p, x < 0 ? -x : x);
    }
    return std::string(text, p);
}

bool TryReadNumber(std::string_view text, Extended& value)
{
    const char sep = DecimalSeparator();
    return ReadNumber(text, sep, sep, value);
}

bool TryReadNumberAnySeparator(std::string_view text, Extended& value)
{
    return ReadNumber(text, DecimalSeparator(), '.', value);
}

std::string DisplayText(Extended v, bool hex)
{
    if (!hex) return NumberText(v);
    std::uint32_t bits = static_cast<std::uint32_t>(RoundToInt32(v));
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    char reversed[8];
    int count = 0;
    do {
        reversed[count++] = HexDigits[bits & 0xF];
        bits >>= 4;
    } while (bits != 0);
    std::string text = "$";
    text.append(count < 4 ? 4 - count : 0, '0');
    while (count > 0) text += reversed[--count];
    return text;
}

}  // namespace qv
