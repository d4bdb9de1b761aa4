// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"

#include <cstdio>

namespace qv::cli {

// Does what the parsed options ask: a conversion, a category's units, a
// list, or a batch. Results go to `out`, diagnostics to `err`. Returns the
// exit status (ExitStatus).
int Run(const CliOptions& options, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace qv::cli
