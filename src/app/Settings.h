#pragma once

// What the program reads from its surroundings at start-up.

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

}  // namespace qv
