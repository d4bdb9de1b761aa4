// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quantova's command line. --help and --version are answered before the
// application object exists, so that they need no display; any other
// argument is refused once QApplication has taken its own (-platform,
// -style, ...).

#include <optional>

namespace qv {

// Prints the help or the version to standard output when the command line
// asks for either and returns the exit status; nothing otherwise.
std::optional<int> AnswerInfoOptions(int argc, char* argv[]);

// To be called after QApplication is created: for an argument the program
// does not know, prints why and how to get help to standard error and
// returns the exit status of a usage error; nothing when all is well.
std::optional<int> RefuseUnknownArguments();

}  // namespace qv
