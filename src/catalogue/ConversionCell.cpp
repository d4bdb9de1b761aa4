// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ConversionCell.h"

namespace qv {

const char* ShortFaultText(const EMathError& e)
{
    if (dynamic_cast<const EOverflow*>(&e)) return msg::OverflowCell;
    if (dynamic_cast<const EZeroDivide*>(&e)) return msg::ZeroDivideCell;
    return msg::InvalidCell;
}

TConversionCell ConvertCell(const TCategory& c, std::int32_t index)
{
    TConversionCell cell;
    try {
        cell.Value = c.ConvertTo(index);
    } catch (const EMathError& e) {
        cell.Fault = ShortFaultText(e);
        cell.Message = e.what();
    }
    return cell;
}

}  // namespace qv
