// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the daily feed of FloatRates against the US dollar: a <channel>
// whose <item> elements each hold <baseCurrency> (USD), <targetCurrency>
// (the ISO code), <targetName>, <exchangeRate> (units per US dollar),
// <inverseRate> and <pubDate> (an RFC 822 date, "Tue, 8 Dec 2026
// 12:00:02 GMT").

#include "builtin/SourceRates.h"

#include <string>
#include <string_view>

namespace pugi {
class xml_document;
}

namespace qv {

namespace msg {
inline constexpr const char* NotAgainstDollar = "The rates of the document are against \"%s\", not the US dollar";
inline constexpr const char* BadFeedDate =
    "The date of the rate of %s, \"%s\", is not a date of the form \"Tue, 8 Dec 2026 12:00:02 GMT\"";
}  // namespace msg

// Whether `document` is such a feed: XML with an <item> that holds a
// <targetCurrency>.
bool IsFloatRatesDocument(std::string_view document);
bool IsFloatRatesDocument(const pugi::xml_document& xml);

// The feed's rates in US dollars per unit, each of the day of its pubDate,
// checked with CheckSourceRates; `address` is where it was read. Raises
// ERatesError for a document that is not XML, holds no rates, or holds a
// rate, code, base or date that cannot be used.
SourceRates ParseFloatRatesDocument(std::string_view document, const std::string& address);
// The same, of a document already loaded.
SourceRates ParseFloatRatesDocument(const pugi::xml_document& xml, const std::string& address);

// "2026-12-08" for "Tue, 8 Dec 2026 12:00:02 GMT"; empty when the text is
// not such a date (or names the wrong day of the week).
std::string IsoFromRfc822Date(std::string_view text);

}  // namespace qv
