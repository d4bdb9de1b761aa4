// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Extended.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace qv {

struct BuiltInUnit {
    const char* Symbol;
    const char* Definition;
    Extended Factor;  // size of one of this unit in the category's first unit
};

struct BuiltInCategory {
    const char* Name;
    std::span<const BuiltInUnit> Units;  // empty for Currency, which is read from the rates file
    std::int32_t DefaultPosition;
};

inline constexpr const char* CurrencyCategoryName = "Currency";
inline constexpr std::size_t BuiltInCategoryCount = 36;

// The 36 built-in categories, in the order in which names are matched.
std::span<const BuiltInCategory> BuiltInCategoryTable();

}  // namespace qv
