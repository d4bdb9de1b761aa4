// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Converter.h"
#include "cli/Table.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace qv::cli {

// Converts every line of `in` ("VALUE FROM TO", split by blanks or by tabs;
// '#' begins a comment line) and writes one result line per input line to
// `out`, in order, or with `format` one record per converted line. A line
// that fails gets an empty result (an error field in a record) and its
// error, with the line number, on `err`. `category` is -1 or the category
// every line must use.
//
// Lines are answered as soon as no further input is waiting, so a
// co-process gets each answer at once; input that keeps coming is converted
// in blocks that all cores share. A line over 1 MiB is refused, so memory
// stays bounded. A closed output (EPIPE) ends the run at once.
// Returns ExitOk when every line succeeded, ExitLineFailed when one did
// not, ExitData when the input could not be read or the output written.
int RunBatch(Converter& converter, std::int32_t category, std::optional<OutputFormat> format, std::FILE* in,
             std::FILE* out, std::FILE* err);

// Whether a write to standard output found its reader gone; main() then
// ends quietly.
bool OutputClosed();

}  // namespace qv::cli
