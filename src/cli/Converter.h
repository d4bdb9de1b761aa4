// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One conversion as quantova-cli does it: the value text evaluated as the
// window's value field does, converted with the category's own rule and
// written as the window's list of units shows it.

#include "catalogue/Category.h"
#include "catalogue/ConversionCell.h"
#include "cli/UnitLookup.h"

#include <string>
#include <string_view>

namespace qv::cli {

struct NumberStyle {
    int Precision = 6;  // significant digits, 2..18
    bool Scientific = false;
};

// The value of an entry such as '12*2.54', 'sqrt2' or '$ff' (Windows-1252).
// A plain decimal number is read directly, as the evaluator would read it,
// since that is most of what scripts send. Raises what the evaluator raises.
Extended ReadValue(const std::string& text);

class Converter {
public:
    Converter(TCategories& catalogue, NumberStyle style, std::shared_ptr<const UnavailableCategory> unavailable = {})
        : catalogue_(catalogue),
          lookup_(catalogue, std::move(unavailable)),
          style_(style)
    {
    }

    const UnitLookup& Lookup() const { return lookup_; }
    const TCategories& Catalogue() const { return catalogue_; }
    NumberStyle Style() const { return style_; }

    // `value` (in unit `from` of `category`) in unit `to`. Raises the
    // arithmetic errors.
    Extended Convert(std::int32_t category, std::int32_t from, Extended value, std::int32_t to);
    // The same, with an arithmetic error caught and described.
    TConversionCell Cell(std::int32_t category, std::int32_t from, Extended value, std::int32_t to);

    // The text the window shows for a converted value.
    std::string Text(Extended value) const;

private:
    TCategories& catalogue_;
    UnitLookup lookup_;
    NumberStyle style_;
};

}  // namespace qv::cli
