// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesLines.h"

#include <charconv>

namespace qv::rates_lines {

std::string Line(std::string_view keyword, std::initializer_list<std::string_view> fields)
{
    std::string line(keyword);
    for (std::string_view field : fields) {
        line += '\t';
        for (char c : field) {
            switch (c) {
            case '\\': line += "\\\\"; break;
            case '\t': line += "\\t"; break;
            case '\n': line += "\\n"; break;
            case '\r': line += "\\r"; break;
            default: line += c;
            }
        }
    }
    line += '\n';
    return line;
}

const std::string& ParsedLine::Field(std::size_t at) const
{
    static const std::string none;
    return at < Fields.size() ? Fields[at] : none;
}

ParsedLine Parse(std::string_view line)
{
    ParsedLine parsed;
    std::string* into = &parsed.Keyword;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '\t') {
            into = &parsed.Fields.emplace_back();
        } else if (c == '\\' && at + 1 < line.size()) {
            const char next = line[++at];
            *into += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            *into += c;
        }
    }
    return parsed;
}

std::uint64_t Count(const std::string& field)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() ? value : 0;
}

}  // namespace qv::rates_lines
