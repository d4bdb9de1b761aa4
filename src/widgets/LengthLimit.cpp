// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/LengthLimit.h"

namespace qv {

QValidator::State LengthLimit::validate(QString& text, int&) const
{
    return text.size() <= limit_ ? Acceptable : Invalid;
}

}  // namespace qv
