// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Ansi.h"

#include "catalogue/Cp1252.h"

namespace qv {

QString ToQ(std::string_view cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string FromQ(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

QString MessageToQ(std::string_view cp1252)
{
    return ToQ(cp1252).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

bool LessIgnoringCase(const QString& a, const QString& b)
{
    return QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded()) < 0;
}

}  // namespace qv
