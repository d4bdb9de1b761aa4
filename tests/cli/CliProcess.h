// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// quantova-cli run as a child process with pipes, for the tests that talk to
// it line by line or watch how it ends.

#include <string>
#include <sys/types.h>
#include <vector>

namespace qv::test {

struct CliChild {
    pid_t pid = -1;
    int in = -1;   // its standard input, or -1 when it reads a file
    int out = -1;  // its standard output
    int err = -1;  // its standard error
};

// Starts `argv` with XDG_DATA_HOME and HOME set to `home`. Standard input
// is a pipe, or the file `inputFile` when it is given. The tests ignore
// SIGPIPE; the child gets the default unless `ignoreSigpipe`.
CliChild StartCli(const std::vector<std::string>& argv, const std::string& home, const std::string& inputFile = {},
                  bool ignoreSigpipe = false);

// Reads one line (without its line break) from `fd`, waiting at most
// `timeoutMs`; false when none came in time or the pipe closed first.
bool ReadLineWithin(int fd, int timeoutMs, std::string& line);

// Everything left on `fd` until it closes.
std::string ReadAll(int fd);

// The exit status (128 + signal for a signal), or -1 when the child has not
// ended within `timeoutMs`; it is then killed.
int WaitWithin(pid_t pid, int timeoutMs);

struct CliResult {
    int status = -1;
    std::string out, err;
};

// Runs to the end with `input` on standard input.
CliResult RunCli(const std::vector<std::string>& argv, const std::string& home, const std::string& input);

}  // namespace qv::test
