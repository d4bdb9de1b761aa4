// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of quantova-cli: every option in one struct, declared to
// CLI11 in one function. A new option is a field here, a line in AddOptions
// and, when it is a command of its own, a branch in Run (Commands.cpp).

#include "cli/Converter.h"
#include "cli/Table.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace qv::cli {

struct CliOptions {
    std::vector<std::string> Args;  // VALUE FROM [TO...], or the category of --list
    NumberStyle Style;
    std::string FormatName;  // empty: values alone, or aligned columns

    std::optional<OutputFormat> Format() const;
    bool List = false;
    bool Batch = false;
    std::string Category;
    std::string Package;
    bool BuiltIn = false;
    bool Locale = false;
    bool UpdateRates = false;
    std::vector<std::string> RatesSources;  // none: the default sources
    bool Quiet = false;
    bool CompleteUnits = false;  // hidden: the unit symbols, for shell completion

    std::vector<std::string> Given;  // the long names of the options given
    bool WasGiven(const char* name) const;
};

// Declares the options, the help text and --version.
void AddOptions(CLI::App& app, CliOptions& options);

}  // namespace qv::cli
