// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"

#include <cstdio>

namespace qv::cli {

// --update-rates: runs quantova-update-rates, found beside this program (or
// in ../libexec/quantova), on the data folder. This program is linked
// statically and cannot link libcurl; that one can. Its messages go
// straight to the terminal; returns its exit status.
int UpdateRates(const CliOptions& options, std::FILE* out, std::FILE* err);

}  // namespace qv::cli
