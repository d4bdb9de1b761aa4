// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rates files as editors write them: Windows-1252, as the program writes
// them, or UTF-8 (with or without a byte-order mark) from an editor that
// knows no other. The reader works on Windows-1252; these functions convert
// a file's bytes to it and back, so that an update writes the file in the
// encoding it found.

#include <string>
#include <string_view>

namespace qv {

namespace msg {
inline constexpr const char* RatesFileCharacters =
    "%s holds characters that have no place in Windows-1252, which an update would lose; it was left as it was";
}  // namespace msg

struct RatesFileEncoding {
    bool Utf8 = false;           // valid UTF-8 with a byte-order mark or a byte above 127
    bool ByteOrderMark = false;  // starts with EF BB BF
};

RatesFileEncoding DetectRatesFileEncoding(std::string_view bytes);

// The file's text in Windows-1252, without a byte-order mark; characters
// without a Windows-1252 byte become '?'.
std::string RatesTextOfFile(std::string_view bytes);

// `text` (Windows-1252) as the bytes of a file in `encoding`.
std::string RatesFileOfText(std::string_view text, const RatesFileEncoding& encoding);

}  // namespace qv
