// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion view: the rebuild of the controls from the catalogue and
// the events of the view's own controls.
#include "app/ConversionView.h"

#include "app/MainControls.h"
#include "app/RatesHint.h"
#include "catalogue/ConversionCell.h"
#include "catalogue/Cp1252.h"
#include "catalogue/Packages.h"
#include "expr/FormatValue.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"
#include "widgets/UnitFilterBar.h"
#include "widgets/UpDownArrows.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

// "Length, 1e4930 mi in fm: overflow": the status line of a highlighted
// unit whose value cannot be computed.
constexpr const char* FailedConversionIn = " in ";

QTableWidgetItem* Cell(const QString& text, const QString& hint = {})
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!hint.isEmpty()) item->setToolTip(hint);
    return item;
}

}  // namespace

template <typename Body>
void TConversionView::Guarded(Body&& body)
{
    RunGuarded(c_.Form, std::forward<Body>(body));
}

TConversionView::TConversionView(TMainControls& controls, QObject* parent) : QObject(parent), c_(controls)
{
    c_.EntryValue->SetOnExit([this] { EntryValueExit(); });
    c_.EntryPrecision->SetOnExit([this] { EntryPrecisionExit(); });
    connect(c_.EntryUnit, &QComboBox::activated, this, [this](int index) { EntryUnitChange(index); });
    connect(c_.PrecisionAdjust, &UpDownArrows::stepped, this, [this](int step) { PrecisionAdjustClick(step); });
    connect(c_.Grid2, &QTableWidget::cellDoubleClicked, this, [this] { Grid2DblClick(); });
    connect(c_.SelectPak, &QComboBox::activated, this, [this](int index) { SelectPakChange(index); });
    for (QObject* watched : std::initializer_list<QObject*>{c_.LBCategories, c_.LBCategories->viewport(), c_.Grid2,
                                                            c_.Grid2->viewport(), c_.EntryPrecision})
        watched->installEventFilter(this);
    connect(c_.FilterBar, &UnitFilterBar::edited, this, [this] { FilterEdited(); });
    connect(c_.FilterBar, &UnitFilterBar::downPressed, this, [this] { FilterDown(); });
    connect(c_.FilterBar, &UnitFilterBar::enterPressed, this, [this] { FilterEnter(); });
    connect(c_.FilterBar, &UnitFilterBar::closeRequested, this, [this] { CloseFilter(); });
}

void TConversionView::SetPrecision(int digits)
{
    c_.EntryPrecision->SetNumber(digits);
    c_.PrecisionAdjust->SetRange(static_cast<int>(c_.EntryPrecision->MinVal()),
                                 static_cast<int>(c_.EntryPrecision->MaxVal()));
    c_.PrecisionAdjust->SetPosition(digits);
    precision_ = digits;
}

