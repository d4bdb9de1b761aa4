#pragma once

// The main window. It shows one category of the current package at a time:
//
//   LBCategories  -> the current category c (its position in Catalogue)
//   EntryValue    -> c.Value, read in the unit of EntryUnit (c.EntryIndex)
//   EntryPrecision-> significant digits of every value shown (2..18)
//   Grid2         -> c.Value converted into every visible unit; the
//                    highlighted row is c.SelectedIndex, summed up in the
//                    status line ("Length, 1 ft = 0.3048 m")
//
// The window keeps positions, never references, into the catalogue. Every
// event changes the catalogue through its own operations and then rebuilds
// the whole view with RefreshView. Controls are placed by hand
// (Splitter1Moved) so that the layout arithmetic holds to the pixel. Every
// handler runs through RunGuarded: an error is shown, never thrown into Qt.

#include "catalogue/Extended.h"
#include "ui/ErrorDisplay.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QStatusBar;
class QTableWidget;
class QToolButton;

namespace qv {

class SplitterBar;
class TCategory;
class TDataEdit;
class TfrmInstallCat;
class UpDownArrows;
struct EditingDialogs;

class TFrmMain : public QWidget {
    Q_OBJECT
public:
    // The tool bar's height: its 25-pixel buttons with a margin.
    static constexpr int ToolBarHeight = 29;

    explicit TFrmMain(TfrmInstallCat* installer, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The dialogs the editing commands open; created by the program entry.
    void SetDialogs(EditingDialogs* dialogs) { dialogs_ = dialogs; }

    // Rebuilds every control from the catalogue.
    void RefreshView();
    // The display text of a value at the current precision and number format.
    QString FormatValue(Extended v) const;
    // The unit shown in the highlighted row of Grid2, or -1.
    std::int32_t SelectedUnitIndex() const;
    void SelectUnitRow(std::int32_t unitIndex);

    // The layout arithmetic; runs on every resize and splitter move.
    void Splitter1Moved();

    bool UseScientific() const { return useScientific_; }
    bool ShowDefinitions() const { return showDefinitions_; }
    const QString& CalculatorPath() const { return calculatorPath_; }
    // For tests: the command line of an external calculator, as read at start.
    void SetCalculatorPath(const QString& path);

    // The text of a row of the full unit list (hidden units included).
    QString Grid1Text(int row, int column) const;
    int Grid1Row() const { return grid1Row_; }

    // Tells the user about package files that could not be read at start-up.
    void ReportSkippedPackages(const std::vector<std::pair<std::string, std::string>>& skipped);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateToolBar();
    void CreateKeyTables();
    QAction* AddKey(QWidget* owner, const char* name, const char* text, const QKeySequence& key,
                    void (TFrmMain::*handler)());
    void FormCreate();

    // The current category, or null when the catalogue is empty.
    TCategory* CurrentCategory() const;
    std::int32_t CurrentCategoryIndex() const;
    QString UnitLabel(const TCategory& c, std::int32_t unitIndex) const;
    void UpdateStatusLine(TCategory& c);
    void UpdateButtons(const TCategory* c);
    int ReadPrecision();
    void WriteViewDump() const;

    // Conversion view events.
    void LBCategoriesMouseUp();
    void LBCategoriesKeyUp();
    void LBCategoriesEnter();
    void EntryValueExit();
    void EntryUnitChange(int index);
    void EntryPrecisionExit();
    void PrecisionAdjustClick(int step);
    void Grid2MouseUp();
    void Grid2KeyUp();
    void Grid2DblClick();
    void SelectPakChange(int index);
    void NumberFormatClick();
    void DefinitionStatusClick();

    // Editing commands.
    void AddCategoryClick();
    void DeleteCategoryClick();
    void AddUnitClick();
    void AddUnitKey();
    void DeleteUnitClick();
    void DeleteUnitKey();
    void DefaultUnitClick();
    void DefaultUnitKey();
    void HideUnitClick();
    void HideUnitKey();
    void ShowUnitsClick();
    void ShowUnitsKey();
    void CopyValue1Click();
    void InstallClick();
    void StayonTop2Click();
    void AboutClick();
    void sbtnCalcClick();
    void PrintClick();

    // Runs a handler through the general error display.
    template <typename Body>
    void Guarded(Body&& body)
    {
        RunGuarded(this, std::forward<Body>(body));
    }

    TfrmInstallCat* installer_;
    EditingDialogs* dialogs_ = nullptr;

    QFrame* ToolBar1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QWidget* BlankButton1 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QWidget* BlankButton2 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QWidget* SpeedButton14 = nullptr;
    QToolButton* sbtnCalc = nullptr;
    QComboBox* SelectPak = nullptr;
    QLabel* LblLBCategories = nullptr;
    QListWidget* LBCategories = nullptr;
    SplitterBar* Splitter1 = nullptr;
    QLabel* Label1 = nullptr;
    TDataEdit* EntryValue = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* EntryUnit = nullptr;
    QLabel* Label3 = nullptr;
    TDataEdit* EntryPrecision = nullptr;
    UpDownArrows* PrecisionAdjust = nullptr;
    QLabel* LblUnitGrid2 = nullptr;
    QLabel* LblConv = nullptr;
    QTableWidget* Grid2 = nullptr;
    QStatusBar* sbMain = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;

    // Grid1: the rows of every unit, hidden ones included; row i is unit i.
    std::vector<std::pair<QString, QString>> grid1Rows_;
    int grid1Row_ = -1;
    // The unit shown in each row of Grid2.
    std::vector<std::int32_t> grid2Units_;

    bool useScientific_ = false;
    bool showDefinitions_ = true;
    std::int32_t LastCategoryIndex = 0;
    QString calculatorPath_;
    int precision_ = 6;  // the last precision read from EntryPrecision
    std::int32_t lastViewCategory_ = -1;  // the category the grid showed at the last rebuild
    bool refreshing_ = false;
};

}  // namespace qv
