// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RateProvenance.h"

#include "builtin/FixedRates.h"
#include "builtin/WordRead.h"

#include <chrono>
#include <cstring>

namespace qv {
namespace {

constexpr const char* Months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

std::chrono::sys_days DayOf(const std::string& iso)
{
    using namespace std::chrono;
    return sys_days(year(std::stoi(iso.substr(0, 4))) / month(static_cast<unsigned>(std::stoi(iso.substr(5, 2)))) /
                    day(static_cast<unsigned>(std::stoi(iso.substr(8, 2)))));
}

// The first "Accurate as of" line's date: as an ISO date, and as written
// up to a note in brackets.
void ReadHeader(const TWordReader& reader, RatesFileOrigins& origins)
{
    for (const TWordContainer& line : reader.Lines) {
        if (line.RawLine.compare(0, std::strlen(AccurateAsOf), AccurateAsOf) != 0) continue;
        const std::string date = line.RawLine.substr(std::strlen(AccurateAsOf));
        origins.HeaderDate = IsoFromLongDate(date);
        origins.HeaderText = date.substr(0, date.find(" ("));
        origins.HeaderText.erase(origins.HeaderText.find_last_not_of(" \t") + 1);
        return;
    }
}

}  // namespace

bool IsIsoDate(const std::string& date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (date[i] < '0' || date[i] > '9') return false;
    using namespace std::chrono;
    const year_month_day day(year(std::stoi(date.substr(0, 4))),
                             month(static_cast<unsigned>(std::stoi(date.substr(5, 2)))),
                             std::chrono::day(static_cast<unsigned>(std::stoi(date.substr(8, 2)))));
    return day.ok();
}

std::string IsoFromLongDate(const std::string& text)
{
    // "April 16, 1998 ..."
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) return {};
    const std::string name = text.substr(0, blank);
    int month = 0;
    for (int i = 0; i < 12; ++i)
        if (name == Months[i]) month = i + 1;
    const std::size_t comma = text.find(", ", blank);
    if (month == 0 || comma == std::string::npos || comma - blank - 1 < 1 || comma - blank - 1 > 2) return {};
    std::string day = text.substr(blank + 1, comma - blank - 1);
    if (day.size() == 1) day = "0" + day;
    const std::string year = text.substr(comma + 2, 4);
    const std::string iso = year + "-" + (month < 10 ? "0" : "") + std::to_string(month) + "-" + day;
    const bool ends = text.size() == comma + 6 || (text.size() > comma + 6 && text[comma + 6] == ' ');
    return ends && IsIsoDate(iso) ? iso : std::string();
}

std::string LongDate(const std::string& isoDate)
{
    const int month = std::stoi(isoDate.substr(5, 2));
    return std::string(Months[month - 1]) + " " + std::to_string(std::stoi(isoDate.substr(8, 2))) + ", " +
           isoDate.substr(0, 4);
}

std::string ShortDate(const std::string& isoDate)
{
    const int month = std::stoi(isoDate.substr(5, 2));
    return std::to_string(std::stoi(isoDate.substr(8, 2))) + " " + std::string(Months[month - 1]).substr(0, 3) + " " +
           isoDate.substr(0, 4);
}

long DaysBetween(const std::string& from, const std::string& to)
{
    return static_cast<long>((DayOf(to) - DayOf(from)).count());
}

std::string TodayIso()
{
    using namespace std::chrono;
    const year_month_day today(floor<days>(system_clock::now()));
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(today.year()),
                  static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
    return text;
}

bool IsOldRate(const std::string& isoDate, const std::string& today)
{
    return isoDate.empty() || DaysBetween(isoDate, today) > OldRateDays;
}

int CountOldRates(const RatesFileOrigins& origins, const std::string& today)
{
    int old = 0;
    for (const auto& [symbol, origin] : origins.Rows)
        if (IsOldRate(origin.Date, today)) ++old;
    return old;
}

std::string OriginMark(const std::string& isoDate, const std::string& source)
{
    return isoDate + " " + source;
}

std::size_t OriginMarkWords(const std::vector<std::string>& words, std::size_t from)
{
    if (from >= words.size() || !IsIsoDate(words[from])) return 0;
    if (from + 1 == words.size()) return 1;
    const std::string fixed = EuroFixedSource;  // the one source of two words
    if (from + 2 < words.size() && words[from + 1] + " " + words[from + 2] == fixed) return 3;
    return 2;
}

RatesFileOrigins ReadRateOrigins(const std::string& fileText)
{
    TWordReader reader = TWordReader::FromText(fileText);
    RatesFileOrigins origins;
    ReadHeader(reader, origins);
    try {
        for (;;) {
            reader.SkipUsedLines();
            if (reader.AtEnd()) break;
            const std::string symbol = reader.ReadWord();
            if (symbol == "//" || symbol == "USD") {
                reader.NextLine();
                continue;
            }
            reader.ReadName();
            RateOrigin origin;
            origin.Rate = reader.ReadNumber();
            origin.Date = origins.HeaderDate;
            const TWordContainer& line = reader.Lines[static_cast<std::size_t>(reader.LineIndex)];
            const std::size_t after = static_cast<std::size_t>(reader.WordIndex);
            const std::size_t marked = OriginMarkWords(line, after);
            if (marked > 0) origin.Date = line[after];
            if (marked == 2) origin.Source = line[after + 1];
            if (marked == 3) origin.Source = EuroFixedSource;
            origins.Rows.emplace(symbol, origin);
            reader.NextLine();
        }
    } catch (const EQuantovaError&) {
        // The rows before the fault are what the importer would make too.
    }
    return origins;
}

std::optional<RateOrigin> RateOriginOf(const std::string& fileText, const std::string& symbol)
{
    RatesFileOrigins origins = ReadRateOrigins(fileText);
    const auto row = origins.Rows.find(symbol);
    if (row == origins.Rows.end()) return std::nullopt;
    return row->second;
}

}  // namespace qv
