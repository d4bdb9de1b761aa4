// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the daily reference rates document of the European Central Bank:
// an XML envelope whose Cube element with a "time" attribute holds one Cube
// per currency with "currency" and "rate" (units per euro) attributes.

#include "builtin/PublishedRates.h"

#include <string_view>

namespace pugi {
class xml_document;
}

namespace qv {

namespace msg {
inline constexpr const char* MalformedXml = "The document is not well-formed XML: %s at byte %s";
inline constexpr const char* UnreadableRate = "The rate of %s, \"%s\", is not a number";
}  // namespace msg

// The rates of the newest day in the document, checked with
// CheckPublishedRates. Raises ERatesError for a document that is not XML,
// holds no dated rates, or holds a rate, code or date that cannot be used.
PublishedRates ParseRatesDocument(std::string_view document);
// The same, of a document already loaded.
PublishedRates ParseRatesDocument(const pugi::xml_document& xml);

// Loads `document` into `xml`; raises ERatesError (MalformedXml) when it is
// not well-formed XML.
void LoadRatesXml(pugi::xml_document& xml, std::string_view document);

}  // namespace qv
