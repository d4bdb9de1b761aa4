// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Updating the rates file from published rates, for both programs: fetch
// each source's document, read it as what its content shows it to be,
// merge the rates into Currency.txt. A source that fails is reported with
// the others' rates; when every source fails the file stays as it was.

#include "builtin/RatesMerge.h"
#include "rates/RatesFetch.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* SourceFailed = "The rates from %s are missing: %s";
}  // namespace msg

// The rates of a document, read as the bank's reference rates or as
// FloatRates' feed according to its content; `address` is where it was read.
SourceRates ReadRatesDocument(std::string_view document, const std::string& address);

// Fetches the rates from each of `sources` (addresses or files; none: the
// default sources) and merges them into the rates file of `programDir`, an
// earlier source winning for a code. A source that cannot be fetched or
// read is named in the update's Failures. Raises ERatesCancelled when
// stopped; when every source failed, the error of the only one (or an
// ERatesError naming each); EFileError when the file cannot be written. The
// file is then unchanged.
RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::vector<std::string>& sources,
                            const FetchOptions& options = {});
RatesUpdate UpdateRatesFrom(const std::string& programDir, const std::string& source, const FetchOptions& options = {});

}  // namespace qv
