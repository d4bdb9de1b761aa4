// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace qv {

// The position in Catalogue of the category the unit dialogs work on. The
// editing commands and the Add New Category dialog set it before they show
// the Add New Unit, Select Default Unit or Show Hidden Units dialog.
inline std::int32_t TargetCategoryIndex = 0;

}  // namespace qv
