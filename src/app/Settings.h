// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program reads from its surroundings at start-up, and the few
// settings of the window it keeps between runs (the user's file
// Quantova/Quantova.conf, as QSettings places it).

#include <QList>
#include <QString>

#include <string>

namespace qv {

// The command line of an external calculator: the default value of the
// user's "Tarvik/Calculator" settings (the registry key
// HKEY_CURRENT_USER\Software\Tarvik\Calculator on Windows, the file
// ~/.config/Tarvik/Calculator.conf, key Default, elsewhere). Empty when
// there is none. Only read, never created.
QString ReadCalculatorPath();

// The program's directory, ending in a separator, where its packages and
// rates file live: the executable's own directory, or, when that cannot be
// written (an installed copy), the user's application data directory.
std::string ProgramDirectory();

// The user's decimal separator as one Windows-1252 byte; '.' when the
// locale's separator is not a single such character.
char LocaleDecimalSeparator();

// A unit gone to through the Find Anywhere box, by names, which outlast
// positions in a package.
struct RecentPlace {
    QString Category;
    QString Unit;  // its symbol

    bool operator==(const RecentPlace&) const = default;
};

inline constexpr int MaxRecentPlaces = 8;

// The recent places, most recent first; none when nothing was kept.
QList<RecentPlace> ReadRecentPlaces();
// Puts `place` first, once, and keeps the last MaxRecentPlaces.
void RememberRecentPlace(const RecentPlace& place);

}  // namespace qv
