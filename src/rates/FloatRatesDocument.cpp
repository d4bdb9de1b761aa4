// SPDX-License-Identifier: GPL-3.0-or-later
#include "rates/FloatRatesDocument.h"

#include "builtin/RateProvenance.h"
#include "catalogue/Cp1252.h"
#include "catalogue/MessageText.h"
#include "rates/RatesDocument.h"

#include <charconv>
#include <chrono>
#include <pugixml.hpp>
#include <sstream>
#include <vector>

namespace qv {
namespace {

constexpr const char* Item = "//*[local-name()='item' and *[local-name()='targetCurrency']]";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The text of the child element of `item` whose local name is `name`.
std::string ChildText(const pugi::xml_node& item, std::string_view name)
{
    for (const pugi::xml_node& child : item.children()) {
        std::string_view local = child.name();
        if (const std::size_t colon = local.find(':'); colon != std::string_view::npos) local = local.substr(colon + 1);
        if (child.type() == pugi::node_element && local == name) return std::string(Trimmed(child.text().get()));
    }
    return {};
}

// A rate as the feed writes it: digits, optionally a point and more digits,
// optionally an exponent. Signs are read too, to be refused as rates.
bool ReadDecimal(std::string_view text, Extended& value)
{
    if (text.empty() || text.size() > 40) return false;
    std::size_t at = text[0] == '-' || text[0] == '+' ? 1 : 0;
    const std::size_t digits = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    if (at == digits) return false;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = ++at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        if (at == fraction) return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        if (++at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        const std::size_t exponent = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        if (at == exponent) return false;
    }
    if (at != text.size()) return false;
    const std::size_t sign = text[0] == '+' ? 1 : 0;
    const auto result = std::from_chars(text.data() + sign, text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool IsNumber(const std::string& word, std::size_t minDigits, std::size_t maxDigits)
{
    if (word.size() < minDigits || word.size() > maxDigits) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string IsoFromRfc822Date(std::string_view text)
{
    static constexpr const char* Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    std::string dayName;
    if (!words.empty() && words[0].size() == 4 && words[0][3] == ',') {
        dayName = words[0].substr(0, 3);
        words.erase(words.begin());
    }
    // day, month, year, time, zone
    if (words.size() != 5 || !IsNumber(words[0], 1, 2) || !IsNumber(words[2], 4, 4)) return {};
    int month = 0;
    for (int i = 0; i < 12; ++i)
        if (words[1] == Months[i]) month = i + 1;
    const std::string& time = words[3];
    const bool clock = (time.size() == 5 || time.size() == 8) && IsNumber(time.substr(0, 2), 2, 2) && time[2] == ':' &&
                       IsNumber(time.substr(3, 2), 2, 2) &&
                       (time.size() == 5 || (time[5] == ':' && IsNumber(time.substr(6, 2), 2, 2)));
    if (month == 0 || !clock || std::stoi(time.substr(0, 2)) > 23 || std::stoi(time.substr(3, 2)) > 59 ||
        (time.size() == 8 && std::stoi(time.substr(6, 2)) > 60))
        return {};
    const std::string day = words[0].size() == 1 ? "0" + words[0] : words[0];
    std::string iso = words[2] + (month < 10 ? "-0" : "-") + std::to_string(month) + "-" + day;
    if (!IsIsoDate(iso)) return {};
    if (!dayName.empty()) {
        using namespace std::chrono;
        const weekday named{sys_days(year(std::stoi(words[2])) / std::chrono::month(static_cast<unsigned>(month)) /
                                     std::chrono::day(static_cast<unsigned>(std::stoi(day))))};
        if (dayName != Days[named.c_encoding()]) return {};
    }
    return iso;
}

bool IsFloatRatesDocument(std::string_view document)
{
    pugi::xml_document xml;
    return xml.load_buffer(document.data(), document.size()) && IsFloatRatesDocument(xml);
}

bool IsFloatRatesDocument(const pugi::xml_document& xml)
{
    return static_cast<bool>(xml.select_node(Item));
}

SourceRates ParseFloatRatesDocument(std::string_view document, const std::string& address)
{
    pugi::xml_document xml;
    LoadRatesXml(xml, document);
    return ParseFloatRatesDocument(xml, address);
}

SourceRates ParseFloatRatesDocument(const pugi::xml_document& xml, const std::string& address)
{
    SourceRates rates{FloatRatesSource, address, {}};
    for (const pugi::xpath_node& found : xml.select_nodes(Item)) {
        const pugi::xml_node item = found.node();
        const std::string base = ChildText(item, "baseCurrency");
        if (base != "USD") throw ERatesError(FillMessage(msg::NotAgainstDollar, {base.substr(0, 16)}));
        const std::string code = ChildText(item, "targetCurrency");
        const std::string rate = ChildText(item, "exchangeRate");
        Extended perDollar = 0.0L;
        if (!ReadDecimal(rate, perDollar))
            throw ERatesError(FillMessage(msg::UnreadableRate, {code.substr(0, 16), rate.substr(0, 24)}));
        if (!(perDollar > 0.0L)) throw ERatesError(FillMessage(msg::BadRate, {code.substr(0, 16)}));
        const std::string published = ChildText(item, "pubDate");
        const std::string date = IsoFromRfc822Date(published);
        if (date.empty())
            throw ERatesError(FillMessage(msg::BadFeedDate, {code.substr(0, 16), published.substr(0, 40)}));
        rates.Rates.push_back({code, 1.0L / perDollar, date, Utf8ToCp1252(ChildText(item, "targetName"))});
    }
    CheckSourceRates(rates);
    return rates;
}

}  // namespace qv
