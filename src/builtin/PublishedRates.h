// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exchange rates as a central bank publishes them: a date and, for each
// currency, how many units of it one euro buys. The rates file holds US
// dollars per unit instead, so a set of published rates is only usable when
// it holds the US dollar.

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include <string>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* NoRates = "The document holds no exchange rates";
inline constexpr const char* NoUsdRate =
    "The document holds no rate of the US dollar, so its rates cannot be turned into US dollars";
inline constexpr const char* BadRate = "The rate of %s is not a positive number";
inline constexpr const char* BadCode = "\"%s\" is not a currency code of three capital letters";
inline constexpr const char* RepeatedCode = "The currency %s is listed more than once";
inline constexpr const char* EuroListed = "The document lists a rate of the euro against itself";
inline constexpr const char* BadDate = "The date of the rates, \"%s\", is not a date of the form YYYY-MM-DD";
}  // namespace msg

// The European Central Bank's reference rates of the latest working day,
// which an update takes first by default.
inline constexpr const char* DefaultRatesSource = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
// FloatRates' daily rates against the US dollar, for the currencies the
// bank does not publish.
inline constexpr const char* SecondRatesSource = "https://www.floatrates.com/daily/usd.xml";

// The sources an update uses when given none, earlier ones winning.
inline std::vector<std::string> DefaultRatesSources()
{
    return {DefaultRatesSource, SecondRatesSource};
}

// A download or a document of rates that cannot be used; nothing was changed.
class ERatesError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

struct PublishedRate {
    std::string Code;  // ISO 4217, three capital letters
    Extended PerEuro;  // units of this currency that one euro buys
};

struct PublishedRates {
    std::string Date;  // "YYYY-MM-DD"
    std::vector<PublishedRate> Rates;
};

// Raises ERatesError with one of the messages above unless the date is a
// real calendar date of the form YYYY-MM-DD, there is at least one rate,
// every code is three capital letters and listed once (the euro not at
// all), every rate is positive and finite, and USD is among them.
void CheckPublishedRates(const PublishedRates& rates);

// Whether `code` is three capital letters, as currency codes are.
bool IsCurrencyCode(const std::string& code);

// US dollars per euro, from checked rates.
Extended UsdPerEuro(const PublishedRates& rates);

// The English name used for a currency that the rates file lacks ("Euros"
// for EUR); the code itself for a currency the program does not know.
std::string CurrencyName(const std::string& code);

}  // namespace qv
