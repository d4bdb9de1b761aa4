// SPDX-License-Identifier: GPL-3.0-or-later
// quantova-cli: Quantova's conversions for the terminal and for scripts.

#include "cli/Batch.h"
#include "cli/CliErrors.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>

// Run reports every error of a run; what could still throw here is the set-up
// of the options, which fails only on a fault in this program.
int main(int argc, char** argv)  // NOLINT(bugprone-exception-escape)
{
    using namespace qv::cli;
    CliOptions options;
    CLI::App app{"", msg::ProgramName};
    AddOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        // CLI11 takes "-pi" for options (-p i); say how to give such a value.
        for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
            const std::string arg = argv[i];
            if (arg.size() > 2 && arg[0] == '-' && arg[1] != '-') {
                message += msg::NegativeValueHint;
                break;
            }
        }
        std::fprintf(stderr, "%s: %s\nRun with --help for more information.\n", msg::ProgramName, message.c_str());
        return ExitUsage;
    }
    const int status = Run(options, stdin, stdout, stderr);
    // A reader that went away (head, a closed pipe) wanted no more: end quietly.
    if (OutputClosed()) return ExitData;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        if (errno == EPIPE) return ExitData;
        std::perror(msg::ProgramName);
        return status == ExitOk ? ExitData : status;
    }
    return status;
}
