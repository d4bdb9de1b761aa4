// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/UnitResolver.h"

#include "catalogue/Cp1252.h"
#include "catalogue/UnitAliases.h"
#include "catalogue/UnitFilter.h"
#include "catalogue/UnitText.h"

#include <algorithm>

namespace qv {

using namespace unit_text;

namespace {

constexpr std::size_t MaxChoices = 16;

// Whether the definition, or its head, is `wanted` (folded, singular).
bool DefinitionNames(std::string_view definition, std::string_view wanted)
{
    definition = TrimBlanks(definition);
    if (definition.empty() || wanted.empty() || FoldForSearch(definition.front()) != wanted.front()) return false;
    if (Singular(FoldForSearch(definition)) == wanted) return true;
    const std::string_view head = DefinitionHead(definition);
    return head.size() != definition.size() && Singular(FoldForSearch(head)) == wanted;
}

void Note(std::vector<UnitRef>& found, std::int32_t category, std::int32_t unit, UnitMatch how)
{
    for (UnitRef& r : found)
        if (r.Category == category && r.Unit == unit) {
            r.How = std::min(r.How, how);
            return;
        }
    found.push_back({category, unit, how});
}

}  // namespace

ReadingFilter::ReadingFilter(std::string_view text) : text_(TrimBlanks(text)), wanted_(Singular(FoldForSearch(text_)))
{
    for (const UnitAlias& alias : BuiltInAliases())
        if (MatchesAlias(alias, text_)) aliases_.push_back(&alias);
}

bool ReadingFilter::MayName(std::string_view category, std::string_view symbol, std::string_view definition) const
{
    if (text_.empty()) return false;
    if (symbol == text_ || TypedPlainly(symbol, text_) || DefinitionNames(definition, wanted_) ||
        SameTextIgnoringCase(symbol, text_))
        return true;
    for (const UnitAlias* alias : aliases_)
        if (category == alias->Category && symbol == alias->Symbol) return true;
    return false;
}

std::vector<UnitRef> UnitResolver::Readings(std::string_view rawText, std::int32_t category) const
{
    std::vector<UnitRef> found;
    const std::string_view text = TrimBlanks(rawText);
    if (text.empty() || category >= catalogue_.CategoryCount()) return found;
    const std::int32_t first = category < 0 ? 0 : category;
    const std::int32_t last = category < 0 ? catalogue_.CategoryCount() : category + 1;
    const std::string wanted = Singular(FoldForSearch(text));

    for (std::int32_t c = first; c < last; ++c) {
        const TCategory& cat = catalogue_.CategoryAt(c);
        for (std::int32_t u = 0; u < cat.UnitCount(); ++u) {
            const TUnit& unit = cat.UnitAt(u);
            if (unit.Symbol == text)
                Note(found, c, u, UnitMatch::Symbol);
            else if (TypedPlainly(unit.Symbol, text))
                Note(found, c, u, UnitMatch::Alias);
            else if (DefinitionNames(unit.Definition, wanted))
                Note(found, c, u, UnitMatch::Definition);
        }
    }
    for (const UnitAlias& alias : BuiltInAliases()) {
        if (!MatchesAlias(alias, text)) continue;
        for (std::int32_t c = first; c < last; ++c)
            if (const std::int32_t u = AliasUnit(catalogue_.CategoryAt(c), alias); u >= 0)
                Note(found, c, u, UnitMatch::Alias);
    }
    if (found.empty()) {
        // Another letter case counts only as the one reading in the whole catalogue.
        std::vector<UnitRef> changed;
        for (std::int32_t c = 0; c < catalogue_.CategoryCount() && changed.size() < 2; ++c) {
            const TCategory& cat = catalogue_.CategoryAt(c);
            for (std::int32_t u = 0; u < cat.UnitCount(); ++u)
                if (SameTextIgnoringCase(cat.UnitAt(u).Symbol, text))
                    changed.push_back({c, u, UnitMatch::SymbolIgnoringCase});
        }
        if (changed.size() == 1 &&
            SafeCaseChange(catalogue_.CategoryAt(changed[0].Category).UnitAt(changed[0].Unit).Symbol, text) &&
            changed[0].Category >= first && changed[0].Category < last)
            found = changed;
    }
    std::sort(found.begin(), found.end(), [](const UnitRef& a, const UnitRef& b) {
        return a.Category != b.Category ? a.Category < b.Category : a.Unit < b.Unit;
    });
    return found;
}

ConversionAnswer UnitResolver::Resolve(std::string_view from, std::span<const std::string> to,
                                       std::int32_t category) const
{
    ConversionAnswer answer;
    std::vector<std::vector<UnitRef>> readings;
    readings.push_back(Readings(from, category));
    for (const std::string& target : to) readings.push_back(Readings(target, category));
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (readings[i].empty()) {
            answer.Result = ConversionAnswer::Outcome::Unknown;
            answer.Text = i;
            return answer;
        }

    // The best reading of each text in each category that has one for all;
    // the score of a category is the sum of their ranks.
    struct Candidate {
        std::int32_t category;
        int score;
        std::vector<UnitMatch> best;
    };
    std::vector<Candidate> candidates;
    for (const UnitRef& r : readings[0]) {
        if (!candidates.empty() && candidates.back().category == r.Category) continue;
        Candidate candidate{r.Category, 0, {}};
        for (const std::vector<UnitRef>& text : readings) {
            UnitMatch best = UnitMatch::SymbolIgnoringCase;
            bool any = false;
            for (const UnitRef& t : text)
                if (t.Category == r.Category) {
                    best = any ? std::min(best, t.How) : t.How;
                    any = true;
                }
            if (!any) break;
            candidate.best.push_back(best);
            candidate.score += static_cast<int>(best);
        }
        if (candidate.best.size() == readings.size()) candidates.push_back(std::move(candidate));
    }
    if (candidates.empty()) {
        answer.Result = ConversionAnswer::Outcome::Unrelated;
        return answer;
    }
    // FROM alone never chooses between categories; with targets the most
    // trusted readings do.
    if (readings.size() > 1) {
        int best = candidates.front().score;
        for (const Candidate& c : candidates) best = std::min(best, c.score);
        std::erase_if(candidates, [best](const Candidate& c) { return c.score != best; });
    }

    for (const Candidate& c : candidates) {
        std::vector<ConversionUnits> partial{{c.category, -1, {}}};
        for (std::size_t i = 0; i < readings.size(); ++i) {
            std::vector<std::int32_t> units;
            for (const UnitRef& t : readings[i])
                if (t.Category == c.category && t.How == c.best[i]) units.push_back(t.Unit);
            // Equal symbols come only from a package file; the first is the one the window lists first.
            if (c.best[i] == UnitMatch::Symbol) units.resize(1);
            std::vector<ConversionUnits> grown;
            for (const ConversionUnits& p : partial)
                for (std::int32_t u : units) {
                    if (grown.size() >= MaxChoices) break;
                    ConversionUnits next = p;
                    (i == 0 ? next.From : next.To.emplace_back()) = u;
                    grown.push_back(std::move(next));
                }
            partial = std::move(grown);
        }
        for (ConversionUnits& p : partial)
            if (answer.Choices.size() < MaxChoices) answer.Choices.push_back(std::move(p));
    }
    if (answer.Choices.size() == 1) {
        answer.Result = ConversionAnswer::Outcome::Resolved;
        answer.Units = std::move(answer.Choices.front());
        answer.Choices.clear();
    } else {
        answer.Result = ConversionAnswer::Outcome::Ambiguous;
    }
    return answer;
}

std::vector<std::int32_t> UnitResolver::FindCategories(std::string_view rawText) const
{
    const std::string_view text = TrimBlanks(rawText);
    std::vector<std::int32_t> exact, anyCase, prefix, word;
    if (text.empty()) return exact;
    const std::string key = FoldForSearch(text);
    const std::string singular = Singular(key);
    for (std::int32_t c = 0; c < catalogue_.CategoryCount(); ++c) {
        const std::string& name = catalogue_.CategoryAt(c).Name;
        if (name == text) exact.push_back(c);
        if (SameTextIgnoringCase(name, text)) anyCase.push_back(c);
        const std::string folded = FoldForSearch(name);
        if (folded.starts_with(key)) prefix.push_back(c);
        // Words of the name: "Velocity (Speed)" is velocity and speed.
        if (HasWord(folded, singular)) word.push_back(c);
    }
    for (const auto* found : {&exact, &anyCase, &prefix, &word})
        if (found->size() == 1) return *found;
    std::vector<std::int32_t> all = prefix;
    for (std::int32_t c : word)
        if (std::find(all.begin(), all.end(), c) == all.end()) all.push_back(c);
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace qv
