// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The controls of the main window, created with their captions, hints and
// object names (the names the tests and accessibility tools look for), and
// the arithmetic that places them.
//
//   ToolBar1        the command buttons and the package chooser SelectPak
//   Splitter1       CategoryPane: LblLBCategories over LBCategories
//                   ConversionPane: the value, unit and precision fields
//                   with their labels, then the grid Grid2 with its headings
//   sbMain          StatusPanel0 (the conversion summary), StatusPanel1
//
// The tool bar's buttons come from the command table (CommandTable.cpp); a
// new control above the grid goes into ConversionPane, placed by Layout.

#include <QList>
#include <QString>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QSplitter;
class QStatusBar;
class QTableWidget;
class QToolBar;
class QWidget;

namespace qv {

class TDataEdit;
class TMainActions;
class UnitFilterBar;
class UpDownArrows;

struct TMainControls {
    // The tool bar's height: its 25-pixel buttons with a margin.
    static constexpr int ToolBarHeight = 29;
    // The smallest client area the layout is computed for.
    static constexpr int MinClientWidth = 310;
    static constexpr int MinClientHeight = 147;

    // Creates every control on `form`; the tool bar buttons show `actions`.
    TMainControls(QWidget* form, const TMainActions& actions);

    // Places the controls for a client area; runs on every resize and
    // splitter move. The category list keeps its width between 60 and the
    // client width less 120.
    void Layout(int clientWidth, int clientHeight);
    // Takes the category list's width from the splitter after a drag.
    void SplitterMoved();
    // Shows the calculator button, which moves the package chooser.
    void ShowCalculatorButton(bool shown);

    QWidget* Form = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QComboBox* SelectPak = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* CategoryPane = nullptr;
    QLabel* LblLBCategories = nullptr;
    QListWidget* LBCategories = nullptr;
    QWidget* ConversionPane = nullptr;
    QLabel* Label1 = nullptr;
    TDataEdit* EntryValue = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* EntryUnit = nullptr;
    QLabel* Label3 = nullptr;
    TDataEdit* EntryPrecision = nullptr;
    UpDownArrows* PrecisionAdjust = nullptr;
    QLabel* LblUnitGrid2 = nullptr;
    QLabel* LblConv = nullptr;
    UnitFilterBar* FilterBar = nullptr;  // above Grid2 while open
    QTableWidget* Grid2 = nullptr;
    QStatusBar* sbMain = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QLabel* StatusRates = nullptr;  // of which day the rates of the currencies shown are; hidden when empty

private:
    void CreateToolBar(const TMainActions& actions);
    QComboBox* CreatePackageChooser();
    void CreateCategoryPane();
    void CreateConversionPane();
    void CreateStatusBar();

    // The category list's width, as created or last dragged.
    int listWidth_ = 97;
    // The tool bar entries of the calculator's group and of the gap after it.
    QList<QAction*> calculatorEntries_;
};

}  // namespace qv
