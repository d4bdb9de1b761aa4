// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Category.h"

#include "catalogue/CheckedMath.h"
#include "catalogue/Cp1252.h"

#include <algorithm>

namespace qv {
namespace {

[[noreturn]] void ThrowUnitIndex(std::int32_t index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

enum class Scale { Celsius, Fahrenheit, Kelvin, Rankine, Unknown };

Scale ScaleOf(const TUnit& unit)
{
    switch (unit.Symbol.empty() ? '\0' : unit.Symbol[0]) {
    case 'C': return Scale::Celsius;
    case 'F': return Scale::Fahrenheit;
    case 'K': return Scale::Kelvin;
    case 'R': return Scale::Rankine;
    default: return Scale::Unknown;
    }
}

// The fixed formulas of the Temperature category; v is in scale `from`.
Extended ConvertTemperature(Extended v, Scale from, Scale to)
{
    constexpr Extended k1_8 = 1.8L;
    constexpr Extended k273 = 273.15L;
    constexpr Extended k491 = 491.67L;
    constexpr Extended k459 = 459.67L;
    constexpr Extended kNinth = 1.0L / 9.0L;
    constexpr Extended kFiveNinths = 5.0L / 9.0L;

    if (from == Scale::Unknown || to == Scale::Unknown) return 1.0L;
    RequireFinite(v);
    if (from == to) return v;
    switch (from) {
    case Scale::Celsius:
        if (to == Scale::Fahrenheit) return CheckedAdd(CheckedMul(k1_8, v), 32.0L);
        if (to == Scale::Kelvin) return CheckedAdd(v, k273);
        return CheckedAdd(CheckedMul(k1_8, v), k491);
    case Scale::Fahrenheit:
        if (to == Scale::Celsius) return CheckedMul(CheckedMul(CheckedSub(v, 32.0L), 5.0L), kNinth);
        if (to == Scale::Kelvin) return CheckedMul(CheckedAdd(v, k459), kFiveNinths);
        return CheckedAdd(v, k459);
    case Scale::Kelvin:
        if (to == Scale::Celsius) return CheckedSub(v, k273);
        if (to == Scale::Fahrenheit) return CheckedSub(CheckedMul(k1_8, v), k459);
        return CheckedMul(k1_8, v);
    case Scale::Rankine:
        if (to == Scale::Celsius) return CheckedSub(CheckedMul(v, kFiveNinths), k273);
        if (to == Scale::Fahrenheit) return CheckedSub(v, k459);
        return CheckedMul(v, kFiveNinths);
    case Scale::Unknown: break;
    }
    return 1.0L;
}

}  // namespace

TUnit& TCategory::UnitAt(std::int32_t index)
{
    if (index < 0 || index >= UnitCount()) ThrowUnitIndex(index);
    return UnitItems[static_cast<std::size_t>(index)];
}

const TUnit& TCategory::UnitAt(std::int32_t index) const
{
    if (index < 0 || index >= UnitCount()) ThrowUnitIndex(index);
    return UnitItems[static_cast<std::size_t>(index)];
}

std::int32_t TCategory::FindUnit(std::string_view symbol) const
{
    for (std::int32_t u = 0; u < UnitCount(); ++u)
        if (UnitItems[static_cast<std::size_t>(u)].Symbol == symbol) return u;
    return -1;
}

std::int32_t TCategory::VisibleUnitCount() const
{
    return static_cast<std::int32_t>(
        std::count_if(UnitItems.begin(), UnitItems.end(), [](const TUnit& u) { return !u.Hidden; }));
}

void ThrowSymbolTaken(const std::string& symbol)
{
    throw eNameError(symbol + " already exists. A unit's symbol must be unique.");
}

void TCategory::AppendUnit(const std::string& symbol, const std::string& definition, Extended factor)
{
    for (const TUnit& unit : UnitItems) {
        if (unit.Symbol == symbol) ThrowSymbolTaken(symbol);
    }
    PushUnit(symbol, definition, factor);
}

void TCategory::PushUnit(const std::string& symbol, const std::string& definition, Extended factor)
{
    UnitItems.push_back(TUnit{symbol, definition, factor, true, false});
    if (UnitItems.size() == 1) SetDefaultUnit(0);
}

void TCategory::RemoveUnit(std::int32_t index)
{
    UnitAt(index);  // range check before anything changes
    const std::int32_t n = UnitCount();
    if (index == DefaultIndex) SetDefaultUnit(-1);
    if (index < DefaultIndex) --DefaultIndex;
    if (index < EntryIndex) --EntryIndex;
    if (index == EntryIndex && EntryIndex == n - 1 && n - 1 != 0) --EntryIndex;
    if (index == SelectedIndex && SelectedIndex == n - 1 && n - 1 != 0) --SelectedIndex;
    UnitItems.erase(UnitItems.begin() + index);
    // SelectedIndex is not moved when a unit before it goes; keep it on a unit
    // that exists so the view never asks for a missing row.
    if (UnitCount() > 0 && SelectedIndex >= UnitCount()) SelectedIndex = UnitCount() - 1;
}

void TCategory::SetDefaultUnit(std::int32_t index)
{
    if (index != -1) {
        const Extended base = UnitAt(index).Factor;
        if (base == 0) throw EZeroFactorDefault(UnitAt(index).Symbol + ZeroFactorDefaultEnd);
        std::vector<Extended> factors(UnitItems.size());
        for (std::size_t j = 0; j < UnitItems.size(); ++j)
            factors[j] = j == static_cast<std::size_t>(index) ? 1.0L : CheckedDiv(UnitItems[j].Factor, base);
        for (std::size_t j = 0; j < UnitItems.size(); ++j) UnitItems[j].Factor = factors[j];
    }
    DefaultIndex = index;
}

Extended TCategory::ConvertTo(std::int32_t index) const
{
    const TUnit& from = UnitAt(EntryIndex);
    const TUnit& to = UnitAt(index);
    if (Name == TemperatureCategoryName) return ConvertTemperature(Value, ScaleOf(from), ScaleOf(to));
    // Value × 0 would read as 0 in every unit: a silent wrong answer.
    if (from.Factor == 0) throw EZeroDivide();
    return CheckedDiv(CheckedMul(Value, from.Factor), to.Factor);
}

TCategory& TCategories::CategoryAt(std::int32_t index)
{
    return const_cast<TCategory&>(static_cast<const TCategories&>(*this).CategoryAt(index));
}

const TCategory& TCategories::CategoryAt(std::int32_t index) const
{
    if (index < 0 || index >= CategoryCount())
        throw EListError(std::to_string(index) + " Out of Range 0-" + std::to_string(CategoryCount()));
    return Categories[static_cast<std::size_t>(index)];
}

TCategory& TCategories::AppendCategory(const std::string& name)
{
    for (const TCategory& c : Categories) {
        if (c.Name == name) throw eNameError(name + " already exists.");
    }
    TCategory& added = Categories.emplace_back();
    added.Name = name;
    added.Custom = true;
    return added;
}

void TCategories::RemoveCategory(std::int32_t index)
{
    CategoryAt(index);
    Categories.erase(Categories.begin() + index);
}

bool TCategory::HasCustomUnits() const
{
    return std::any_of(UnitItems.begin(), UnitItems.end(), [](const TUnit& u) { return u.Custom; });
}

bool TCategories::HasCustomUnits() const
{
    return std::any_of(Categories.begin(), Categories.end(), [](const TCategory& c) { return c.HasCustomUnits(); });
}

std::int32_t TCategories::FindCategory(std::string_view name) const
{
    for (std::int32_t i = 0; i < CategoryCount(); ++i)
        if (SameTextIgnoringCase(CategoryAt(i).Name, name)) return i;
    return -1;
}

}  // namespace qv
