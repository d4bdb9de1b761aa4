// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ShownText.h"

namespace qv {

std::string ShownText(std::string_view text, std::size_t maxBytes)
{
    std::string shown;
    const bool cut = text.size() > maxBytes;
    std::size_t end = cut ? maxBytes : text.size();
    // Never end inside a UTF-8 sequence: back up over its continuation bytes.
    if (cut)
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    for (std::size_t i = 0; i < end; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        shown += c < 0x20 || c == 0x7F ? '?' : text[i];
    }
    if (cut) shown += "...";
    return shown;
}

}  // namespace qv
