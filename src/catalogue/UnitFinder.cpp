// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitFinder.h"

#include "catalogue/UnitFilter.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::size_t MaxSuggestions = 5;

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The filter bar's folding, and µ, ², ³ as the u, 2, 3 people type.
std::string Folded(std::string_view text)
{
    std::string folded = FoldForSearch(text);
    for (char& c : folded) {
        switch (static_cast<unsigned char>(c)) {
        case 0xB5: c = 'u'; break;
        case 0xB2: c = '2'; break;
        case 0xB3: c = '3'; break;
        default: break;
        }
    }
    return folded;
}

bool IsWordByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b >= 0xC0;
}

bool WordEndsAt(std::string_view text, std::size_t at)
{
    return at >= text.size() || !IsWordByte(text[at]);
}

// Whether a word's plural adds "es": "inches", "boxes".
bool TakesEs(std::string_view word)
{
    return word.ends_with("ch") || word.ends_with("sh") || word.ends_with('s') || word.ends_with('x') ||
           word.ends_with('z');
}

// Whether `needle` stands in `text` as whole words, the last one perhaps
// with a plural "s" or "es": "knot" in "knots", "mile" in "miles, statute".
bool HoldsWords(std::string_view text, std::string_view needle)
{
    for (std::size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1)) {
        if (at > 0 && IsWordByte(text[at - 1])) continue;
        const std::size_t end = at + needle.size();
        if (WordEndsAt(text, end)) return true;
        if (text.substr(end, 1) == "s" && WordEndsAt(text, end + 1)) return true;
        if (TakesEs(needle) && text.substr(end, 2) == "es" && WordEndsAt(text, end + 2)) return true;
    }
    return false;
}

// A whole-text reading of a definition: all of it, or one of its
// comma-separated parts, singular or plural ("miles, statute" reads "mile").
bool NamesDefinition(std::string_view definition, std::string_view folded)
{
    std::size_t start = 0;
    while (start <= definition.size()) {
        std::size_t comma = definition.find(',', start);
        if (comma == std::string_view::npos) comma = definition.size();
        const std::string_view part = Trimmed(definition.substr(start, comma - start));
        if (part == folded || (part.starts_with(folded) && (part.substr(folded.size()) == "s" ||
                                                            (TakesEs(folded) && part.substr(folded.size()) == "es"))))
            return true;
        start = comma + 1;
    }
    return false;
}

// The best readings of a whole unit text in one category: every unit read at
// the most trusted kind found there.
struct Readings {
    MatchKind Kind = MatchKind::Contains;
    std::vector<std::int32_t> Units;
};

Readings ReadIn(const TCategory& c, std::string_view text, std::string_view folded)
{
    Readings best;
    for (std::int32_t u = 0; u < c.UnitCount(); ++u) {
        const TUnit& unit = c.UnitAt(u);
        MatchKind kind = MatchKind::Contains;
        if (unit.Symbol == text)
            kind = MatchKind::Symbol;
        else if (Folded(unit.Symbol) == folded)
            kind = MatchKind::SymbolFolded;
        else if (NamesDefinition(Folded(unit.Definition), folded))
            kind = MatchKind::DefinitionWord;
        else
            continue;
        if (best.Units.empty() || kind < best.Kind) {
            best.Kind = kind;
            best.Units.clear();
        }
        if (kind == best.Kind) best.Units.push_back(u);
    }
    return best;
}

bool HasReading(const TCategories& catalogue, std::string_view text)
{
    const std::string folded = Folded(text);
    for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c)
        if (!ReadIn(catalogue.CategoryAt(c), text, folded).Units.empty()) return true;
    return false;
}

std::vector<std::string> SuggestionsFor(const TCategories& catalogue, std::string_view text)
{
    std::vector<std::string> symbols;
    for (const UnitMatch& m : FindUnits(catalogue, text, 64)) {
        const std::string& symbol = catalogue.CategoryAt(m.Place.Category).UnitAt(m.Place.Unit).Symbol;
        if (std::find(symbols.begin(), symbols.end(), symbol) == symbols.end()) symbols.push_back(symbol);
        if (symbols.size() == MaxSuggestions) break;
    }
    return symbols;
}

}  // namespace

