// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FindAnywhere.h"

#include "app/ConversionView.h"
#include "app/MainControls.h"
#include "app/Settings.h"
#include "catalogue/Packages.h"
#include "catalogue/UnitResolver.h"
#include "expr/ConversionLine.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"
#include "widgets/FindAnywhereBox.h"
#include "widgets/UnitFilterBar.h"

#include <QApplication>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

namespace qv {
namespace {

constexpr const char* NoMatch = "No unit matches.";

// The place of a recent unit in the package now loaded, if it is there.
std::optional<std::pair<std::int32_t, std::int32_t>> Locate(const RecentPlace& recent)
{
    const std::string category = FromQ(recent.Category), unit = FromQ(recent.Unit);
    for (std::int32_t c = 0; c < Catalogue.CategoryCount(); ++c) {
        const TCategory& cat = Catalogue.CategoryAt(c);
        if (cat.Name != category) continue;
        if (const std::int32_t u = cat.FindUnit(unit); u >= 0) return std::pair{c, u};
    }
    return std::nullopt;
}

}  // namespace

TFindAnywhere::TFindAnywhere(TMainControls& controls, TConversionView& view, QWidget* window)
    : QObject(window),
      c_(controls),
      view_(view),
      box_(new FindAnywhereBox(window, TMainControls::ToolBarHeight))
{
    connect(box_, &FindAnywhereBox::edited, this, [this] { RunGuarded(c_.Form, [this] { Refill(); }); });
    connect(box_, &FindAnywhereBox::chosen, this,
            [this](int row) { RunGuarded(c_.Form, [this, row] { Chosen(row); }); });
}

void TFindAnywhere::Open()
{
    if (Catalogue.CategoryCount() == 0) return;
    const bool wasOpen = box_->isVisible();
    // Leaving a numeric field checks its entry first; one the field refuses
    // keeps the focus there, as a click elsewhere would.
    if (auto* field = qobject_cast<TDataEdit*>(QApplication::focusWidget()); field && !wasOpen)
        if (!field->ValidateOnExit()) return;
    box_->Open();
    if (!wasOpen) Refill();
}

void TFindAnywhere::Refill()
{
    QList<FindAnywhereBox::Line> lines;
    destinations_.clear();
    const auto add = [&](const QString& text, std::optional<Destination> to, const QString& hint = {}) {
        lines.append({text, hint, to.has_value(), false});
        destinations_.push_back(std::move(to));
    };
    const auto addUnit = [&](std::int32_t category, std::int32_t unit, std::optional<Extended> value) {
        add(ToQ(PlaceText(Catalogue, category, unit)), Destination{category, unit, value});
    };
    const UnitResolver resolver(Catalogue);
    const auto addFound = [&](const std::string& text, std::optional<Extended> value, const ConversionUnits& skip) {
        for (const UnitRef& hit : resolver.Search(text, MaxMatches))
            if (hit.Category != skip.Category || hit.Unit != skip.From) addUnit(hit.Category, hit.Unit, value);
    };

    const std::string text = FromQ(box_->Text());
    if (text.find_first_not_of(" \t") == std::string::npos) {
        for (const RecentPlace& recent : ReadRecentPlaces())
            if (const auto place = Locate(recent)) addUnit(place->first, place->second, std::nullopt);
        box_->SetLines(lines);
        return;
    }

    const ConversionLine line = ReadConversionLine(Catalogue, text, MaxMatches);
    const QString first = ToQ(FirstLineText(Catalogue, line, view_.Precision(), view_.UseScientific()));
    const ConversionUnits& units = line.Units;
    switch (line.Result) {
    case ConversionLine::Convert: {
        const std::int32_t to = units.To.front();
        add(first, Destination{units.Category, units.From, line.Value, to},
            ToQ(PlaceText(Catalogue, units.Category, units.From) + "\n" + PlaceText(Catalogue, units.Category, to)));
        addUnit(units.Category, units.From, line.Value);
        addUnit(units.Category, to, std::nullopt);
        break;
    }
    case ConversionLine::GoTo:
        // Other units the text finds, with the same value, in case another was meant.
        add(first, Destination{units.Category, units.From, line.Value});
        addFound(line.FromText, line.Value, units);
        break;
    case ConversionLine::Problem: {
        add(first, std::nullopt);
        const std::optional<Extended> value = line.ChoicesTakeValue ? std::optional(line.Value) : std::nullopt;
        for (const ConversionUnits& choice : line.Choices) {
            std::string choiceText = PlaceText(Catalogue, choice.Category, choice.From);
            if (!choice.To.empty())
                choiceText += " to " + Catalogue.CategoryAt(choice.Category).UnitAt(choice.To.front()).Symbol;
            add(ToQ(choiceText),
                Destination{choice.Category, choice.From, value, choice.To.empty() ? -1 : choice.To.front()});
        }
        break;
    }
    case ConversionLine::Search:
        addFound(text, std::nullopt, {});
        if (lines.isEmpty()) add(QLatin1String(NoMatch), std::nullopt);
        break;
    }
    // The answer to the line stands out. Where the line does not say what
    // was meant, the user picks a line.
    if (line.Result != ConversionLine::Search) lines.front().Strong = true;
    box_->SetLines(lines, line.Result != ConversionLine::Problem);
}

void TConversionView::GoTo(std::int32_t category, std::int32_t unit, std::optional<Extended> value,
                           std::int32_t highlight)
{
    const TCategory* now = CurrentCategory();
    TCategory& c = Catalogue.CategoryAt(category);
    c.Value = value ? *value : now ? now->Value : c.Value;
    c.EntryIndex = unit;
    if (highlight >= 0) c.SelectedIndex = highlight;
    // A filter typed for the list shown before would hide the row gone to.
    if (c_.FilterBar->isVisibleTo(c_.ConversionPane)) {
        c_.FilterBar->Clear();
        c_.FilterBar->hide();
        PlaceControls();
    }
    {
        const QSignalBlocker block(c_.LBCategories);
        c_.LBCategories->setCurrentRow(category);
    }
    LastCategoryIndex = category;
    RefreshView();
    if (c_.Grid2->currentItem()) c_.Grid2->scrollToItem(c_.Grid2->currentItem());
}

void TFindAnywhere::Chosen(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= destinations_.size() || !destinations_[row]) return;
    const Destination to = *destinations_[row];
    box_->Close();
    view_.GoTo(to.Category, to.Unit, to.Value, to.Highlight);
    const TCategory& c = Catalogue.CategoryAt(to.Category);
    RememberRecentPlace({ToQ(c.Name), ToQ(c.UnitAt(to.Unit).Symbol)});
}

}  // namespace qv
