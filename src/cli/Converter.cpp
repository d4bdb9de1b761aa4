// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Converter.h"

#include "expr/Evaluator.h"
#include "expr/FormatValue.h"
#include "expr/NumberText.h"

namespace qv::cli {
namespace {

// Digits with at most one separator between digits, after an optional
// leading "-": the evaluator reads such text as one decimal operand and
// nothing else, so reading it directly gives the same value.
bool IsPlainDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    bool digitBefore = false, separatorSeen = false, digitAfter = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            (separatorSeen ? digitAfter : digitBefore) = true;
        } else if (c == DecimalSeparator() && digitBefore && !separatorSeen) {
            separatorSeen = true;
        } else {
            return false;
        }
    }
    return digitBefore && (!separatorSeen || digitAfter);
}

}  // namespace

Extended ReadValue(const std::string& text)
{
    Extended value = 0.0L;
    if (IsPlainDecimal(text) && TryReadNumber(text, value)) return value;
    return EvaluateExpression(text);
}

Extended Converter::Convert(std::int32_t category, std::int32_t from, Extended value, std::int32_t to)
{
    // The category's Value and EntryIndex are its remembered view state; the
    // catalogue here is a copy that is never saved, so they serve as input.
    TCategory& c = catalogue_.CategoryAt(category);
    c.Value = value;
    c.EntryIndex = from;
    return c.ConvertTo(to);
}

TConversionCell Converter::Cell(std::int32_t category, std::int32_t from, Extended value, std::int32_t to)
{
    TCategory& c = catalogue_.CategoryAt(category);
    c.Value = value;
    c.EntryIndex = from;
    return ConvertCell(c, to);
}

std::string Converter::Text(Extended value) const
{
    return FormatValue(value, style_.Precision, style_.Scientific);
}

}  // namespace qv::cli
