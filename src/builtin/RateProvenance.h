// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Of which day each rate of the rates file is, and where it comes from. The
// update writes a mark after every rate it sets, "2026-11-27 ECB": the
// day of the rate and its source. The rates file reader ignores everything
// after a rate, so the mark costs older readers nothing. A row without a
// mark is of the day the header's "Accurate as of" line states.

#include "catalogue/Extended.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// Older rates than this are called old, in the update's message and in the
// window.
inline constexpr int OldRateDays = 30;

// The header line that says of which day the file's rates are.
inline constexpr const char* AccurateAsOf = "// Accurate as of ";

// The sources a mark names.
inline constexpr const char* EcbSource = "ECB";
inline constexpr const char* FloatRatesSource = "FloatRates";

struct RateOrigin {
    Extended Rate = 0.0L;  // US dollars per unit, as the row holds it
    std::string Date;      // "YYYY-MM-DD"; empty when neither a mark nor the header says
    std::string Source;    // "ECB", "FloatRates", "EUR fixed"; empty for a row without a mark
};

struct RatesFileOrigins {
    std::string HeaderDate;                  // "YYYY-MM-DD" of the "Accurate as of" line, or empty
    std::string HeaderText;                  // that line's date as written, "April 16, 1998 EST", or empty
    std::map<std::string, RateOrigin> Rows;  // by symbol; the first row of a symbol counts
};

// The rows of a rates file's text with their date and source, as far as
// the file reads (an unreadable row ends the list; nothing is raised).
RatesFileOrigins ReadRateOrigins(const std::string& fileText);

// The date and source of the row of `symbol`; nothing when there is none.
std::optional<RateOrigin> RateOriginOf(const std::string& fileText, const std::string& symbol);

// How many rows of `origins` are old on `today` (IsOldRate).
int CountOldRates(const RatesFileOrigins& origins, const std::string& today);

// The mark written after a rate: "2026-11-27 ECB".
std::string OriginMark(const std::string& isoDate, const std::string& source);

// How many words after a rate form its mark (0 when they form none): a
// date, then a known source's words or one other word.
std::size_t OriginMarkWords(const std::vector<std::string>& words, std::size_t from);

// Whether `date` is a real calendar date "YYYY-MM-DD".
bool IsIsoDate(const std::string& date);
// "December 7, 2026" for "2026-12-07"; the date must be checked already.
std::string LongDate(const std::string& isoDate);
// "YYYY-MM-DD" of a date written "April 16, 1998" (more words may follow);
// empty when it reads otherwise.
std::string IsoFromLongDate(const std::string& text);
// "27 Nov 2026" for "2026-11-27".
std::string ShortDate(const std::string& isoDate);
// Days from `from` to `to`, both checked "YYYY-MM-DD".
long DaysBetween(const std::string& from, const std::string& to);
// Today's date, UTC, "YYYY-MM-DD".
std::string TodayIso();
// Whether a rate of `isoDate` (empty: of no known day) is old on `today`.
bool IsOldRate(const std::string& isoDate, const std::string& today);

}  // namespace qv