std::vector<UnitMatch> FindUnits(const TCategories& catalogue, std::string_view text, std::size_t limit)
{
    std::vector<UnitMatch> found;
    const std::string_view exact = Trimmed(text);
    const std::string folded = Folded(exact);
    if (folded.empty()) return found;
    for (std::int32_t c = 0; c < catalogue.CategoryCount(); ++c) {
        const TCategory& category = catalogue.CategoryAt(c);
        for (std::int32_t u = 0; u < category.UnitCount(); ++u) {
            const TUnit& unit = category.UnitAt(u);
            const std::string symbol = Folded(unit.Symbol);
            const std::string definition = Folded(unit.Definition);
            MatchKind kind;
            if (unit.Symbol == exact)
                kind = MatchKind::Symbol;
            else if (symbol == folded)
                kind = MatchKind::SymbolFolded;
            else if (symbol.starts_with(folded))
                kind = MatchKind::SymbolStart;
            else if (HoldsWords(definition, folded))
                kind = MatchKind::DefinitionWord;
            else if (symbol.find(folded) != std::string::npos || definition.find(folded) != std::string::npos)
                kind = MatchKind::Contains;
            else
                continue;
            found.push_back({{c, u}, kind});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const UnitMatch& a, const UnitMatch& b) { return a.Kind < b.Kind; });
    if (found.size() > limit) found.resize(limit);
    return found;
}

UnitResolution ResolveUnits(const TCategories& catalogue, std::string_view fromText, std::string_view toText)
{
    const std::string_view from = Trimmed(fromText), to = Trimmed(toText);
    const std::string foldedFrom = Folded(from), foldedTo = Folded(to);
    UnitResolution result;

    // Every category in which both texts have readings scores the trust of
    // its readings; the best score wins.
    int bestScore = -1;
    std::vector<std::int32_t> tied;
    Readings fromBest, toBest;
    for (std::int32_t c = 0; c < catalogue.CategoryCount() && !foldedFrom.empty(); ++c) {
        const TCategory& category = catalogue.CategoryAt(c);
        Readings f = ReadIn(category, from, foldedFrom);
        if (f.Units.empty()) continue;
        Readings t;
        if (!to.empty()) {
            t = ReadIn(category, to, foldedTo);
            if (t.Units.empty()) continue;
        }
        const int score = static_cast<int>(f.Kind) + (to.empty() ? 0 : static_cast<int>(t.Kind));
        if (bestScore < 0 || score < bestScore) {
            bestScore = score;
            tied.clear();
            fromBest = std::move(f);
            toBest = std::move(t);
        }
        if (score == bestScore) tied.push_back(c);
    }

    if (tied.empty()) {
        result.Result = UnitResolution::Unknown;
        result.Text = std::string(!HasReading(catalogue, from) || to.empty() ? from : to);
        if (!to.empty() && HasReading(catalogue, from) && HasReading(catalogue, to)) {
            // Both are units, of no common category.
            result.Result = UnitResolution::Unrelated;
            result.Text = std::string(from);
            return result;
        }
        result.Suggestions = SuggestionsFor(catalogue, result.Text);
        return result;
    }
    if (tied.size() > 1) {
        result.Result = UnitResolution::Ambiguous;
        result.Text = std::string(from);
        for (std::int32_t c : tied)
            for (std::int32_t u : ReadIn(catalogue.CategoryAt(c), from, foldedFrom).Units)
                result.Candidates.push_back({c, u});
        return result;
    }
    const std::int32_t c = tied.front();
    // Equal symbols can only come from a package file; the first is the one
    // the list shows first. Units read alike otherwise are for the user to pick.
    for (const auto& [text, readings] : {std::pair{from, &fromBest}, std::pair{to, &toBest}}) {
        if (readings->Units.size() > 1 && readings->Kind != MatchKind::Symbol) {
            result.Result = UnitResolution::Ambiguous;
            result.Text = std::string(text);
            for (std::int32_t u : readings->Units) result.Candidates.push_back({c, u});
            return result;
        }
    }
    result.Result = UnitResolution::Found;
    result.From = {c, fromBest.Units.front()};
    if (!to.empty()) result.To = toBest.Units.front();
    return result;
}

}  // namespace qv
