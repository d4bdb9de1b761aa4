// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ConversionLine.h"

#include "catalogue/UnitFilter.h"
#include "expr/Evaluator.h"
#include "expr/FormatValue.h"

#include <optional>

namespace qv {
namespace {

constexpr const char* PlaceDash = " \x97 ";  // an em dash between blanks

std::string Replace(std::string text, std::string_view mark, const std::string& with)
{
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), with);
    return text;
}

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
    UnitResolution Units;
};

bool SameAnswer(const Reading& a, const Reading& b)
{
    return a.Units.From == b.Units.From && a.Units.To == b.Units.To && a.Value == b.Value;
}

std::string Quoted(const std::string& pattern, std::string_view a, std::string_view b = {})
{
    return Replace(Replace(pattern, "%1", std::string(a)), "%2", std::string(b));
}

std::string ProblemText(const TCategories& catalogue, const Reading& r)
{
    const UnitResolution& u = r.Units;
    switch (u.Result) {
    case UnitResolution::Unknown: {
        std::string text = Quoted(msg::NoSuchUnit, u.Text);
        if (u.Suggestions.empty()) return text;
        std::string list;
        for (const std::string& s : u.Suggestions) list += (list.empty() ? "" : ", ") + s;
        return text + Quoted(msg::DidYouMean, list);
    }
    case UnitResolution::Ambiguous: {
        std::string list;
        for (const UnitPlace& p : u.Candidates) {
            const TCategory& c = catalogue.CategoryAt(p.Category);
            list += (list.empty() ? "" : ", ") + c.UnitAt(p.Unit).Symbol + " (" + c.Name + ")";
        }
        return Quoted(msg::UnitIsAmbiguous, u.Text, list);
    }
    case UnitResolution::Unrelated:
        return Quoted(msg::UnitsUnrelated, r.From, r.To);
    case UnitResolution::Found:
        break;
    }
    return {};
}

Extended Converted(const TCategories& catalogue, const Reading& r)
{
    // A copy: the category's own value and entry unit are the window's state.
    TCategory c = catalogue.CategoryAt(r.Units.From.Category);
    c.Value = r.Value;
    c.EntryIndex = r.Units.From.Unit;
    return c.ConvertTo(r.Units.To);
}

}  // namespace

ConversionLine ReadConversionLine(const TCategories& catalogue, std::string_view text)
{
    ConversionLine line;
    line.SearchText = std::string(text);
    const std::vector<std::string_view> words = Words(text);
    const std::size_t n = words.size();

    std::vector<Reading> found;
    std::optional<Reading> failed;  // the reading whose fault is told
    std::string valueFault;          // an arithmetic fault of the value
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
            r.Units = ResolveUnits(catalogue, r.From, r.To);
            if (r.Units.Result == UnitResolution::Found) {
                found.push_back(r);
            } else if (!failed || (failed->To.empty() && !r.To.empty())) {
                // A fault with a separator tells more than one without.
                failed = r;
            }
        }
    }

    if (found.empty()) {
        if (!failed && valueFault.empty()) return line;  // no value: a search
        line.Result = ConversionLine::Problem;
        if (!failed) {
            line.Message = valueFault;
            line.SearchIsFrom = false;
            return line;
        }
        line.Message = ProblemText(catalogue, *failed);
        line.Value = failed->Value;
        line.Candidates = failed->Units.Candidates;
        line.SearchIsFrom = failed->Units.Result != UnitResolution::Unrelated && failed->Units.Text == failed->From;
        line.SearchText = std::string(line.SearchIsFrom ? failed->From : failed->To);
        return line;
    }
    for (const Reading& r : found) {
        if (!SameAnswer(r, found.front())) {
            line.Result = ConversionLine::Problem;
            line.Message = msg::ReadInTwoWays;
            line.Value = found.front().Value;
            line.SearchIsFrom = true;
            for (const Reading& each : found) {
                line.Candidates.push_back(each.Units.From);
                // The value goes with a unit picked only when every reading has it.
                if (each.Value != line.Value) line.SearchIsFrom = false;
            }
            return line;
        }
    }
    const Reading& r = found.front();
    line.FromText = std::string(r.From);
    line.ToText = std::string(r.To);
    line.Value = r.Value;
    line.From = r.Units.From;
    line.To = r.Units.To;
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

std::string PlaceText(const TCategories& catalogue, const UnitPlace& place)
{
    const TCategory& c = catalogue.CategoryAt(place.Category);
    const TUnit& u = c.UnitAt(place.Unit);
    return u.Symbol + " (" + u.Definition + ")" + PlaceDash + c.Name;
}

std::string FirstLineText(const TCategories& catalogue, const ConversionLine& line, int precision, bool scientific)
{
    const auto number = [&](Extended v) { return FormatValue(v, precision, scientific); };
    if (line.Result == ConversionLine::Convert)
        return number(line.Value) + ' ' + line.FromText + " = " + number(line.Converted) + ' ' + line.ToText;
    if (line.Result == ConversionLine::GoTo) return number(line.Value) + ' ' + PlaceText(catalogue, line.From);
    return line.Message;
}

}  // namespace qv