bool TConversionView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched == c_.LBCategories->viewport()) LBCategoriesMouseUp();
        if (watched == c_.Grid2->viewport()) Grid2MouseUp();
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat()) break;
        if (watched == c_.LBCategories) LBCategoriesMouseUp();
        if (watched == c_.Grid2) Grid2MouseUp();
        break;
    case QEvent::FocusIn:
        if (watched == c_.LBCategories) LBCategoriesEnter();
        break;
    case QEvent::KeyPress: {
        const int k = static_cast<QKeyEvent*>(event)->key();
        // The arrow keys step the precision like its arrows do.
        if (watched == c_.EntryPrecision && (k == Qt::Key_Up || k == Qt::Key_Down)) {
            PrecisionAdjustClick(k == Qt::Key_Up ? 1 : -1);
            return true;
        }
        // In a list of whole rows, Home and End go to the first and last row.
        if (watched == c_.Grid2 && (k == Qt::Key_Home || k == Qt::Key_End) && c_.Grid2->rowCount() > 0) {
            c_.Grid2->setCurrentCell(k == Qt::Key_Home ? 0 : c_.Grid2->rowCount() - 1, 0);
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

TCategory* TConversionView::CurrentCategory() const
{
    const std::int32_t index = CurrentCategoryIndex();
    return index >= 0 ? &Catalogue.CategoryAt(index) : nullptr;
}

std::int32_t TConversionView::CurrentCategoryIndex() const
{
    const int row = c_.LBCategories->currentRow();
    return row >= 0 && row < Catalogue.CategoryCount() ? row : -1;
}

QString TConversionView::UnitLabel(const TCategory& c, std::int32_t unitIndex) const
{
    const TUnit& unit = c.UnitAt(unitIndex);
    if (!showDefinitions_) return ToQ(unit.Symbol);
    return ToQ(unit.Symbol + " (" + unit.Definition + ")");
}

int TConversionView::ReadPrecision()
{
    // The field may hold text the user has not finished; the last precision
    // read stays in force until the field reads as a number again.
    try {
        const Extended p = c_.EntryPrecision->Number();
        if (std::isfinite(p)) precision_ = static_cast<int>(std::clamp<Extended>(std::trunc(p), 2, 18));
    } catch (const std::exception&) {
    }
    return precision_;
}

QString TConversionView::FormatValue(Extended v) const
{
    return ToQ(qv::FormatValue(v, precision_, useScientific_));
}

void TConversionView::RefreshView()
{
    if (refreshing_) return;
    refreshing_ = true;
    const auto done = qScopeGuard([this] {
        refreshing_ = false;
        Q_EMIT changed();
    });
    const QSignalBlocker blockPak(c_.SelectPak), blockList(c_.LBCategories), blockUnit(c_.EntryUnit),
        blockGrid(c_.Grid2);
    ReadPrecision();

    // 1. Package chooser, in alphabetical order.
    c_.SelectPak->clear();
    QStringList captions;
    for (const std::string& caption : PackageCaptions) captions << ToQ(caption);
    std::stable_sort(captions.begin(), captions.end(), LessIgnoringCase);
    c_.SelectPak->addItems(captions);
    for (int i = 0; i < c_.SelectPak->count(); ++i) {
        if (SameTextIgnoringCase(FromQ(c_.SelectPak->itemText(i)), Catalogue.Caption)) {
            c_.SelectPak->setCurrentIndex(i);
            break;
        }
    }

    // 2. Category list, keeping the selected position and the scrolling:
    // leaving the value field by clicking a category rebuilds the view
    // before the click lands, and the click must find the row aimed at.
    int row = c_.LBCategories->currentRow();
    const int listScroll = c_.LBCategories->verticalScrollBar()->value();
    c_.LBCategories->clear();
    for (std::int32_t i = 0; i < Catalogue.CategoryCount(); ++i)
        c_.LBCategories->addItem(ToQ(Catalogue.CategoryAt(i).Name));
    if (row < 0 || row >= c_.LBCategories->count()) row = 0;
    if (c_.LBCategories->count() > 0) c_.LBCategories->setCurrentRow(row);
    c_.LBCategories->verticalScrollBar()->setValue(listScroll);
    // The day of the exchange rates, where the user looks for it.
    ShowRatesHints(ProgramDir, c_.LBCategories, c_.StatusPanel0,
                   CurrentCategory() ? CurrentCategory()->Name : std::string());

    // A rebuild of the same category keeps the grid where it was scrolled:
    // leaving the value field by clicking a row rebuilds the view before the
    // click lands, and the click must find the row the user aimed at. When
    // the rows or the highlighted unit changed, the highlight is brought
    // into sight.
    const int scroll = c_.Grid2->verticalScrollBar()->value();
    const bool sameCategory = CurrentCategoryIndex() == lastViewCategory_;
    const int rowsBefore = c_.Grid2->rowCount();
    const std::int32_t unitBefore = SelectedUnitIndex();
    lastViewCategory_ = CurrentCategoryIndex();
    const auto keepScroll = qScopeGuard([this, scroll, sameCategory, rowsBefore, unitBefore] {
        if (!sameCategory) return;
        c_.Grid2->verticalScrollBar()->setValue(scroll);
        if (c_.Grid2->currentItem() && (c_.Grid2->rowCount() != rowsBefore || SelectedUnitIndex() != unitBefore))
            c_.Grid2->scrollToItem(c_.Grid2->currentItem());
    });

    // 3. The current category; an empty catalogue shows empty controls.
    c_.StatusPanel1->setText(ToQ(Catalogue.Caption));
    c_.EntryUnit->clear();
    grid1Rows_.clear();
    grid1Row_ = -1;
    grid2Units_.clear();
    c_.Grid2->setRowCount(0);
    TCategory* c = CurrentCategory();
    if (!c) {
        c_.StatusPanel0->clear();
        ShowRateNote(c_.StatusRates, QString());
        return;
    }
    c_.EntryValue->SetNumber(c->Value);

    // 4.-5. Every unit converted; Grid2 lists the visible units that pass
    // the filter, Grid1 and EntryUnit every unit.
    const std::optional<UnitFilter> filter = CurrentFilter();
    grid2Units_ = filter ? ListedUnits(*c, *filter) : std::vector<std::int32_t>{};
    c_.FilterBar->ShowNoMatch(grid2Units_.empty() && !c_.FilterBar->Text().isEmpty());
    // A value that cannot be computed in a unit shows why in its cell
    // ("overflow"); the other units still convert.
    grid1Rows_.reserve(static_cast<std::size_t>(c->UnitCount()));
    std::vector<QString> faults(static_cast<std::size_t>(c->UnitCount()));
    for (std::int32_t i = 0; i < c->UnitCount(); ++i) {
        const QString label = UnitLabel(*c, i);
        const TConversionCell cell = ConvertCell(*c, i);
        grid1Rows_.emplace_back(label, cell.Failed() ? ToQ(cell.Fault) : FormatValue(cell.Value));
        if (cell.Failed()) faults[static_cast<std::size_t>(i)] = ToQ(cell.Message);
        c_.EntryUnit->addItem(label);
    }
    c_.Grid2->setRowCount(static_cast<int>(grid2Units_.size()));
    for (std::size_t listed = 0; listed < grid2Units_.size(); ++listed) {
        const auto unit = static_cast<std::size_t>(grid2Units_[listed]);
        const auto& [label, value] = grid1Rows_[unit];
        c_.Grid2->setItem(static_cast<int>(listed), 0, Cell(label));
        c_.Grid2->setItem(static_cast<int>(listed), 1, Cell(value, faults[unit]));
    }
    MarkOldRates(ProgramDir, *c, c_.Grid2, grid2Units_);

    // 6.-9. Entry unit, highlighted unit, status line; the commands'
    // availability follows the changed() signal.
    c_.EntryUnit->setCurrentIndex(c->EntryIndex >= 0 && c->EntryIndex < c_.EntryUnit->count() ? c->EntryIndex : -1);
    SelectUnitRow(c->SelectedIndex);
    UpdateStatusLine(*c);
}

void TConversionView::UpdateStatusLine(TCategory& c)
{
    ShowRateNote(c_.StatusRates, QString());
    if (c.UnitCount() == 0) {
        c_.StatusPanel0->setText(ToQ(c.Name));
        return;
    }
    const QString name = c_.LBCategories->currentItem()->text();
    const QString from = ToQ(c.UnitAt(c.EntryIndex).Symbol);
    const QString to = ToQ(c.UnitAt(c.SelectedIndex).Symbol);
    // A highlighted unit whose value cannot be computed: the status line
    // says what failed, for the value entered or for 1 of the entry unit.
    const auto failed = [&](const QString& value, const TConversionCell& cell) {
        return name + QStringLiteral(", ") + value + QLatin1Char(' ') + from + QLatin1String(FailedConversionIn) + to +
               QStringLiteral(": ") + ToQ(cell.Fault);
    };
    QString summary;
    const TConversionCell entered = ConvertCell(c, c.SelectedIndex);
    if (entered.Failed()) {
        summary = failed(FormatValue(c.Value), entered);
    } else {
        const auto restore = qScopeGuard([&c, saved = c.Value] { c.Value = saved; });
        c.Value = 1.0L;
        const TConversionCell one = ConvertCell(c, c.SelectedIndex);
        summary = one.Failed() ? failed(QStringLiteral("1"), one)
                               : name + QStringLiteral(", 1 ") + from + QStringLiteral(" = ") + FormatValue(one.Value) +
                                     QLatin1Char(' ') + to;
    }
    c_.StatusPanel0->setText(summary);
    ShowRateNote(c_.StatusRates, CurrencyStatusNote(ProgramDir, c));
    c.Value = c_.EntryValue->Number();
}

std::int32_t TConversionView::SelectedUnitIndex() const
{
    const int row = c_.Grid2->currentRow();
    return row >= 0 && row < static_cast<int>(grid2Units_.size()) ? grid2Units_[static_cast<std::size_t>(row)] : -1;
}

void TConversionView::SelectUnitRow(std::int32_t unitIndex)
{
    if (unitIndex < 0 || unitIndex >= static_cast<std::int32_t>(grid1Rows_.size())) return;
    grid1Row_ = unitIndex;
    // A unit without a row (hidden, or left out by the filter) highlights
    // the first row; the status line still names it.
    for (std::size_t row = 0; row < grid2Units_.size(); ++row) {
        if (grid2Units_[row] == unitIndex) {
            c_.Grid2->setCurrentCell(static_cast<int>(row), 0);
            return;
        }
    }
    if (c_.Grid2->rowCount() > 0) c_.Grid2->setCurrentCell(0, 0);
}

QString TConversionView::Grid1Text(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(grid1Rows_.size())) return {};
    const auto& r = grid1Rows_[static_cast<std::size_t>(row)];
    return column == 0 ? r.first : r.second;
}

void TConversionView::LBCategoriesMouseUp()
{
    Guarded([this] {
        if (c_.LBCategories->currentRow() != LastCategoryIndex) RefreshView();
        LastCategoryIndex = c_.LBCategories->currentRow();
    });
}

void TConversionView::LBCategoriesEnter()
{
    LastCategoryIndex = c_.LBCategories->currentRow();
}

void TConversionView::EntryValueExit()
{
    // Runs inside the field's exit processing, which shows any error.
    TCategory* c = CurrentCategory();
    if (!c) return;
    c->Value = c_.EntryValue->Number();
    RefreshView();
}

void TConversionView::EntryUnitChange(int index)
{
    Guarded([this, index] {
        TCategory* c = CurrentCategory();
        if (!c || index < 0) return;
        c->EntryIndex = index;
        RefreshView();
    });
}

void TConversionView::EntryPrecisionExit()
{
    c_.EntryPrecision->SetNumber(std::nearbyint(c_.EntryPrecision->Number()));
    RefreshView();
}

void TConversionView::PrecisionAdjustClick(int step)
{
    Guarded([this, step] {
        c_.PrecisionAdjust->SetPosition(ReadPrecision() + step);
        c_.EntryPrecision->SetNumber(c_.PrecisionAdjust->Position());
        c_.EntryPrecision->SetNumber(std::nearbyint(c_.EntryPrecision->Number()));
        RefreshView();
    });
}

void TConversionView::Grid2MouseUp()
{
    Guarded([this] {
        TCategory* c = CurrentCategory();
        if (!c || c->UnitCount() == 0) return;
        const std::int32_t selected = SelectedUnitIndex();
        const auto done = qScopeGuard([this] { Q_EMIT changed(); });
        grid1Row_ = selected;
        if (selected < 0) return;
        c->SelectedIndex = selected;
        UpdateStatusLine(*c);
    });
}

void TConversionView::Grid2DblClick()
{
    Guarded([this] {
        TCategory* c = CurrentCategory();
        const std::int32_t selected = SelectedUnitIndex();
        if (!c || selected < 0) return;
        c->EntryIndex = selected;
        RefreshView();
    });
}

void TConversionView::SelectPakChange(int index)
{
    Guarded([this, index] {
        if (index < 0 || SameTextIgnoringCase(FromQ(c_.SelectPak->itemText(index)), Catalogue.Caption)) return;
        const std::string caption = FromQ(c_.SelectPak->itemText(index));
        try {
            SwitchPackage(caption);
        } catch (...) {
            // The catalogue still holds the package it had; show it again.
            RefreshView();
            throw;
        }
        RefreshView();
    });
}

void TConversionView::ToggleNumberFormat()
{
    useScientific_ = !useScientific_;
    RefreshView();
}

void TConversionView::ToggleDefinitions()
{
    showDefinitions_ = !showDefinitions_;
    RefreshView();
}

}  // namespace qv
