// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qv {
namespace {

// Unicode code points of the bytes 0x80..0x9F. The five bytes Windows-1252
// leaves undefined map to the C1 control of the same value, so every byte
// survives a round trip.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ToCodePoint(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) return HighControls[b - 0x80];
    return b;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool FromCodePoint(char32_t cp, char& byte)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        byte = static_cast<char>(cp);
        return true;
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == cp) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// Decodes one UTF-8 sequence at `pos`; malformed input yields U+FFFD and
// advances by one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text, char replacement)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char byte;
        out += FromCodePoint(NextCodePoint(text, pos), byte) ? byte : replacement;
    }
    return out;
}

char FoldCase(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);  // À..Þ except ×
    switch (b) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return c;
    }
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(FoldCase(a[i]));
        const auto y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace qv
