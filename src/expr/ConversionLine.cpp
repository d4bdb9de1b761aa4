// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ConversionLine.h"

#include "catalogue/MessageText.h"
#include "catalogue/UnitFilter.h"
#include "expr/Evaluator.h"
#include "expr/FormatValue.h"

#include <algorithm>
#include <optional>
#include <span>

namespace qv {
namespace {

constexpr const char* PlaceDash = " \x97 ";  // an em dash between blanks

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// Words [first, last) as the user typed them, blanks between included.
std::string_view Span(const std::vector<std::string_view>& words, std::size_t first, std::size_t last)
{
    const char* begin = words[first].data();
    const char* end = words[last - 1].data() + words[last - 1].size();
    return {begin, static_cast<std::size_t>(end - begin)};
}

bool IsSeparator(std::string_view word)
{
    const std::string folded = FoldForSearch(word);
    return folded == "to" || folded == "in";
}

// One way of cutting the line: the value, FROM, and TO when there is one.
struct Reading {
    Extended Value = 0.0L;
    std::string_view From, To;
    ConversionAnswer Units;
};

// What the line gets wrong, and what the user may pick instead.
void TellProblem(const TCategories& catalogue, const UnitResolver& resolver, const Reading& r, std::size_t maxChoices,
                 ConversionLine& line)
{
    const ConversionAnswer& a = r.Units;
    line.Result = ConversionLine::Problem;
    line.Value = r.Value;
    const auto addChoice = [&](std::int32_t category, std::int32_t unit) {
        const ConversionUnits choice{category, unit, {}};
        if (line.Choices.size() < maxChoices &&
            std::find(line.Choices.begin(), line.Choices.end(), choice) == line.Choices.end())
            line.Choices.push_back(choice);
    };
    switch (a.Result) {
    case ConversionAnswer::Outcome::Ambiguous: {
        // Name the readings of the text they differ in.
        const bool fromDiffers = std::any_of(a.Choices.begin(), a.Choices.end(), [&](const ConversionUnits& c) {
            return c.Category != a.Choices.front().Category || c.From != a.Choices.front().From;
        });
        std::vector<std::string> readings;
        for (const ConversionUnits& c : a.Choices) {
            const TCategory& category = catalogue.CategoryAt(c.Category);
            const std::int32_t unit = fromDiffers || c.To.empty() ? c.From : c.To.front();
            readings.push_back(category.UnitAt(unit).Symbol + " (" + category.Name + ")");
        }
        line.Message = FormatMessage(msg::UnitIsAmbiguous, fromDiffers ? r.From : r.To, JoinItems(readings));
        line.Choices.assign(a.Choices.begin(), a.Choices.begin() + std::min(a.Choices.size(), maxChoices));
        line.ChoicesTakeValue = true;
        return;
    }
    case ConversionAnswer::Outcome::Unknown: {
        const std::string_view text = a.Text == 0 ? r.From : r.To;
        const std::vector<UnitSuggestion> suggestions = resolver.Suggest(text);
        std::vector<std::string> spellings;
        for (const UnitSuggestion& s : suggestions) {
            spellings.push_back(s.Text);
            addChoice(s.Unit.Category, s.Unit.Unit);
        }
        line.Message = FormatMessage(msg::NoSuchUnit, text);
        if (!spellings.empty()) line.Message += FormatMessage(msg::DidYouMean, JoinItems(spellings));
        for (const UnitRef& hit : resolver.Search(text, maxChoices)) addChoice(hit.Category, hit.Unit);
        line.ChoicesTakeValue = a.Text == 0;
        return;
    }
    case ConversionAnswer::Outcome::Unrelated:
        line.Message = FormatMessage(msg::UnitsUnrelated, r.From, r.To);
        for (const UnitRef& hit : resolver.Search(r.To, maxChoices)) addChoice(hit.Category, hit.Unit);
        return;
    case ConversionAnswer::Outcome::Resolved: break;
    }
}

bool SameAnswer(const Reading& a, const Reading& b)
{
    return a.Units.Units == b.Units.Units && a.Value == b.Value;
}

Extended Converted(const TCategories& catalogue, const Reading& r)
{
    // A copy: the category's own value and entry unit are the window's state.
    TCategory c = catalogue.CategoryAt(r.Units.Units.Category);
    c.Value = r.Value;
    c.EntryIndex = r.Units.Units.From;
    return c.ConvertTo(r.Units.Units.To.front());
}

}  // namespace

ConversionLine ReadConversionLine(const TCategories& catalogue, std::string_view text, std::size_t maxChoices)
{
    ConversionLine line;
    const UnitResolver resolver(catalogue);
    const std::vector<std::string_view> words = Words(text);
    const std::size_t n = words.size();

    std::vector<Reading> found;
    std::optional<Reading> failed;  // the reading whose fault is told
    std::string valueFault;         // an arithmetic fault of the value
    for (std::size_t v = 1; v < n; ++v) {
        Reading r;
        try {
            r.Value = EvaluateExpression(std::string(Span(words, 0, v)));
        } catch (const EAssignError&) {
            continue;  // not a value: the words are part of a unit's text
        } catch (const EQuantovaError& e) {
            if (valueFault.empty()) valueFault = e.what();
            continue;
        }
        // The value, then FROM alone, or FROM, a separator and TO.
        std::vector<std::pair<std::size_t, std::size_t>> cuts{{n, n}};
        for (std::size_t s = v + 1; s + 1 < n; ++s)
            if (IsSeparator(words[s])) cuts.emplace_back(s, s + 1);
        for (const auto& [fromEnd, toStart] : cuts) {
            r.From = Span(words, v, fromEnd);
            r.To = toStart < n ? Span(words, toStart, n) : std::string_view{};
            const std::string to(r.To);
            r.Units = resolver.Resolve(r.From, r.To.empty() ? std::span<const std::string>{}
                                                            : std::span<const std::string>(&to, 1));
            if (r.Units.Result == ConversionAnswer::Outcome::Resolved) {
                found.push_back(r);
            } else if (!failed || (failed->To.empty() && !r.To.empty())) {
                // A fault with a separator tells more than one without.
                failed = r;
            }
        }
    }

    if (found.empty()) {
        if (failed) {
            TellProblem(catalogue, resolver, *failed, maxChoices, line);
        } else if (!valueFault.empty()) {
            line.Result = ConversionLine::Problem;
            line.Message = valueFault;
        }
        return line;  // else no value: a search
    }
    for (const Reading& r : found) {
        if (SameAnswer(r, found.front())) continue;
        line.Result = ConversionLine::Problem;
        line.Message = msg::ReadInTwoWays;
        line.Value = found.front().Value;
        line.ChoicesTakeValue = true;
        for (const Reading& each : found) {
            if (line.Choices.size() < maxChoices) line.Choices.push_back(each.Units.Units);
            // The value goes with a pick only when every reading has it.
            if (each.Value != line.Value) line.ChoicesTakeValue = false;
        }
        return line;
    }
    const Reading& r = found.front();
    line.FromText = std::string(r.From);
    line.ToText = std::string(r.To);
    line.Value = r.Value;
    line.Units = r.Units.Units;
    line.Result = r.To.empty() ? ConversionLine::GoTo : ConversionLine::Convert;
    if (line.Result == ConversionLine::Convert) {
        try {
            line.Converted = Converted(catalogue, r);
        } catch (const EQuantovaError& e) {
            line.Result = ConversionLine::Problem;
            line.Message = e.what();
        }
    }
    return line;
}

std::string PlaceText(const TCategories& catalogue, std::int32_t category, std::int32_t unit)
{
    const TCategory& c = catalogue.CategoryAt(category);
    const TUnit& u = c.UnitAt(unit);
    return u.Symbol + " (" + u.Definition + ")" + PlaceDash + c.Name;
}

std::string FirstLineText(const TCategories& catalogue, const ConversionLine& line, int precision, bool scientific)
{
    const auto number = [&](Extended v) { return FormatValue(v, precision, scientific); };
    if (line.Result == ConversionLine::Convert)
        return number(line.Value) + ' ' + line.FromText + " = " + number(line.Converted) + ' ' + line.ToText;
    if (line.Result == ConversionLine::GoTo)
        return number(line.Value) + ' ' + PlaceText(catalogue, line.Units.Category, line.Units.From);
    return line.Message;
}

}  // namespace qv
