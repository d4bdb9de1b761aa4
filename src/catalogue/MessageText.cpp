// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/MessageText.h"

namespace qv {

std::string FillMessage(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    auto next = arguments.begin();
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern.compare(at, 2, "%s") == 0 && next != arguments.end()) {
            text.append(*next++);
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string JoinItems(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text += separator;
        text += item;
    }
    return text;
}

}  // namespace qv
