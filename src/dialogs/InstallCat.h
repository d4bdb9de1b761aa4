// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The category installer window. The user moves names of built-in categories
// from the left list (CatList) into the right one (PickedCats) and presses
// OK, which installs them into the current package, or into a new package
// when the caption field names one. The work itself is done by
// builtin/Installer.h; this class is only its window.

#include "ui/FixedDialog.h"

class QEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;

namespace qv {

// Texts of the installer window, Windows-1252.
namespace installtext {
inline constexpr const char* Title = "Quantova - Installing Categories";
inline constexpr const char* ProposedCaption = "Custom Category";
inline constexpr const char* NoPackage1 =
    "No categories are currently stored on your computer. Quantova needs at least one to proceed.";
inline constexpr const char* NoPackage2 =
    "Please select the categories that you would like to install by moving them into the right column, and "
    "then press OK.";
inline constexpr const char* EmptyPackage1 = "This package has no categories in it!";
inline constexpr const char* EmptyPackage2 =
    "Please select the categories that you would like to install by moving them into the right column. Press "
    "OK when you're finished.";
inline constexpr const char* Reinstall1 =
    "The categories you currently have installed should be visible in the window at the left.";
inline constexpr const char* Reinstall2 =
    "Please select the categories that you would like to install or reinstall by moving them into the right "
    "column. Press OK when you're finished.";
}  // namespace installtext

// Created once, before the main window, and shown with exec() whenever
// needed. Every showing starts afresh from Catalogue; the dialog keeps
// nothing between showings and gives no result: the caller looks at the
// catalogue and the package lists when exec() returns.
//
// With no package at all, or an empty current package, OK is the only way
// out: Cancel is disabled, and Esc or closing the window does nothing.
// Errors of the install are shown by the general error display and leave
// the dialog open.
class TfrmInstallCat : public TFixedDialog {
    Q_OBJECT
public:
    explicit TfrmInstallCat(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool CanCancel() const override;
    void FormShow() override;
    void FitMessages();
    void MoveSelected(QListWidget* from, QListWidget* to);
    void UpdateButtons();
    void PackageCaptionExit();
    void Button1Click();

    QLineEdit* PackageCaption;
    QSplitter* Splitter;
    QListWidget* CatList;
    QListWidget* PickedCats;
    QPushButton* btnAdd;
    QPushButton* btnDel;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace qv
