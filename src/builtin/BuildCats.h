// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "builtin/CurrencyFile.h"
#include "catalogue/Category.h"

#include <string>
#include <vector>

namespace qv {

// The names of the 36 built-in categories, in table order.
std::vector<std::string> ListBuiltInCategories();

// Clears the Custom flag of every category and unit of the catalogue.
void ClearCustomFlags(TCategories& catalogue);

// Appends one fresh category per name of `workList` to `catalogue`, in list
// order, emptying the list as it goes; Currency is imported from the rates
// file in `programDir`. A name that is not built-in is passed over. When the
// list is done, the Custom flag of every category and unit of the catalogue
// is cleared. An error ends the build at once with the failing name still
// first in the list and the categories built so far kept.
void BuildBuiltInCategories(TCategories& catalogue, std::vector<std::string>& workList, const std::string& programDir,
                            MissingRatesFile missing = MissingRatesFile::WriteDefault);

}  // namespace qv
