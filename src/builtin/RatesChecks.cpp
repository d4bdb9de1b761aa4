// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesChecks.h"

#include "builtin/PublishedRates.h"
#include "builtin/RateProvenance.h"
#include "catalogue/FileAccess.h"

namespace qv {
namespace {

std::string Refusal(const char* pattern, const std::string& first, const std::string& second)
{
    return FormatMessage(pattern, LongDate(first), LongDate(second));
}

}  // namespace

void CheckRatesDate(const std::string& date, const std::string& fileDate, const std::string& today)
{
    if (DaysBetween(today, date) > 2) throw ERatesError(Refusal(msg::RatesFromTheFuture, date, today));
    if (date < FirstReferenceRates) throw ERatesError(Refusal(msg::RatesTooEarly, date, FirstReferenceRates));
    if (!fileDate.empty() && date < fileDate) throw ERatesError(Refusal(msg::RatesOlderThanFile, date, fileDate));
}

void CheckRatesFileSize(const std::string& text, const std::string& path)
{
    if (text.size() > MaxTextFileSize) throw ERatesError(msg::MergedFileTooLarge, path);
}

}  // namespace qv
