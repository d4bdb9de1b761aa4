#pragma once

// Updating the rates file from published rates, for both programs: fetch
// the document, read it, merge it into Currency.txt. Any failure leaves the
// file as it was.

#include "builtin/RatesMerge.h"
#include "rates/RatesFetch.h"

#include <string>

namespace qv {

// Fetches the rates from `source` (an address or a file) and merges them
// into the rates file of `programDir`. Raises ERatesError (ERatesCancelled
// when stopped) or EFileError; the file is then unchanged.
RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::string& source, const FetchOptions& options = {});

}  // namespace qv
