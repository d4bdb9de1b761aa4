// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue model: a package (TCategories) is an ordered list of
// categories (TCategory), each an ordered list of units (TUnit). A unit's
// Factor is its size in the category's default unit, so a conversion is
//     Value × factor(entry unit) ÷ factor(target unit)
// except in the category named exactly "Temperature", which converts between
// its scales by formula. Callers keep positions, not references, across any
// call that may change a list.

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ValueReader;
class ValueWriter;

// A symbol or category name that is already taken.
class eNameError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

// A position outside a list: "List index out of bounds (7)" for units,
// "7 Out of Range 0-5" for categories.
class EListError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

// A unit of factor 0 chosen as the default: every other factor would be
// divided by 0. "<symbol> cannot be the default unit: its factor is 0."
class EZeroFactorDefault : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

inline constexpr const char* TemperatureCategoryName = "Temperature";
inline constexpr const char* ZeroFactorDefaultEnd = " cannot be the default unit: its factor is 0.";

// Raises eNameError "<symbol> already exists. A unit's symbol must be unique."
[[noreturn]] void ThrowSymbolTaken(const std::string& symbol);

struct TUnit {
    std::string Symbol;      // "m", "ft", "C°"; unique within its category
    std::string Definition;  // "meters"
    Extended Factor = 1.0L;  // size of one of this unit in the default unit
    bool Custom = false;     // added by the user rather than by the installer
    bool Hidden = false;     // left out of the visible list of units

    void WriteTo(ValueWriter& writer) const;
    void ReadFrom(ValueReader& reader);
};

class TCategory {
public:
    std::string Name;
    std::int32_t DefaultIndex = 0;   // -1 while the category has no default unit
    std::int32_t SelectedIndex = 0;  // the highlighted unit, target of the status line
    bool Custom = false;
    std::int32_t EntryIndex = 0;  // the unit in which Value is expressed
    Extended Value = 1.0L;

    std::int32_t UnitCount() const { return static_cast<std::int32_t>(UnitItems.size()); }

    // Raises EListError "List index out of bounds (i)" for a bad position.
    TUnit& UnitAt(std::int32_t index);
    const TUnit& UnitAt(std::int32_t index) const;

    std::int32_t VisibleUnitCount() const;
    bool HasCustomUnits() const;  // a unit the user added or changed
    // The position of the first unit whose symbol is `symbol`, exactly; -1
    // when there is none.
    std::int32_t FindUnit(std::string_view symbol) const;

    // Adds a unit at the end (Custom, visible). The first unit of an empty
    // category becomes its default with factor 1. Raises eNameError when the
    // symbol is taken (exact, case-sensitive comparison).
    void AppendUnit(const std::string& symbol, const std::string& definition, Extended factor);

    // Removes the unit at `index`, keeping DefaultIndex, EntryIndex and
    // SelectedIndex on the units they named; removing the default leaves the
    // category without one (DefaultIndex -1).
    void RemoveUnit(std::int32_t index);

    // Makes unit `index` the default and divides every factor by its old
    // factor, so conversions do not change; -1 only clears DefaultIndex.
    // All or nothing: on an arithmetic error no factor has changed. A unit of
    // factor 0 is refused with EZeroFactorDefault.
    void SetDefaultUnit(std::int32_t index);

    // Value (in the unit at EntryIndex) expressed in the unit at `index`.
    // Raises the arithmetic errors and EListError; an entry unit of factor 0
    // raises EZeroDivide, as it holds no quantity to convert.
    Extended ConvertTo(std::int32_t index) const;

    void WriteTo(ValueWriter& writer) const;
    // Replaces the whole category with a record read from a package file:
    // units appended as stored, fields taken as they are.
    void ReadFrom(ValueReader& reader);

private:
    friend class TUnitAppender;
    // Appends without the symbol check; the first unit becomes the default.
    void PushUnit(const std::string& symbol, const std::string& definition, Extended factor);

    std::vector<TUnit> UnitItems;
};

class TCategories {
public:
    bool Active = false;  // the package in use when it was last saved
    std::string Caption;  // the package caption

    std::int32_t CategoryCount() const { return static_cast<std::int32_t>(Categories.size()); }

    // Raises EListError "i Out of Range 0-count" for a bad position.
    TCategory& CategoryAt(std::int32_t index);
    const TCategory& CategoryAt(std::int32_t index) const;

    // Adds an empty, Custom category at the end and returns it. Raises
    // eNameError "<name> already exists." when the name is taken.
    TCategory& AppendCategory(const std::string& name);
    void RemoveCategory(std::int32_t index);
    void Clear() { Categories.clear(); }

    bool HasCustomUnits() const;

    // The position of the first category named `name` without regard to
    // letter case, as the installer matches the categories it replaces; -1
    // when there is none.
    std::int32_t FindCategory(std::string_view name) const;

    // Package files. Saving writes a temporary file beside `path` and renames
    // it over the old one, so a failed save leaves the old file as it was.
    void SaveToFile(const std::string& path) const;
    // Replaces the catalogue with the file's content. On a read error the
    // caption, flag and categories read before the fault remain.
    void LoadFromFile(const std::string& path);

    // The package layout on its own, without the file: what SaveToFile
    // writes (Finish() is left to the caller) and LoadFromFile reads.
    void WriteTo(ValueWriter& writer) const;
    void ReadFrom(ValueReader& reader);

private:
    std::vector<TCategory> Categories;
};

}  // namespace qv
