#pragma once

// The boundary between the model's Windows-1252 strings and Qt's Unicode.
// Every conversion between the two goes through these.

#include <QString>

#include <string>
#include <string_view>

namespace qv {

QString ToQ(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
std::string FromQ(const QString& text);

}  // namespace qv
