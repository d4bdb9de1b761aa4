// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitText.h"

#include "catalogue/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace qv::unit_text {
namespace {

constexpr char Micro = '\xB5', Squared = '\xB2', Cubed = '\xB3';

bool EndsWith(std::string_view s, std::string_view end)
{
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Singular(std::string folded)
{
    if (folded == "feet") return "foot";
    if (folded.size() <= 3) return folded;
    if (EndsWith(folded, "ies")) return folded.replace(folded.size() - 3, 3, "y");
    if (EndsWith(folded, "ches") || EndsWith(folded, "shes") || EndsWith(folded, "sses") || EndsWith(folded, "xes"))
        return folded.erase(folded.size() - 2);
    if (EndsWith(folded, "s") && !EndsWith(folded, "ss") && !EndsWith(folded, "us")) folded.pop_back();
    return folded;
}

bool HasWord(std::string_view folded, std::string_view singular)
{
    for (std::size_t i = 0; i < folded.size();) {
        while (i < folded.size() && !std::isalnum(static_cast<unsigned char>(folded[i]))) ++i;
        const std::size_t start = i;
        while (i < folded.size() && std::isalnum(static_cast<unsigned char>(folded[i]))) ++i;
        if (i > start && Singular(std::string(folded.substr(start, i - start))) == singular) return true;
    }
    return false;
}

std::int32_t AliasUnit(const TCategory& c, const UnitAlias& alias)
{
    return c.Name == alias.Category ? c.FindUnit(alias.Symbol) : -1;
}

std::string_view DefinitionHead(std::string_view definition)
{
    return TrimBlanks(definition.substr(0, definition.find(',')));
}

bool TypedPlainly(std::string_view symbol, std::string_view typed)
{
    bool changed = false;
    std::size_t t = 0;
    for (char s : symbol) {
        if (s == Micro && t < typed.size() && typed[t] == 'u') {
            ++t;
            changed = true;
        } else if (s == Squared || s == Cubed) {
            const char digit = s == Squared ? '2' : '3';
            if (t < typed.size() && typed[t] == '^') ++t;
            if (t >= typed.size() || typed[t] != digit) return false;
            ++t;
            changed = true;
        } else if (t < typed.size() && typed[t] == s) {
            ++t;
        } else {
            return false;
        }
    }
    return changed && t == typed.size();
}

bool MatchesAlias(const UnitAlias& alias, std::string_view text)
{
    const std::string_view a = alias.Text;
    if (a == text) return true;
    if (a.size() < 3 || a.size() != text.size()) return false;
    if (!std::all_of(a.begin(), a.end(), [](char c) { return c >= 'a' && c <= 'z'; })) return false;
    return SameTextIgnoringCase(a, text);
}

bool SafeCaseChange(std::string_view symbol, std::string_view typed)
{
    if (symbol.size() != typed.size() || symbol == typed || !SameTextIgnoringCase(symbol, typed)) return false;
    // Letters whose cases are different prefixes or units of their own, where
    // a prefix stands: first, or after a '/', '-', '*' or blank ("kg/Ms").
    constexpr std::string_view Meaningful = "mpyzcb";
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        const bool prefixPlace = i == 0 || std::string_view("/-* ").find(symbol[i - 1]) != std::string_view::npos;
        if (prefixPlace && symbol[i] != typed[i] && Meaningful.find(FoldCase(symbol[i])) != std::string_view::npos)
            return false;
    }
    return true;
}

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    // Three rows of the classic table: enough for the swap of neighbours.
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

}  // namespace qv::unit_text
