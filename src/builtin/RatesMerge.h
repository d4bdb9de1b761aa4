// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Brings the rates file up to date from published rates. The file keeps its
// own layout: rows of currencies that are not published keep their rate and
// their bytes, published rates replace the old ones with the decimal point
// where the old one stood, currencies the file lacks are added after its
// last row, and the header says where the rates came from and of which day
// they are. The result reads with the ordinary rates file reader.

#include "builtin/PublishedRates.h"
#include "builtin/RateProvenance.h"
#include "builtin/SourceRates.h"

#include <string>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* RatesFileUnreadable = "The rates file %s cannot be updated: ";
inline constexpr const char* RowNotRead = "the row of %s does not read as a row; look at the line before it";
inline constexpr const char* RowsRunIntoHeader =
    "a row runs on into the lines the update rewrites; put each rate on the line of its currency";
}  // namespace msg

struct RatesUpdate {
    std::string Date;  // of the rates, as the header states it: "December 7, 2026"
    int Changed = 0;   // rows whose rate changed, added rows included
    int Added = 0;     // rows added for currencies the file lacked
    int Old = 0;       // rows whose rate is older than OldRateDays, or of no known day, after the update
    std::vector<std::string> Failures;  // what went wrong with a source whose rates are missing
};

// The rate as the file holds it: rounded to `digits` significant digits,
// plain decimal with a point, trailing zeros dropped ("0.006712734541",
// "1.1723"). Rates fixed to the euro take 21 digits, all an Extended holds.
std::string RateText(Extended usdPerUnit, int digits = 10);

// The rates file text `fileText` with the rates of `sources` merged in; an
// earlier source wins for a code. Every row set gets the mark of its day and
// source after its rate (RateProvenance.h); when the euro is set, the
// currencies fixed to it that the file holds or a source lists are set from
// it. `today` ("YYYY-MM-DD") tells old rates. Raises as MergePublishedRates.
std::string MergeRates(const std::string& fileText, const std::vector<SourceRates>& sources, RatesUpdate& update,
                       const std::string& today);

// The rates file text `fileText` with a central bank's `rates` merged in;
// `source` is the address the rates came from, for the header. The rates must have passed
// CheckPublishedRates. Raises the reader's EWordReaderError when the old
// text is not a readable rates file; when a line that starts with a
// published code is not read as a row (a row before it lacks its rate), since
// adding that currency again would repeat its symbol; and msg::RowsRunIntoHeader
// when a file that imports would import differently after the merge (a row
// whose name runs on into the header comments, which the merge rewrites).
std::string MergePublishedRates(const std::string& fileText, const PublishedRates& rates, const std::string& source,
                                RatesUpdate& update);

// Checks `rates`, merges them into the rates file of `programDir` (into the
// default content when there is no file yet) and replaces the file
// atomically. Raises ERatesError for unusable rates or an unreadable old
// file and EFileError when the file cannot be written; the old file is then
// unchanged.
RatesUpdate UpdateCurrencyFile(const std::string& programDir, const PublishedRates& rates, const std::string& source);
// The same for the rates of several sources (each checked with
// CheckSourceRates), earlier ones winning.
RatesUpdate UpdateCurrencyFile(const std::string& programDir, const std::vector<SourceRates>& sources,
                               const std::string& today = TodayIso());

// The day of the newest rate of the rates file of `programDir`: its
// header's date ("April 16, 1998 EST" for the default file, which is used
// when there is none) unless a row's mark is newer ("December 7, 2026");
// empty when the file states none or cannot be read.
std::string CurrencyRatesDate(const std::string& programDir);
// The same day, of a rates file already read.
std::string RatesDateOf(const RatesFileOrigins& origins);

// The text of the rates file of `programDir`, or the default content when
// there is none. Raises EFileError as ReadTextFile does.
std::string CurrencyFileText(const std::string& programDir);

// "Rates of December 7, 2026: 31 currencies changed, 8 of them added", then
// how many rates are old and why a source's rates are missing.
std::string RatesUpdateMessage(const RatesUpdate& update);

}  // namespace qv
