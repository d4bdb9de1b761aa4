// SPDX-License-Identifier: GPL-3.0-or-later
#include "rates/RatesDocument.h"

#include "catalogue/MessageText.h"

#include <charconv>
#include <pugixml.hpp>

namespace qv {
namespace {

// A rate as the bank writes it: an optional sign, digits, optionally a
// point and more digits. Anything else (exponents, blanks, commas) is not
// a rate of this document.
bool ReadRate(std::string_view text, Extended& value)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    const std::size_t digits = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    if (at == digits || text.size() > 40) return false;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = ++at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        if (at == fraction) return false;
    }
    if (at != text.size()) return false;
    const std::size_t sign = text[0] == '+' ? 1 : 0;  // from_chars takes no '+'
    const auto result = std::from_chars(text.data() + sign, text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

void LoadRatesXml(pugi::xml_document& xml, std::string_view document)
{
    const pugi::xml_parse_result parsed = xml.load_buffer(document.data(), document.size());
    if (!parsed)
        throw ERatesError(FormatMessage(msg::MalformedXml, parsed.description(), std::to_string(parsed.offset)));
}

PublishedRates ParseRatesDocument(std::string_view document)
{
    pugi::xml_document xml;
    LoadRatesXml(xml, document);
    return ParseRatesDocument(xml);
}

PublishedRates ParseRatesDocument(const pugi::xml_document& xml)
{
    if (!xml.document_element()) throw ERatesError(msg::NoRates);

    // The bank's elements are namespaced, so elements are matched by their
    // local name. A document may hold several days; the newest one counts.
    pugi::xml_node day;
    for (const pugi::xpath_node& found : xml.select_nodes("//*[local-name()='Cube' and @time]")) {
        if (!day || std::string_view(found.node().attribute("time").value()) > day.attribute("time").value())
            day = found.node();
    }
    if (!day) throw ERatesError(msg::NoRates);

    PublishedRates rates;
    rates.Date = day.attribute("time").value();
    for (const pugi::xml_node& cube : day.children()) {
        if (cube.type() != pugi::node_element) continue;
        const std::string code = cube.attribute("currency").value();
        const std::string rate = cube.attribute("rate").value();
        PublishedRate published{code, 0.0L};
        if (!ReadRate(rate, published.PerEuro))
            throw ERatesError(FormatMessage(msg::UnreadableRate, code.substr(0, 16), rate.substr(0, 24)));
        rates.Rates.push_back(published);
    }
    CheckPublishedRates(rates);
    return rates;
}

}  // namespace qv
