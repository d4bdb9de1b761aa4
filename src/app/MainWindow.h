// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window. It shows one category of the current package at a time
// and is made of three parts, each in its own files:
//
//   TMainControls    (MainControls, MainLayout)  the controls and the layout
//   TConversionView  (ConversionView)            RefreshView and the events
//                                                of the view's own controls
//   TMainActions     (MainActions)               one QAction per row of the
//                                                command table (CommandTable),
//                                                the key tables, availability
//
// The window itself (MainWindow.cpp) joins them and carries the commands'
// handlers (Commands.cpp). Every event changes the catalogue through its own
// operations and then rebuilds the whole view; after each rebuild the
// commands' availability is computed once. Every handler runs through
// RunGuarded: an error is shown, never thrown into Qt.

#include "app/ConversionView.h"
#include "app/MainActions.h"
#include "app/MainControls.h"
#include "catalogue/Extended.h"
#include "catalogue/Packages.h"
#include "ui/ErrorDisplay.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qv {

class TFindAnywhere;
class TfrmInstallCat;
class TFrmUpdateRates;
class EditingDialogs;

class TFrmMain : public QWidget {
    Q_OBJECT
public:
    // The window takes the installer as its own dialog; when none is given
    // (the program started with a package), it is made on first use.
    explicit TFrmMain(TfrmInstallCat* installer, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The dialogs the editing commands open; created by the program entry.
    void SetDialogs(EditingDialogs* dialogs) { dialogs_ = dialogs; }

    TConversionView& View() { return *view_; }

    // Rebuilds every control from the catalogue.
    void RefreshView() { view_->RefreshView(); }
    QString FormatValue(Extended v) const { return view_->FormatValue(v); }
    std::int32_t SelectedUnitIndex() const { return view_->SelectedUnitIndex(); }
    void SelectUnitRow(std::int32_t unitIndex) { view_->SelectUnitRow(unitIndex); }
    bool UseScientific() const { return view_->UseScientific(); }
    bool ShowDefinitions() const { return view_->ShowDefinitions(); }
    QString Grid1Text(int row, int column) const { return view_->Grid1Text(row, column); }
    int Grid1Row() const { return view_->Grid1Row(); }

    // The layout arithmetic; runs on every resize and splitter move.
    void Splitter1Moved();

    const QString& CalculatorPath() const { return calculatorPath_; }
    // For tests: the command line of an external calculator, as read at start.
    void SetCalculatorPath(const QString& path);

    // Tells the user about package files that could not be read at start-up.
    void ReportSkippedPackages(const std::vector<SkippedPackage>& skipped);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectCommands();
    void UpdateActions();

    // The commands' handlers, named in the command table (CommandTable.cpp).
    friend std::span<const TCommand> CommandTable();
    void AddCategoryClick();
    void DeleteCategoryClick();
    void AddUnitClick();
    void DeleteUnitClick();
    void DefaultUnitClick();
    void HideUnitClick();
    void ShowUnitsClick();
    void CopyValue1Click();
    void InstallClick();
    void StayonTop2Click();
    void AboutClick();
    void sbtnCalcClick();
    void PrintClick();
    void NumberFormatClick();
    void DefinitionsClick();
    void FindUnitClick();
    void FindAnywhereClick();
    // Taking the listed rows elsewhere (TableCommands.cpp).
    void CopyTableClick();
    void SaveTableClick();
    void UpdateRatesClick();

    TfrmInstallCat* Installer();
    void AdoptInstaller();

    template <typename Body>
    void Guarded(Body&& body)
    {
        RunGuarded(this, std::forward<Body>(body));
    }

    TfrmInstallCat* installer_ = nullptr;
    EditingDialogs* dialogs_ = nullptr;
    TMainActions* actions_;
    TMainControls controls_;
    TConversionView* view_;
    TFrmUpdateRates* ratesDialog_;
    QString calculatorPath_;
    QString tableFolder_;  // where the last table was saved
    TFindAnywhere* findAnywhere_;
};

}  // namespace qv
