// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Text taken from outside data (a document, a file, a server) made fit for a
// message: control characters become '?', and a text longer than
// `maxBytes` is cut there, on a character boundary, with "..." after it, so
// that a huge or hostile value can neither flood nor garble a message box.
std::string ShownText(std::string_view text, std::size_t maxBytes = 64);

}  // namespace qv
