#pragma once

#include "cli/Converter.h"

#include <cstdint>
#include <cstdio>

namespace qv::cli {

// Converts every line of `in` ("VALUE FROM TO", split by blanks or by tabs)
// and writes one result line per input line to `out`, in order. A line that
// fails gets an empty result line and its error, with the line number, on
// `err`. `category` is -1 or the category every line must use. Input from a
// terminal is answered line by line; other input is read in blocks that
// all cores convert together. Returns ExitOk when every line succeeded, else
// ExitLineFailed.
int RunBatch(Converter& converter, std::int32_t category, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace qv::cli
