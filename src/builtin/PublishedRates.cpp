// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/PublishedRates.h"

#include "builtin/RateProvenance.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ShownText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace qv {
namespace {

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

bool IsCurrencyCode(const std::string& code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

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

std::string CurrencyName(const std::string& code)
{
    for (const Name& name : Names)
        if (code == name.Code) return name.Name;
    return code;
}

}  // namespace qv
