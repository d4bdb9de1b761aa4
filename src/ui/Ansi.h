// SPDX-License-Identifier: GPL-3.0-or-later
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

// A message for a message box or label: its carriage returns, the model's
// line breaks, become Qt's.
QString MessageToQ(std::string_view cp1252);

// The order of sorted lists shown to the user: locale-aware, without regard
// to letter case.
bool LessIgnoringCase(const QString& a, const QString& b);

}  // namespace qv
