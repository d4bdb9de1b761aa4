// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/BuildCats.h"

#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"

#include <algorithm>

namespace qv {
namespace {

const BuiltInCategory* FindBuiltIn(const std::string& name)
{
    for (const BuiltInCategory& entry : BuiltInCategoryTable()) {
        if (name == entry.Name) return &entry;
    }
    return nullptr;
}

void BuildFromTable(TCategories& catalogue, const BuiltInCategory& entry)
{
    TCategory& category = catalogue.AppendCategory(entry.Name);
    for (const BuiltInUnit& unit : entry.Units) category.AppendUnit(unit.Symbol, unit.Definition, unit.Factor);
    category.SetDefaultUnit(entry.DefaultPosition);
    category.EntryIndex = category.DefaultIndex;
    category.SelectedIndex = category.DefaultIndex;
}

}  // namespace

void ClearCustomFlags(TCategories& catalogue)
{
    for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c) {
        TCategory& category = catalogue.CategoryAt(c);
        category.Custom = false;
        for (std::int32_t u = 0; u < category.UnitCount(); ++u) category.UnitAt(u).Custom = false;
    }
}

std::vector<std::string> ListBuiltInCategories()
{
    std::vector<std::string> names;
    for (const BuiltInCategory& entry : BuiltInCategoryTable()) names.emplace_back(entry.Name);
    return names;
}

void BuildBuiltInCategories(TCategories& catalogue, std::vector<std::string>& workList, const std::string& programDir,
                            MissingRatesFile missing)
{
    while (!workList.empty()) {
        const std::string& name = workList.front();
        if (const BuiltInCategory* entry = FindBuiltIn(name)) {
            if (name == CurrencyCategoryName)
                ImportCurrencyCategory(catalogue, programDir, missing);
            else
                BuildFromTable(catalogue, *entry);
        }
        workList.erase(workList.begin());
    }
    ClearCustomFlags(catalogue);
}

}  // namespace qv
