// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Model strings hold Windows-1252 bytes. These are the only conversions to
// and from Unicode (UTF-8); the GUI and the file-name code both go through them.
std::string Cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 byte become `replacement`.
std::string Utf8ToCp1252(std::string_view text, char replacement = '?');

// Case-insensitive comparison of Windows-1252 text, as a person reads it:
// "LENGTH" and "length" are the same, as are "ÉTÉ" and "été".
char FoldCase(char c);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace qv
