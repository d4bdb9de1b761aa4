#include "cli/UnitLookup.h"

#include "catalogue/Cp1252.h"
#include "cli/CliErrors.h"

namespace qv::cli {
namespace {

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string Join(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

std::int32_t UnitLookup::FindCategory(std::string_view name) const
{
    for (std::int32_t c = 0; c < catalogue_.CategoryCount(); ++c)
        if (catalogue_.CategoryAt(c).Name == name) return c;
    return catalogue_.FindCategory(name);
}

UnitLookup::Match UnitLookup::MatchIn(std::string_view name, std::int32_t category) const
{
    Match match;
    const TCategory& c = catalogue_.CategoryAt(category);
    const std::string_view wanted = TrimBlanks(name);
    for (std::int32_t u = 0; u < c.UnitCount(); ++u) {
        const TUnit& unit = c.UnitAt(u);
        Level level = NoMatch;
        if (unit.Symbol == name)
            level = ExactSymbol;
        else if (SameTextIgnoringCase(unit.Symbol, name))
            level = SymbolAnyCase;
        else if (!wanted.empty() && SameTextIgnoringCase(TrimBlanks(unit.Definition), wanted))
            level = Definition;
        if (level < match.level) {
            match.level = level;
            match.units.clear();
        }
        if (level == match.level && level != NoMatch) match.units.push_back(u);
    }
    return match;
}

std::string UnitLookup::CategoriesOf(std::string_view name) const
{
    std::vector<std::string> names;
    for (std::int32_t c = 0; c < catalogue_.CategoryCount(); ++c)
        if (MatchIn(name, c).level != NoMatch) names.push_back(catalogue_.CategoryAt(c).Name);
    return Join(names);
}

bool UnitLookup::TryResolve(std::string_view from, std::span<const std::string> to, std::int32_t category,
                            Resolution& result, ResolveError& error) const
{
    const auto fail = [&error](int status, std::string message) {
        error = {status, std::move(message)};
        return false;
    };
    std::vector<std::string_view> names{from};
    names.insert(names.end(), to.begin(), to.end());

    // Each category holding every unit scores the sum of its match levels;
    // the lowest score wins, and a tie is for the user to settle.
    const std::int32_t first = category < 0 ? 0 : category;
    const std::int32_t last = category < 0 ? catalogue_.CategoryCount() : category + 1;
    int bestScore = -1;
    std::vector<std::int32_t> best;
    std::vector<Match> bestMatches;
    for (std::int32_t c = first; c < last; ++c) {
        std::vector<Match> matches;
        int score = 0;
        for (std::string_view name : names) {
            matches.push_back(MatchIn(name, c));
            if (matches.back().level == NoMatch) break;
            score += matches.back().level;
        }
        if (matches.back().level == NoMatch) continue;
        if (bestScore < 0 || score < bestScore) {
            bestScore = score;
            best.clear();
            bestMatches = std::move(matches);
        }
        if (score == bestScore) best.push_back(c);
    }

    if (best.empty()) {
        for (std::string_view name : names) {
            if (category >= 0 && MatchIn(name, category).level == NoMatch)
                return fail(ExitUnit, FormatMessage(msg::UnitNotInCategory, std::string(name), catalogue_.CategoryAt(category).Name));
            if (category < 0 && CategoriesOf(name).empty()) return fail(ExitUnit, FormatMessage(msg::UnknownUnit, std::string(name)));
        }
        for (std::string_view name : names) {
            if (name == from) continue;
            const std::string theirs = CategoriesOf(name), ours = CategoriesOf(from);
            if (theirs != ours)
                return fail(ExitUnit, FormatMessage(msg::NoCommonCategory, std::string(from), ours, std::string(name), theirs));
        }
        return fail(ExitUnit, FormatMessage(msg::UnknownUnit, std::string(from)));
    }
    if (best.size() > 1) {
        std::vector<std::string> tied;
        for (std::int32_t c : best) tied.push_back(catalogue_.CategoryAt(c).Name);
        if (names.size() == 1) return fail(ExitUnit, FormatMessage(msg::AmbiguousUnitName, std::string(from), Join(tied)));
        return fail(ExitUnit, FormatMessage(msg::AmbiguousUnits, Join(tied)));
    }

    const TCategory& chosen = catalogue_.CategoryAt(best.front());
    std::vector<std::int32_t> picked;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Match& m = bestMatches[i];
        // Equal symbols can only come from a package file; take the first as
        // the window's list would show it first.
        if (m.units.size() > 1 && m.level != ExactSymbol) {
            std::vector<std::string> symbols;
            for (std::int32_t u : m.units) symbols.push_back(chosen.UnitAt(u).Symbol);
            return fail(ExitUnit, FormatMessage(msg::AmbiguousUnit, std::string(names[i]), chosen.Name, Join(symbols)));
        }
        picked.push_back(m.units.front());
    }
    result.Category = best.front();
    result.From = picked.front();
    result.To.assign(picked.begin() + 1, picked.end());
    return true;
}

Resolution UnitLookup::Resolve(std::string_view from, std::span<const std::string> to, std::int32_t category) const
{
    Resolution result;
    ResolveError error;
    if (!TryResolve(from, to, category, result, error)) throw ECliError(error.Status, error.Message);
    return result;
}

}  // namespace qv::cli
