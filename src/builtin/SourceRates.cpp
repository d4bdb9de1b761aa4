// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/SourceRates.h"

#include "builtin/RateProvenance.h"
#include "catalogue/FileAccess.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace qv {
namespace {

}  // namespace

void CheckSourceRates(const SourceRates& rates)
{
    if (rates.Rates.empty()) throw ERatesError(msg::NoRates);
    std::set<std::string> seen;
    for (const SourceRate& rate : rates.Rates) {
        if (!IsCurrencyCode(rate.Code)) throw ERatesError(FormatMessage(msg::BadCode, rate.Code.substr(0, 16)));
        if (rate.Code == "USD") throw ERatesError(msg::DollarListed);
        if (!seen.insert(rate.Code).second) throw ERatesError(FormatMessage(msg::RepeatedCode, rate.Code));
        if (!(rate.UsdPerUnit > 0.0L) || !std::isfinite(rate.UsdPerUnit))
            throw ERatesError(FormatMessage(msg::BadRate, rate.Code));
        if (!IsIsoDate(rate.Date)) throw ERatesError(FormatMessage(msg::BadDate, rate.Date.substr(0, 40)));
    }
}

SourceRates RatesInDollars(const PublishedRates& rates, const std::string& source, const std::string& address)
{
    const Extended usdPerEuro = UsdPerEuro(rates);
    SourceRates dollars{source, address, {{"EUR", usdPerEuro, rates.Date}}};
    for (const PublishedRate& rate : rates.Rates) {
        if (rate.Code == "USD") continue;
        const Extended value = usdPerEuro / rate.PerEuro;
        if (!std::isfinite(value) || !(value > 0.0L)) throw ERatesError(FormatMessage(msg::BadRate, rate.Code));
        dollars.Rates.push_back({rate.Code, value, rates.Date});
    }
    return dollars;
}

}  // namespace qv
