// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitAppender.h"

namespace qv {

TUnitAppender::TUnitAppender(TCategory& category) : Target(category)
{
    Symbols.reserve(static_cast<std::size_t>(category.UnitCount()));
    for (const TUnit& unit : category.UnitItems) Symbols.insert(unit.Symbol);
}

void TUnitAppender::Append(const std::string& symbol, const std::string& definition, Extended factor)
{
    if (!Symbols.insert(symbol).second) ThrowSymbolTaken(symbol);
    try {
        Target.PushUnit(symbol, definition, factor);
    } catch (...) {
        Symbols.erase(symbol);
        throw;
    }
}

}  // namespace qv
