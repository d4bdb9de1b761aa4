// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running a helper program whose messages may quote outside data (a rates
// document, a file name): its output reaches the terminal line by line with
// control characters replaced, as quantova-cli's own output does.

#include <cstdio>
#include <string>
#include <vector>

namespace qv::cli {

// Runs `argv` (argv[0] is the program's path) and passes its standard output
// to `out` and its standard error to `err`, cleaned. Returns its exit status
// (128 + the signal that ended it), or -1 when it could not be started.
int RunWithCleanOutput(std::vector<std::string> argv, std::FILE* out, std::FILE* err);

// One line of a helper's output for the terminal: UTF-8 as it is, other
// bytes read as Windows-1252, control characters replaced.
std::string CleanLine(const std::string& line);

}  // namespace qv::cli
