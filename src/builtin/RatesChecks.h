// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dates a rates update accepts: a document of rates is refused when its
// date cannot be right (in the future, before the reference rates began) or
// when it is older than the rates the file already holds.

#include <string>

namespace qv {

namespace msg {
inline constexpr const char* RatesFromTheFuture = "The rates are dated %s, more than two days after today, %s";
inline constexpr const char* RatesTooEarly =
    "The rates are dated %s, before the first reference rates of the euro, of %s";
inline constexpr const char* MergedFileTooLarge =
    "With these rates, %s would be larger than 1 MiB, the most Quantova reads; it was left as it was";
inline constexpr const char* RatesOlderThanFile = "The rates are dated %s, older than those in the rates file, of %s";
}  // namespace msg

// The day the reference rates of the euro were first published.
inline constexpr const char* FirstReferenceRates = "1999-01-04";

// Raises ERatesError unless `date` ("YYYY-MM-DD", already checked as a
// date) is at most two days after `today`, not before FirstReferenceRates,
// and not before `fileDate` (when that is not empty). Each message states
// both dates.
void CheckRatesDate(const std::string& date, const std::string& fileDate, const std::string& today);

// Raises ERatesError when `text`, the updated content of the rates file at
// `path`, is more than its reader accepts.
void CheckRatesFileSize(const std::string& text, const std::string& path);

}  // namespace qv
