// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conversion view: RefreshView rebuilds every control of the main
// window from the catalogue, and the events of the category list, value,
// unit, precision, grid and package chooser change the catalogue and
// rebuild.
//
//   LBCategories  -> the current category c (its position in Catalogue)
//   EntryValue    -> c.Value, read in the unit of EntryUnit (c.EntryIndex)
//   EntryPrecision-> significant digits of every value shown (2..18)
//   Grid2         -> c.Value converted into every visible unit; the
//                    highlighted row is c.SelectedIndex, summed up in the
//                    status line ("Length, 1 ft = 0.3048 m")
//
// The view keeps positions, never references, into the catalogue.

#include "catalogue/Extended.h"
#include "catalogue/UnitFilter.h"
#include "catalogue/UnitTable.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv {

class TCategory;
struct TMainControls;

class TConversionView : public QObject {
    Q_OBJECT
public:
    TConversionView(TMainControls& controls, QObject* parent);

    // Rebuilds every control from the catalogue.
    void RefreshView();
    // The display text of a value at the current precision and number format.
    QString FormatValue(Extended v) const;
    // The unit shown in the highlighted row of Grid2, or -1.
    std::int32_t SelectedUnitIndex() const;
    void SelectUnitRow(std::int32_t unitIndex);
    // The current category, or null when the catalogue is empty.
    TCategory* CurrentCategory() const;
    std::int32_t CurrentCategoryIndex() const;

    bool UseScientific() const { return useScientific_; }
    bool ShowDefinitions() const { return showDefinitions_; }
    void ToggleNumberFormat();
    void ToggleDefinitions();

    // The text of a row of the full unit list (hidden units included).
    QString Grid1Text(int row, int column) const;
    int Grid1Row() const { return grid1Row_; }

    // Sets the precision shown at start.
    void SetPrecision(int digits);
    // The significant digits of the values shown.
    int Precision() const { return precision_; }

    // Goes to unit `unit` of category `category` (FindAnywhere.cpp): the
    // category selected, the unit the entry unit, the value `value` or else
    // the number shown now, and the row of unit `highlight` of that
    // category, when given (not -1), highlighted and in sight.
    void GoTo(std::int32_t category, std::int32_t unit, std::optional<Extended> value, std::int32_t highlight);

    // The filter bar over Grid2 (ViewFilter.cpp): opens it, or puts the focus
    // back in it when open.
    void OpenFilter();
    // The rows of Grid2 as they are shown: symbol, definition, value.
    std::vector<TableRow> ListedRows() const;

Q_SIGNALS:
    // After every rebuild and every change of the highlighted unit, also
    // when an error cut the rebuild short.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString UnitLabel(const TCategory& c, std::int32_t unitIndex) const;
    void UpdateStatusLine(TCategory& c);
    int ReadPrecision();

    void LBCategoriesMouseUp();
    void LBCategoriesEnter();
    void EntryValueExit();
    void EntryUnitChange(int index);
    void EntryPrecisionExit();
    void PrecisionAdjustClick(int step);
    void Grid2MouseUp();
    void Grid2DblClick();
    void SelectPakChange(int index);

    void FilterEdited();
    void FilterDown();
    void FilterEnter();
    void CloseFilter();
    // The filter of Grid2; a text typed for another category (or package)
    // is dropped first. None when the text cannot match any unit.
    std::optional<UnitFilter> CurrentFilter();
    void PlaceControls();

    template <typename Body>
    void Guarded(Body&& body);

    TMainControls& c_;

    // Grid1: the rows of every unit, hidden ones included; row i is unit i.
    std::vector<std::pair<QString, QString>> grid1Rows_;
    int grid1Row_ = -1;
    // The unit shown in each row of Grid2.
    std::vector<std::int32_t> grid2Units_;

    bool useScientific_ = false;
    bool showDefinitions_ = true;
    std::int32_t LastCategoryIndex = 0;
    int precision_ = 6;                   // the last precision read from EntryPrecision
    std::int32_t lastViewCategory_ = -1;  // the category the grid showed at the last rebuild
    bool refreshing_ = false;
    std::string filterFor_;  // the package and category the filter text was typed for
};

}  // namespace qv
