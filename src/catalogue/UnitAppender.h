// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Category.h"

#include <string>
#include <unordered_set>

namespace qv {

// Appends many units to one category in linear time, for long lists such as
// an imported rates file. The category's symbols are put in a hash set once,
// so each append checks its symbol in constant time instead of against every
// earlier unit. The rules and the message are those of TCategory::AppendUnit.
// Nothing else may change the category's units while an appender is in use.
class TUnitAppender {
public:
    explicit TUnitAppender(TCategory& category);

    // Raises eNameError "<symbol> already exists. ..." when the symbol is
    // taken; the category is then unchanged.
    void Append(const std::string& symbol, const std::string& definition, Extended factor);

private:
    TCategory& Target;
    std::unordered_set<std::string> Symbols;
};

}  // namespace qv
