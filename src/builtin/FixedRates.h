// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Currencies fixed to the euro for ever: the legacy currencies of the euro
// area, the ECU, and the CFA francs. Whenever an update sets the euro's
// rate, it sets these from it.

#include "catalogue/Extended.h"

#include <span>

namespace qv {

// The source written after a rate that follows from the euro's.
inline constexpr const char* EuroFixedSource = "EUR fixed";

struct FixedEuroRate {
    const char* Code;
    Extended PerEuro;  // units of this currency that one euro is worth, exactly
    const char* Law;   // where the rate is fixed
};

// Every fixed rate, one row a currency.
std::span<const FixedEuroRate> FixedEuroRates();

// The row of `code`, or null when its rate is not fixed to the euro.
const FixedEuroRate* FindFixedEuroRate(const char* code);

}  // namespace qv
