#include "app/Ansi.h"

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

}  // namespace qv
