// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/PublishedRates.h"

#include "catalogue/FileAccess.h"
#include "catalogue/ShownText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace qv {
namespace {

bool IsDigits(const std::string& text, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

bool IsIsoDate(const std::string& date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    if (!IsDigits(date, 0, 4) || !IsDigits(date, 5, 2) || !IsDigits(date, 8, 2)) return false;
    const int year = std::stoi(date.substr(0, 4));
    const int month = std::stoi(date.substr(5, 2));
    const int day = std::stoi(date.substr(8, 2));
    if (month < 1 || month > 12 || day < 1) return false;
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= Days[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsCurrencyCode(const std::string& code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

struct Name {
    const char* Code;
    const char* Name;
};

// Currencies the European Central Bank publishes or has published, named in
// the style of the default rates file. No name may hold a word that reads as
// a number, or the rates file would end the name there.
constexpr Name Names[] = {
    {"AUD", "Australian Dollars"},
    {"BGN", "Bulgarian Lev"},
    {"BRL", "Brazilian Real"},
    {"CAD", "Canadian Dollars"},
    {"CHF", "Swiss Francs"},
    {"CNY", "Chinese Yuan Renminbi"},
    {"CYP", "Cyprus Pounds"},
    {"CZK", "Czech Koruna"},
    {"DKK", "Danish Krone"},
    {"EEK", "Estonian Kroon"},
    {"EUR", "Euros"},
    {"GBP", "British Pounds"},
    {"HKD", "Hong Kong Dollars"},
    {"HRK", "Croatian Kunas"},
    {"HUF", "Hungarian Forint"},
    {"IDR", "Indonesian Rupiah"},
    {"ILS", "Israeli New Shekels"},
    {"INR", "Indian Rupees"},
    {"ISK", "Icelandic Krona"},
    {"JPY", "Japanese Yen"},
    {"KRW", "Korean Won (South)"},
    {"LTL", "Lithuanian Litas"},
    {"LVL", "Latvian Lats"},
    {"MTL", "Maltese Lira"},
    {"MXN", "Mexican Pesos"},
    {"MYR", "Malaysian Ringgit"},
    {"NOK", "Norwegian Kroner"},
    {"NZD", "New Zealand Dollars"},
    {"PHP", "Philippines Pesos"},
    {"PLN", "Polish Zloty"},
    {"ROL", "Romanian Leu"},
    {"RON", "Romanian New Leu"},
    {"RUB", "Russian Rubles"},
    {"SEK", "Swedish Krona"},
    {"SGD", "Singapore Dollars"},
    {"SIT", "Slovenian Tolars"},
    {"SKK", "Slovakian Koruna"},
    {"THB", "Thai Baht"},
    {"TRL", "Turkish Lira"},
    {"TRY", "Turkish New Lira"},
    {"USD", "American Dollars"},
    {"ZAR", "South African Rand"},
};

}  // namespace

void CheckPublishedRates(const PublishedRates& rates)
{
    if (!IsIsoDate(rates.Date)) throw ERatesError(FormatMessage(msg::BadDate, ShownText(rates.Date)));
    if (rates.Rates.empty()) throw ERatesError(msg::NoRates);
    std::set<std::string> seen;
    for (const PublishedRate& rate : rates.Rates) {
        if (!IsCurrencyCode(rate.Code)) throw ERatesError(FormatMessage(msg::BadCode, ShownText(rate.Code, 16)));
        if (rate.Code == "EUR") throw ERatesError(msg::EuroListed);
        if (!seen.insert(rate.Code).second) throw ERatesError(FormatMessage(msg::RepeatedCode, rate.Code));
        if (!(rate.PerEuro > 0.0L) || !std::isfinite(rate.PerEuro))
            throw ERatesError(FormatMessage(msg::BadRate, rate.Code));
    }
    if (!seen.count("USD")) throw ERatesError(msg::NoUsdRate);
}

Extended UsdPerEuro(const PublishedRates& rates)
{
    for (const PublishedRate& rate : rates.Rates)
        if (rate.Code == "USD") return rate.PerEuro;
    throw ERatesError(msg::NoUsdRate);
}

std::string LongDate(const std::string& isoDate)
{
    static constexpr const char* Months[] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
    const int month = std::stoi(isoDate.substr(5, 2));
    const int day = std::stoi(isoDate.substr(8, 2));
    return std::string(Months[month - 1]) + " " + std::to_string(day) + ", " + isoDate.substr(0, 4);
}

std::string CurrencyName(const std::string& code)
{
    for (const Name& name : Names)
        if (code == name.Code) return name.Name;
    return code;
}

}  // namespace qv
