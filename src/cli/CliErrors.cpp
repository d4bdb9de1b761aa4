// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliErrors.h"

#include "catalogue/Cp1252.h"

namespace qv::cli {

std::string Printable(std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            text += '?';
            ++i;
        } else {
            text += b < 0x20 || b == 0x7F ? '?' : utf8[i];
        }
    }
    return text;
}

std::string TerminalMessage(const std::string& message)
{
    std::string line;
    for (char c : message) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    return Printable(Cp1252ToUtf8(line));
}

std::string TerminalMessage(const std::exception& error)
{
    const auto* named = dynamic_cast<const EQuantovaError*>(&error);
    if (!named || named->Path().empty()) return TerminalMessage(std::string(error.what()));
    const std::string& pattern = named->Pattern();
    const std::size_t at = pattern.find("%s");
    if (at == std::string::npos) return TerminalMessage(pattern);
    return TerminalMessage(pattern.substr(0, at)) + named->Path() + TerminalMessage(pattern.substr(at + 2));
}

}  // namespace qv::cli
