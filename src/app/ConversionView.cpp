// The conversion view: RefreshView rebuilds every control from the catalogue;
// the event handlers of the category list, value, unit, precision, grid and
// package chooser change the catalogue and rebuild.
#include "app/MainWindow.h"

#include "catalogue/Cp1252.h"
#include "catalogue/Packages.h"
#include "expr/FormatValue.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"
#include "widgets/UpDownArrows.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextStream>
#include <QToolButton>

#include <cmath>

namespace qv {
namespace {

// Restores a category's Value when the status line cannot be built, so that
// an arithmetic error never leaves the temporary 1 behind.
class ValueGuard {
public:
    explicit ValueGuard(TCategory& c) : c_(c), saved_(c.Value) {}
    ~ValueGuard()
    {
        if (!released_) c_.Value = saved_;
    }
    void Release() { released_ = true; }

private:
    TCategory& c_;
    Extended saved_;
    bool released_ = false;
};

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TCategory* TFrmMain::CurrentCategory() const
{
    const std::int32_t index = CurrentCategoryIndex();
    return index >= 0 ? &Catalogue.CategoryAt(index) : nullptr;
}

std::int32_t TFrmMain::CurrentCategoryIndex() const
{
    const int row = LBCategories->currentRow();
    return row >= 0 && row < Catalogue.CategoryCount() ? row : -1;
}

QString TFrmMain::UnitLabel(const TCategory& c, std::int32_t unitIndex) const
{
    const TUnit& unit = c.UnitAt(unitIndex);
    if (!showDefinitions_) return ToQ(unit.Symbol);
    return ToQ(unit.Symbol + " (" + unit.Definition + ")");
}

int TFrmMain::ReadPrecision()
{
    // The field may hold text the user has not finished; the last precision
    // read stays in force until the field reads as a number again.
    try {
        const Extended p = EntryPrecision->Number();
        if (std::isfinite(p)) precision_ = static_cast<int>(std::clamp<Extended>(std::trunc(p), 2, 18));
    } catch (const std::exception&) {
    }
    return precision_;
}

QString TFrmMain::FormatValue(Extended v) const
{
    return ToQ(qv::FormatValue(v, precision_, useScientific_));
}

void TFrmMain::RefreshView()
{
    if (refreshing_) return;
    refreshing_ = true;
    struct Done {
        TFrmMain* w;
        ~Done()
        {
            w->refreshing_ = false;
            w->WriteViewDump();
        }
    } done{this};
    const QSignalBlocker blockPak(SelectPak), blockList(LBCategories), blockUnit(EntryUnit), blockGrid(Grid2);
    ReadPrecision();

    // 1. Package chooser, in alphabetical order.
    SelectPak->clear();
    QStringList captions;
    for (const std::string& caption : PackageCaptions) captions << ToQ(caption);
    std::stable_sort(captions.begin(), captions.end(), LessIgnoringCase);
    SelectPak->addItems(captions);
    for (int i = 0; i < SelectPak->count(); ++i) {
        if (SameTextIgnoringCase(FromQ(SelectPak->itemText(i)), Catalogue.Caption)) {
            SelectPak->setCurrentIndex(i);
            break;
        }
    }

    // 2. Category list, keeping the selected position.
    int row = LBCategories->currentRow();
    LBCategories->clear();
    for (std::int32_t i = 0; i < Catalogue.CategoryCount(); ++i) LBCategories->addItem(ToQ(Catalogue.CategoryAt(i).Name));
    if (row < 0 || row >= LBCategories->count()) row = 0;
    if (LBCategories->count() > 0) LBCategories->setCurrentRow(row);

    // A rebuild of the same category keeps the grid where it was scrolled:
    // leaving the value field by clicking a row rebuilds the view before the
    // click lands, and the click must find the row the user aimed at.
    const int scroll = Grid2->verticalScrollBar()->value();
    const bool sameCategory = CurrentCategoryIndex() == lastViewCategory_;
    lastViewCategory_ = CurrentCategoryIndex();
    struct KeepScroll {
        QTableWidget* grid;
        int value;
        bool keep;
        ~KeepScroll()
        {
            if (keep) grid->verticalScrollBar()->setValue(value);
        }
    } keepScroll{Grid2, scroll, sameCategory};

    // 3. The current category; an empty catalogue shows empty controls.
    StatusPanel1->setText(ToQ(Catalogue.Caption));
    EntryUnit->clear();
    grid1Rows_.clear();
    grid1Row_ = -1;
    grid2Units_.clear();
    Grid2->setRowCount(0);
    TCategory* c = CurrentCategory();
    if (!c) {
        StatusPanel0->clear();
        UpdateButtons(nullptr);
        return;
    }
    EntryValue->SetNumber(c->Value);

    // 4.-5. Every unit converted; hidden units only in Grid1 and EntryUnit.
    Grid2->setRowCount(c->VisibleUnitCount());
    grid1Rows_.reserve(static_cast<std::size_t>(c->UnitCount()));
    int gridRow = 0;
    for (std::int32_t i = 0; i < c->UnitCount(); ++i) {
        const QString label = UnitLabel(*c, i);
        const QString value = FormatValue(c->ConvertTo(i));
        grid1Rows_.emplace_back(label, value);
        if (!c->UnitAt(i).Hidden) {
            Grid2->setItem(gridRow, 0, Cell(label));
            Grid2->setItem(gridRow, 1, Cell(value));
            grid2Units_.push_back(i);
            ++gridRow;
        }
        EntryUnit->addItem(label);
    }

    // 6.-9. Entry unit, highlighted unit, buttons, status line.
    EntryUnit->setCurrentIndex(c->EntryIndex >= 0 && c->EntryIndex < EntryUnit->count() ? c->EntryIndex : -1);
    SelectUnitRow(c->SelectedIndex);
    UpdateButtons(c);
    UpdateStatusLine(*c);
}

void TFrmMain::UpdateButtons(const TCategory* c)
{
    const bool editable = c && c->Name != TemperatureCategoryName;
    SpeedButton2->setEnabled(Catalogue.CategoryCount() > 0);
    SpeedButton5->setEnabled(c && c->UnitCount() > 0 && c->DefaultIndex != SelectedUnitIndex());
    SpeedButton8->setEnabled(c && c->VisibleUnitCount() > 1);
    SpeedButton9->setEnabled(c && c->VisibleUnitCount() < c->UnitCount());
    SpeedButton3->setEnabled(editable);
    SpeedButton4->setEnabled(editable && c->UnitCount() > 0);
}

void TFrmMain::UpdateStatusLine(TCategory& c)
{
    if (c.UnitCount() == 0) {
        StatusPanel0->setText(ToQ(c.Name));
        return;
    }
    QString summary;
    {
        ValueGuard guard(c);
        c.Value = 1.0L;
        summary = LBCategories->currentItem()->text() + QStringLiteral(", 1 ") + ToQ(c.UnitAt(c.EntryIndex).Symbol) +
                  QStringLiteral(" = ") + FormatValue(c.ConvertTo(c.SelectedIndex)) + QLatin1Char(' ') +
                  ToQ(c.UnitAt(c.SelectedIndex).Symbol);
    }
    StatusPanel0->setText(summary);
    c.Value = EntryValue->Number();
}

std::int32_t TFrmMain::SelectedUnitIndex() const
{
    const int row = Grid2->currentRow();
    return row >= 0 && row < static_cast<int>(grid2Units_.size()) ? grid2Units_[static_cast<std::size_t>(row)] : -1;
}

void TFrmMain::SelectUnitRow(std::int32_t unitIndex)
{
    if (unitIndex < 0 || unitIndex >= static_cast<std::int32_t>(grid1Rows_.size())) return;
    grid1Row_ = unitIndex;
    const TCategory* c = CurrentCategory();
    if (c && c->UnitAt(unitIndex).Hidden) {
        if (Grid2->rowCount() > 0) Grid2->setCurrentCell(0, 0);
        return;
    }
    for (std::size_t row = 0; row < grid2Units_.size(); ++row) {
        if (grid2Units_[row] == unitIndex) {
            Grid2->setCurrentCell(static_cast<int>(row), 0);
            return;
        }
    }
}

QString TFrmMain::Grid1Text(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(grid1Rows_.size())) return {};
    const auto& r = grid1Rows_[static_cast<std::size_t>(row)];
    return column == 0 ? r.first : r.second;
}

void TFrmMain::LBCategoriesMouseUp()
{
    Guarded([this] {
        if (LBCategories->currentRow() != LastCategoryIndex) RefreshView();
        LastCategoryIndex = LBCategories->currentRow();
    });
}

void TFrmMain::LBCategoriesKeyUp()
{
    LBCategoriesMouseUp();
}

void TFrmMain::LBCategoriesEnter()
{
    LastCategoryIndex = LBCategories->currentRow();
}

void TFrmMain::EntryValueExit()
{
    // Runs inside the field's exit processing, which shows any error.
    TCategory* c = CurrentCategory();
    if (!c) return;
    c->Value = EntryValue->Number();
    RefreshView();
}

void TFrmMain::EntryUnitChange(int index)
{
    Guarded([this, index] {
        TCategory* c = CurrentCategory();
        if (!c || index < 0) return;
        c->EntryIndex = index;
        RefreshView();
    });
}

void TFrmMain::EntryPrecisionExit()
{
    EntryPrecision->SetNumber(std::nearbyint(EntryPrecision->Number()));
    RefreshView();
}

void TFrmMain::PrecisionAdjustClick(int step)
{
    Guarded([this, step] {
        PrecisionAdjust->SetPosition(ReadPrecision() + step);
        EntryPrecision->SetNumber(PrecisionAdjust->Position());
        EntryPrecision->SetNumber(std::nearbyint(EntryPrecision->Number()));
        RefreshView();
    });
}

void TFrmMain::Grid2MouseUp()
{
    Guarded([this] {
        TCategory* c = CurrentCategory();
        if (!c || c->UnitCount() == 0) return;
        const std::int32_t selected = SelectedUnitIndex();
        SpeedButton5->setEnabled(c->DefaultIndex != selected);
        grid1Row_ = selected;
        if (selected < 0) return;
        c->SelectedIndex = selected;
        UpdateStatusLine(*c);
        WriteViewDump();
    });
}

void TFrmMain::Grid2KeyUp()
{
    Grid2MouseUp();
}

void TFrmMain::Grid2DblClick()
{
    Guarded([this] {
        TCategory* c = CurrentCategory();
        const std::int32_t selected = SelectedUnitIndex();
        if (!c || selected < 0) return;
        c->EntryIndex = selected;
        RefreshView();
    });
}

void TFrmMain::SelectPakChange(int index)
{
    Guarded([this, index] {
        if (index < 0 || SameTextIgnoringCase(FromQ(SelectPak->itemText(index)), Catalogue.Caption)) return;
        const std::string caption = FromQ(SelectPak->itemText(index));
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

void TFrmMain::NumberFormatClick()
{
    Guarded([this] {
        useScientific_ = !useScientific_;
        RefreshView();
    });
}

void TFrmMain::DefinitionStatusClick()
{
    Guarded([this] {
        showDefinitions_ = !showDefinitions_;
        SpeedButton12->setToolTip(showDefinitions_ ? QStringLiteral("Hide Unit Definitions")
                                                   : QStringLiteral("Show Unit Definitions"));
        RefreshView();
    });
}

// For the end-to-end test only: when QUANTOVA_VIEW_DUMP names a file, the
// view is written there after every rebuild (status panels, then the rows).
void TFrmMain::WriteViewDump() const
{
    static const QString path = qEnvironmentVariable("QUANTOVA_VIEW_DUMP");
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&file);
    out << "status0\t" << StatusPanel0->text() << "\nstatus1\t" << StatusPanel1->text() << "\nvalue\t"
        << EntryValue->text() << "\nunit\t" << EntryUnit->currentText() << '\n';
    for (int row = 0; row < Grid2->rowCount(); ++row) {
        const QTableWidgetItem* label = Grid2->item(row, 0);
        const QTableWidgetItem* value = Grid2->item(row, 1);
        out << "row\t" << (label ? label->text() : QString()) << '\t' << (value ? value->text() : QString()) << '\n';
    }
}

}  // namespace qv
