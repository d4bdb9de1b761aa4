// SPDX-License-Identifier: GPL-3.0-or-later
// Search and suggestions of the unit resolver: the partly typed texts of
// Find Anywhere, and the "did you mean" of an unknown unit.
#include "catalogue/UnitResolver.h"

#include "catalogue/UnitAliases.h"
#include "catalogue/UnitFilter.h"
#include "catalogue/UnitText.h"

#include <algorithm>

namespace qv {

using namespace unit_text;

namespace {

struct Hit {
    UnitRef ref;
    std::size_t length = 0;  // of the symbol, for SymbolPrefix: shorter first
};

void Keep(std::vector<Hit>& hits, const UnitRef& ref, std::size_t length)
{
    for (Hit& h : hits)
        if (h.ref.Category == ref.Category && h.ref.Unit == ref.Unit) {
            if (ref.How < h.ref.How) h = {ref, length};
            return;
        }
    hits.push_back({ref, length});
}

}  // namespace

std::vector<UnitRef> UnitResolver::Search(std::string_view rawText, std::size_t limit) const
{
    const std::string_view text = TrimBlanks(rawText);
    if (text.empty()) return {};
    const std::string key = FoldForSearch(text);
    const std::string singular = Singular(key);

    std::vector<Hit> hits;
    for (std::int32_t c = 0; c < catalogue_.CategoryCount(); ++c) {
        const TCategory& cat = catalogue_.CategoryAt(c);
        for (std::int32_t u = 0; u < cat.UnitCount(); ++u) {
            const TUnit& unit = cat.UnitAt(u);
            const std::string symbol = FoldForSearch(unit.Symbol);
            const std::string definition = FoldForSearch(unit.Definition);
            UnitMatch how;
            if (unit.Symbol == text)
                how = UnitMatch::Symbol;
            else if (TypedPlainly(unit.Symbol, text))
                how = UnitMatch::Alias;
            else if (symbol.starts_with(key))
                how = UnitMatch::SymbolPrefix;
            else if (Singular(definition) == singular || Singular(std::string(DefinitionHead(definition))) == singular)
                how = UnitMatch::Definition;
            else if (HasWord(definition, singular))
                how = UnitMatch::DefinitionWord;
            else if (symbol.find(key) != std::string::npos || definition.find(key) != std::string::npos)
                how = UnitMatch::Contains;
            else
                continue;
            Keep(hits, {c, u, how}, symbol.size());
        }
    }
    for (const UnitAlias& alias : BuiltInAliases()) {
        const bool exact = MatchesAlias(alias, text);
        if (!exact && !FoldForSearch(alias.Text).starts_with(key)) continue;
        for (std::int32_t c = 0; c < catalogue_.CategoryCount(); ++c)
            if (const std::int32_t u = AliasUnit(catalogue_.CategoryAt(c), alias); u >= 0)
                Keep(hits, {c, u, exact ? UnitMatch::Alias : UnitMatch::SymbolPrefix},
                     std::string_view(alias.Text).size());
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        if (a.ref.How != b.ref.How) return a.ref.How < b.ref.How;
        if (a.ref.How == UnitMatch::SymbolPrefix && a.length != b.length) return a.length < b.length;
        return a.ref.Category != b.ref.Category ? a.ref.Category < b.ref.Category : a.ref.Unit < b.ref.Unit;
    });
    std::vector<UnitRef> found;
    for (std::size_t i = 0; i < hits.size() && i < limit; ++i) found.push_back(hits[i].ref);
    return found;
}

std::vector<UnitSuggestion> UnitResolver::Suggest(std::string_view rawText, std::int32_t category,
                                                  std::size_t count) const
{
    const std::string key = FoldForSearch(TrimBlanks(rawText));
    if (key.empty() || category >= catalogue_.CategoryCount()) return {};
    // Farther than this is another word, not a slip of the finger.
    const std::size_t allowed = key.size() <= 2 ? 1 : key.size() <= 5 ? 2 : 3;
    struct Scored {
        std::size_t distance;
        std::size_t exactDistance;  // the same, minding letter case
        int source;                 // symbols before aliases before definitions
        UnitSuggestion suggestion;
    };
    std::vector<Scored> scored;
    const auto consider = [&](std::string_view candidate, int source, const UnitRef& ref) {
        const std::string other = FoldForSearch(candidate);
        if (other.empty() || (other == key && candidate == TrimBlanks(rawText))) return;
        // The distance is at least the difference in length: most candidates end here.
        if (other.size() > key.size() + allowed || key.size() > other.size() + allowed) return;
        const std::size_t d = EditDistance(key, other);
        if (d <= allowed && d < std::max(key.size(), other.size()))
            scored.push_back({d, EditDistance(TrimBlanks(rawText), candidate), source, {std::string(candidate), ref}});
    };
    const std::int32_t first = category < 0 ? 0 : category;
    const std::int32_t last = category < 0 ? catalogue_.CategoryCount() : category + 1;
    for (std::int32_t c = first; c < last; ++c) {
        const TCategory& cat = catalogue_.CategoryAt(c);
        for (std::int32_t u = 0; u < cat.UnitCount(); ++u) {
            const TUnit& unit = cat.UnitAt(u);
            consider(unit.Symbol, 0, {c, u, UnitMatch::Symbol});
            consider(DefinitionHead(unit.Definition), 2, {c, u, UnitMatch::Definition});
        }
    }
    for (const UnitAlias& alias : BuiltInAliases())
        for (std::int32_t c = first; c < last; ++c)
            if (const std::int32_t u = AliasUnit(catalogue_.CategoryAt(c), alias); u >= 0)
                consider(alias.Text, 1, {c, u, UnitMatch::Alias});
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        if (a.distance != b.distance) return a.distance < b.distance;
        return a.exactDistance != b.exactDistance ? a.exactDistance < b.exactDistance : a.source < b.source;
    });
    std::vector<UnitSuggestion> suggestions;
    for (Scored& s : scored) {
        if (suggestions.size() >= count) break;
        // One spelling once, whatever its letter case.
        const std::string spelling = FoldForSearch(s.suggestion.Text);
        const bool seen = std::any_of(suggestions.begin(), suggestions.end(),
                                      [&](const UnitSuggestion& k) { return FoldForSearch(k.Text) == spelling; });
        if (!seen) suggestions.push_back(std::move(s.suggestion));
    }
    return suggestions;
}

}  // namespace qv
