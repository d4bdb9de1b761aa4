// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages with blanks: every module keeps its message patterns as constants
// with "%s" where a name, a path or a number goes, and fills them here.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Replaces each "%s" of `pattern` in turn with the next argument; a "%s"
// beyond the last argument stays as it is.
std::string FillMessage(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// FillMessage with the arguments written one by one:
// FormatMessage(msg::CannotOpenFile, path).
template <typename... Args>
std::string FormatMessage(std::string_view pattern, const Args&... arguments)
{
    return FillMessage(pattern, {std::string_view(arguments)...});
}

// The items with `separator` between them: "m, ft, in".
std::string JoinItems(const std::vector<std::string>& items, std::string_view separator = ", ");

}  // namespace qv
