// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesEncoding.h"

#include "catalogue/Cp1252.h"

namespace qv {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view s, bool& nonAscii)
{
    nonAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        std::size_t length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > s.size()) return false;
        const auto second = static_cast<unsigned char>(s[i + 1]);
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

RatesFileEncoding DetectRatesFileEncoding(std::string_view bytes)
{
    RatesFileEncoding encoding;
    encoding.ByteOrderMark = bytes.starts_with(ByteOrderMark);
    if (encoding.ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    bool nonAscii = false;
    encoding.Utf8 = IsUtf8(bytes, nonAscii) && (nonAscii || encoding.ByteOrderMark);
    return encoding;
}

std::string RatesTextOfFile(std::string_view bytes)
{
    const RatesFileEncoding encoding = DetectRatesFileEncoding(bytes);
    if (encoding.ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    return encoding.Utf8 ? Utf8ToCp1252(bytes) : std::string(bytes);
}

std::string RatesFileOfText(std::string_view text, const RatesFileEncoding& encoding)
{
    std::string bytes = encoding.ByteOrderMark ? std::string(ByteOrderMark) : std::string();
    return bytes + (encoding.Utf8 ? Cp1252ToUtf8(text) : std::string(text));
}

}  // namespace qv
