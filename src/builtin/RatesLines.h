// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lines quantova-update-rates writes on its standard output when the
// window runs it ("--lines"): one message a line, a keyword and its fields,
// separated by tabs. Inside a field a backslash escapes a tab ("\t"), a line
// end ("\n"), a carriage return ("\r") and itself ("\\"), so any text passes
// through. Texts are the messages shown to the user, as the helper makes
// them; a reader ignores a keyword it does not know.
//
//     progress <received> <total>   bytes so far, and the expected total (0 while unknown)
//     status <text>                 what the helper is doing now
//     reinstall                     the new rates file can be installed as Currency
//     done <text>                   the rates file was updated; the message for the user
//     failed <text>                 nothing was changed; why
//     file-error <pattern> <path> <unsaved>
//                                   the rates file could not be read or written; the
//                                   message has "%s" where the path (in the file
//                                   system's encoding) goes; <unsaved> names the file
//                                   a failed save left unchanged, or is empty

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qv::rates_lines {

inline constexpr std::string_view Progress = "progress";
inline constexpr std::string_view Status = "status";
inline constexpr std::string_view Reinstall = "reinstall";
inline constexpr std::string_view Done = "done";
inline constexpr std::string_view Failed = "failed";
inline constexpr std::string_view FileError = "file-error";

// One line with its "\n": the keyword, then each field escaped.
std::string Line(std::string_view keyword, std::initializer_list<std::string_view> fields = {});

struct ParsedLine {
    std::string Keyword;
    std::vector<std::string> Fields;  // unescaped

    // The field at `at`, or empty when the line has fewer fields.
    const std::string& Field(std::size_t at) const;
};

// Reads a line without its "\n" (a "\r" before it is kept as text).
ParsedLine Parse(std::string_view line);

// A whole number of a progress line; 0 for anything else.
std::uint64_t Count(const std::string& field);

}  // namespace qv::rates_lines
