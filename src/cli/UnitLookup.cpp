// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitLookup.h"

#include "cli/CliErrors.h"

#include <algorithm>

namespace qv::cli {
namespace {

}  // namespace

std::int32_t UnitLookup::Category(std::string_view name) const
{
    const std::vector<std::int32_t> found = resolver_.FindCategories(name);
    if (found.size() == 1) return found.front();
    if (found.empty() && unavailable_ && !UnitResolver(unavailable_->StandIn).FindCategories(name).empty())
        throw ECliError(ExitData, unavailable_->Reason);
    if (found.empty()) throw ECliError(ExitUnit, FormatMessage(msg::UnknownCategory, std::string(name)));
    std::vector<std::string> names;
    for (std::int32_t c : found) names.push_back(catalogue_.CategoryAt(c).Name);
    throw ECliError(ExitUnit, FormatMessage(msg::AmbiguousCategory, std::string(name), JoinItems(names)));
}

std::string UnitLookup::Describe(std::int32_t category, std::int32_t unit) const
{
    const TUnit& u = catalogue_.CategoryAt(category).UnitAt(unit);
    return FormatMessage(msg::UnitInCategory, u.Symbol, u.Definition, catalogue_.CategoryAt(category).Name);
}

std::string UnitLookup::CategoriesOf(std::string_view text) const
{
    std::vector<std::string> names;
    for (const UnitRef& r : resolver_.Readings(text)) {
        const std::string& name = catalogue_.CategoryAt(r.Category).Name;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return JoinItems(names);
}

std::string UnitLookup::Explain(const ConversionAnswer& answer, std::string_view from, std::span<const std::string> to,
                                std::int32_t category) const
{
    using Outcome = ConversionAnswer::Outcome;
    const std::string text(answer.Text == 0 ? from : std::string_view(to[answer.Text - 1]));
    switch (answer.Result) {
    case Outcome::Unknown: {
        std::string message = category >= 0 && !resolver_.Readings(text).empty()
                                  ? FormatMessage(msg::UnitNotInCategory, text, catalogue_.CategoryAt(category).Name)
                                  : FormatMessage(msg::UnknownUnit, text);
        std::vector<std::string> close;
        for (const UnitSuggestion& s : resolver_.Suggest(text, category)) close.push_back(s.Text);
        if (!close.empty()) message += FormatMessage(msg::DidYouMean, JoinItems(close));
        return message;
    }
    case Outcome::Unrelated: {
        for (std::size_t i = 0; i < to.size(); ++i) {
            const std::string theirs = CategoriesOf(to[i]), ours = CategoriesOf(from);
            if (theirs != ours) return FormatMessage(msg::NoCommonCategory, std::string(from), ours, to[i], theirs);
        }
        return FormatMessage(msg::UnknownUnit, std::string(from));
    }
    case Outcome::Ambiguous: break;
    case Outcome::Resolved: return {};
    }
    // Several categories tie, or one text names several units of one category.
    const std::vector<ConversionUnits>& choices = answer.Choices;
    const bool oneCategory = std::all_of(choices.begin(), choices.end(), [&](const ConversionUnits& c) {
        return c.Category == choices.front().Category;
    });
    if (oneCategory) {
        // Find the text whose units differ between the choices.
        std::size_t differing = 0;
        for (std::size_t i = 0; i <= to.size(); ++i) {
            const auto unitOf = [i](const ConversionUnits& c) { return i == 0 ? c.From : c.To[i - 1]; };
            if (std::any_of(choices.begin(), choices.end(),
                            [&](const ConversionUnits& c) { return unitOf(c) != unitOf(choices.front()); })) {
                differing = i;
                break;
            }
        }
        std::vector<std::string> units;
        for (const ConversionUnits& c : choices) {
            const std::int32_t unit = differing == 0 ? c.From : c.To[differing - 1];
            const TUnit& u = catalogue_.CategoryAt(c.Category).UnitAt(unit);
            const std::string item = u.Symbol + " (" + u.Definition + ")";
            if (std::find(units.begin(), units.end(), item) == units.end()) units.push_back(item);
        }
        const std::string typed(differing == 0 ? from : std::string_view(to[differing - 1]));
        return FormatMessage(msg::AmbiguousUnit, typed, catalogue_.CategoryAt(choices.front().Category).Name,
                             JoinItems(units));
    }
    std::vector<std::string> items;
    if (to.empty()) {
        for (const ConversionUnits& c : choices) items.push_back(Describe(c.Category, c.From));
        return FormatMessage(msg::AmbiguousUnitName, std::string(from), JoinItems(items, "; "));
    }
    for (const ConversionUnits& c : choices) {
        const std::string& name = catalogue_.CategoryAt(c.Category).Name;
        if (std::find(items.begin(), items.end(), name) == items.end()) items.push_back(name);
    }
    return FormatMessage(msg::AmbiguousUnits, JoinItems(items));
}

bool UnitLookup::Unavailable(std::string_view from, std::span<const std::string> to, ResolveError* error) const
{
    if (!unavailable_) return false;
    const UnitResolver standIn(unavailable_->StandIn);
    bool asked = !standIn.Readings(from).empty();
    for (const std::string& target : to) asked = asked || !standIn.Readings(target).empty();
    if (asked) *error = {ExitData, unavailable_->Reason};
    return asked;
}

bool UnitLookup::TryResolve(std::string_view from, std::span<const std::string> to, std::int32_t category,
                            Resolution& result, ResolveError* error) const
{
    const ConversionAnswer answer = resolver_.Resolve(from, to, category);
    if (answer.Result == ConversionAnswer::Outcome::Resolved) {
        result = answer.Units;
        return true;
    }
    if (error && !Unavailable(from, to, error)) *error = {ExitUnit, Explain(answer, from, to, category)};
    return false;
}

Resolution UnitLookup::Resolve(std::string_view from, std::span<const std::string> to, std::int32_t category) const
{
    Resolution result;
    ResolveError error;
    if (!TryResolve(from, to, category, result, &error)) throw ECliError(error.Status, error.Message);
    return result;
}

}  // namespace qv::cli
