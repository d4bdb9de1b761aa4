// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesChecks.h"

#include "builtin/PublishedRates.h"
#include "builtin/RateProvenance.h"
#include "catalogue/FileAccess.h"

#include <chrono>
#include <cstdio>
#include <sstream>

namespace qv {
namespace {

namespace chr = std::chrono;

chr::sys_days DaysOf(const std::string& iso)
{
    return chr::sys_days{chr::year{std::stoi(iso.substr(0, 4))} / std::stoi(iso.substr(5, 2)) /
                         std::stoi(iso.substr(8, 2))};
}

std::string IsoOf(chr::year_month_day day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    return text;
}

std::string Refusal(const char* pattern, const std::string& first, const std::string& second)
{
    return FormatMessage(FormatMessage(pattern, LongDate(first)).c_str(), LongDate(second));
}

}  // namespace

std::string RatesFileIsoDate(const std::string& fileText)
{
    static constexpr const char* Months[] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
    const std::string marker = "// Accurate as of ";
    const std::size_t at = fileText.find(marker);
    if (at == std::string::npos || (at > 0 && fileText[at - 1] != '\n' && fileText[at - 1] != '\r')) return {};
    std::istringstream line(fileText.substr(at + marker.size(), 64));
    std::string month;
    unsigned day = 0;
    char comma = 0;
    int year = 0;
    if (!(line >> month >> day >> comma >> year) || comma != ',') return {};
    for (unsigned m = 1; m <= 12; ++m) {
        if (month != Months[m - 1]) continue;
        const chr::year_month_day date{chr::year{year}, chr::month{m}, chr::day{day}};
        return date.ok() && year >= 1 && year <= 9999 ? IsoOf(date) : std::string();
    }
    return {};
}

void CheckRatesDate(const std::string& date, const std::string& fileDate, const std::string& today)
{
    if (DaysOf(date) > DaysOf(today) + chr::days{2}) throw ERatesError(Refusal(msg::RatesFromTheFuture, date, today));
    if (date < FirstReferenceRates) throw ERatesError(Refusal(msg::RatesTooEarly, date, FirstReferenceRates));
    if (!fileDate.empty() && date < fileDate) throw ERatesError(Refusal(msg::RatesOlderThanFile, date, fileDate));
}

}  // namespace qv

namespace qv {

void CheckRatesFileSize(const std::string& text, const std::string& path)
{
    if (text.size() > MaxTextFileSize) throw ERatesError(msg::MergedFileTooLarge, path);
}

}  // namespace qv
