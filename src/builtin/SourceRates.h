// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rates of one source as the rates file holds them: US dollars per
// unit, each of its own day. Every source's document is turned into this
// form before it is merged, so the merge knows no document.

#include "builtin/PublishedRates.h"

#include <string>
#include <vector>

namespace qv {

namespace msg {
inline constexpr const char* DollarListed = "The document lists a rate of the US dollar against itself";
}  // namespace msg

struct SourceRate {
    std::string Code;       // ISO 4217, three capital letters
    Extended UsdPerUnit;    // positive and finite
    std::string Date;       // "YYYY-MM-DD"
    std::string Name = {};  // the source's name of the currency (Windows-1252), if it gives one
};

struct SourceRates {
    std::string Source;   // the name the marks give: "ECB", "FloatRates"
    std::string Address;  // where the rates were read, for the file's header
    std::vector<SourceRate> Rates;
};

// Raises ERatesError with the messages of PublishedRates.h unless there is
// a rate, every code is three capital letters, listed once and not the US
// dollar's, every rate positive and finite and every date a real one.
void CheckSourceRates(const SourceRates& rates);

// A central bank's rates against the euro (checked with CheckPublishedRates)
// in US dollars per unit: the euro's own rate included, the US dollar's left
// out. Raises ERatesError for a rate that does not turn into a usable one.
SourceRates RatesInDollars(const PublishedRates& rates, const std::string& source, const std::string& address);

}  // namespace qv
