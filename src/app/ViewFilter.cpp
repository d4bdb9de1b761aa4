// SPDX-License-Identifier: GPL-3.0-or-later
// The filter over the list of units: typing part of a unit's symbol or
// definition in the bar above Grid2 lists only the units that hold it.
#include "app/ConversionView.h"

#include "app/MainControls.h"
#include "catalogue/Packages.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/UnitFilterBar.h"

#include <QListWidget>
#include <QTableWidget>

namespace qv {
namespace {

// What a filter text belongs to: another package or category drops it.
std::string FilterOwner(std::int32_t categoryIndex)
{
    if (categoryIndex < 0) return {};
    return Catalogue.Caption + '\n' + std::to_string(categoryIndex) + '\n' + Catalogue.CategoryAt(categoryIndex).Name;
}

// The filter text in the units' own characters; none when a character
// cannot be one of them, so that it matches nothing. The Greek mu of a
// keyboard layout stands for the micro sign the units use.
std::optional<std::string> FilterBytes(QString text)
{
    text.replace(QChar(0x03BC), QChar(0x00B5));
    std::string bytes = FromQ(text);
    if (ToQ(bytes) != text) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<UnitFilter> TConversionView::CurrentFilter()
{
    const QString text = c_.FilterBar->Text();
    if (text.isEmpty()) return UnitFilter();
    if (filterFor_ != FilterOwner(CurrentCategoryIndex())) {
        c_.FilterBar->Clear();
        return UnitFilter();
    }
    const std::optional<std::string> bytes = FilterBytes(text);
    if (!bytes) return std::nullopt;
    return UnitFilter(*bytes);
}

void TConversionView::PlaceControls()
{
    c_.Layout(c_.Form->width(), c_.Form->height());
}

void TConversionView::OpenFilter()
{
    if (CurrentCategoryIndex() < 0) return;
    const bool wasOpen = c_.FilterBar->isVisibleTo(c_.ConversionPane);
    c_.FilterBar->Open();
    if (wasOpen) return;
    PlaceControls();
    if (c_.Grid2->currentItem()) c_.Grid2->scrollToItem(c_.Grid2->currentItem());
}

void TConversionView::FilterEdited()
{
    RunGuarded(c_.Form, [this] {
        filterFor_ = FilterOwner(CurrentCategoryIndex());
        RefreshView();
        if (c_.Grid2->currentItem()) c_.Grid2->scrollToItem(c_.Grid2->currentItem());
    });
}

void TConversionView::FilterDown()
{
    if (c_.Grid2->rowCount() == 0) return;
    if (c_.Grid2->currentRow() < 0) c_.Grid2->setCurrentCell(0, 0);
    c_.Grid2->setFocus(Qt::OtherFocusReason);
}

void TConversionView::FilterEnter()
{
    RunGuarded(c_.Form, [this] {
        TCategory* c = CurrentCategory();
        if (!c || grid2Units_.empty()) return;
        // The unit whose symbol was typed ("mil"), else the first listed.
        const std::optional<std::string> typed = FilterBytes(c_.FilterBar->Text());
        const std::int32_t named = typed ? SymbolTyped(*c, grid2Units_, *typed) : -1;
        c->SelectedIndex = named >= 0 ? named : grid2Units_.front();
        RefreshView();
        if (named < 0 || !c_.Grid2->currentItem())
            c_.Grid2->scrollToTop();
        else
            c_.Grid2->scrollToItem(c_.Grid2->currentItem());
    });
}

void TConversionView::CloseFilter()
{
    RunGuarded(c_.Form, [this] {
        c_.FilterBar->Clear();
        c_.FilterBar->hide();
        PlaceControls();
        c_.Grid2->setFocus(Qt::OtherFocusReason);
        RefreshView();
        if (c_.Grid2->currentItem()) c_.Grid2->scrollToItem(c_.Grid2->currentItem());
    });
}

std::vector<TableRow> TConversionView::ListedRows() const
{
    std::vector<TableRow> rows;
    const TCategory* c = CurrentCategory();
    if (!c) return rows;
    rows.reserve(grid2Units_.size());
    for (std::int32_t unit : grid2Units_) {
        const TUnit& u = c->UnitAt(unit);
        rows.push_back({u.Symbol, u.Definition, FromQ(grid1Rows_[static_cast<std::size_t>(unit)].second)});
    }
    return rows;
}

}  // namespace qv
