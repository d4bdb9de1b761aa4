// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FindAnywhere.h"

#include "app/ConversionView.h"
#include "app/MainControls.h"
#include "app/Settings.h"
#include "catalogue/Packages.h"
#include "expr/ConversionLine.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"
#include "widgets/FindAnywhereBox.h"
#include "widgets/UnitFilterBar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

namespace qv {
namespace {

constexpr const char* NoMatch = "No unit matches.";
const QKeySequence FindAnywhereKey(Qt::CTRL | Qt::Key_K);

// The place of a recent unit in the package now loaded, if it is there.
std::optional<UnitPlace> Locate(const RecentPlace& recent)
{
    const std::string category = FromQ(recent.Category), unit = FromQ(recent.Unit);
    for (std::int32_t c = 0; c < Catalogue.CategoryCount(); ++c) {
        const TCategory& cat = Catalogue.CategoryAt(c);
        if (cat.Name != category) continue;
        for (std::int32_t u = 0; u < cat.UnitCount(); ++u)
            if (cat.UnitAt(u).Symbol == unit) return UnitPlace{c, u};
    }
    return std::nullopt;
}

}  // namespace

TFindAnywhere::TFindAnywhere(TMainControls& controls, TConversionView& view, QWidget* window)
    : QObject(window), c_(controls), view_(view), box_(new FindAnywhereBox(window, TMainControls::ToolBarHeight))
{
    connect(box_, &FindAnywhereBox::edited, this, [this] { RunGuarded(c_.Form, [this] { Refill(); }); });
    connect(box_, &FindAnywhereBox::chosen, this, [this](int row) { RunGuarded(c_.Form, [this, row] { Chosen(row); }); });
    // The line edits of the window keep Ctrl+K (delete to the end of the
    // line) for themselves unless told otherwise.
    for (QLineEdit* edit : {static_cast<QLineEdit*>(c_.EntryValue), static_cast<QLineEdit*>(c_.EntryPrecision),
                            c_.FilterBar->Edit(), box_->Edit()})
        edit->installEventFilter(this);
}

bool TFindAnywhere::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == FindAnywhereKey) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TFindAnywhere::Open()
{
    if (Catalogue.CategoryCount() == 0) return;
    const bool wasOpen = box_->isVisible();
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
    const auto addPlace = [&](const UnitPlace& place, std::optional<Extended> value) {
        add(ToQ(PlaceText(Catalogue, place)), Destination{place, value});
    };
    const auto addFound = [&](const std::string& text, std::optional<Extended> value, const UnitPlace& skip) {
        for (const UnitMatch& m : FindUnits(Catalogue, text, MaxMatches))
            if (!(m.Place == skip)) addPlace(m.Place, value);
    };

    const std::string text = FromQ(box_->Text());
    if (text.find_first_not_of(" \t") == std::string::npos) {
        for (const RecentPlace& recent : ReadRecentPlaces())
            if (const std::optional<UnitPlace> place = Locate(recent)) addPlace(*place, std::nullopt);
        box_->SetLines(lines);
        return;
    }

    const ConversionLine line = ReadConversionLine(Catalogue, text);
    const QString first =
        ToQ(FirstLineText(Catalogue, line, view_.Precision(), view_.UseScientific()));
    switch (line.Result) {
    case ConversionLine::Convert: {
        const UnitPlace to{line.From.Category, line.To};
        add(first, Destination{line.From, line.Value, line.To},
            ToQ(PlaceText(Catalogue, line.From) + "\n" + PlaceText(Catalogue, to)));
        addPlace(line.From, line.Value);
        addPlace(to, std::nullopt);
        break;
    }
    case ConversionLine::GoTo:
        // Other units the text finds, with the same value, in case another was meant.
        add(first, Destination{line.From, line.Value});
        addFound(line.FromText, line.Value, line.From);
        break;
    case ConversionLine::Problem: {
        add(first, std::nullopt);
        const std::optional<Extended> value =
            line.SearchIsFrom ? std::optional<Extended>(line.Value) : std::nullopt;
        for (const UnitPlace& place : line.Candidates) addPlace(place, value);
        if (line.Candidates.empty() && !line.SearchText.empty()) addFound(line.SearchText, value, {});
        break;
    }
    case ConversionLine::Search:
        addFound(text, std::nullopt, {});
        if (lines.isEmpty()) add(QLatin1String(NoMatch), std::nullopt);
        break;
    }
    // Where the line does not say what was meant, the user picks a line.
    // The answer to the line stands out.
    if (line.Result != ConversionLine::Search) lines.front().Strong = true;
    box_->SetLines(lines, line.Result != ConversionLine::Problem);
}

void TConversionView::GoTo(const UnitPlace& place, std::optional<Extended> value, std::int32_t highlight)
{
    const TCategory* now = CurrentCategory();
    TCategory& c = Catalogue.CategoryAt(place.Category);
    c.Value = value ? *value : now ? now->Value : c.Value;
    c.EntryIndex = place.Unit;
    if (highlight >= 0) c.SelectedIndex = highlight;
    // A filter typed for the list shown before would hide the row gone to.
    if (c_.FilterBar->isVisibleTo(c_.ConversionPane)) {
        c_.FilterBar->Clear();
        c_.FilterBar->hide();
        PlaceControls();
    }
    {
        const QSignalBlocker block(c_.LBCategories);
        c_.LBCategories->setCurrentRow(place.Category);
    }
    LastCategoryIndex = place.Category;
    RefreshView();
    if (c_.Grid2->currentItem()) c_.Grid2->scrollToItem(c_.Grid2->currentItem());
}

void TFindAnywhere::Chosen(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= destinations_.size() || !destinations_[row]) return;
    const Destination to = *destinations_[row];
    box_->Close();
    view_.GoTo(to.Place, to.Value, to.Highlight);
    const TCategory& c = Catalogue.CategoryAt(to.Place.Category);
    RememberRecentPlace({ToQ(c.Name), ToQ(c.UnitAt(to.Place.Unit).Symbol)});
}

}  // namespace qv
