// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Show Hidden Units dialog: the hidden units of the category at
// TargetCategoryIndex are listed, and those the user selects are made
// visible again.

#include "ui/FixedDialog.h"

class QEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

// Created once and shown with exec(); TargetCategoryIndex is set by the
// caller before each showing, which lists the hidden units with none
// selected. OK stays disabled until the user has pressed a key or released
// a mouse button in the list; Ctrl+A in the list selects every unit.
class TfrmShowHidden : public TFixedDialog {
    Q_OBJECT
public:
    explicit TfrmShowHidden(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow() override;
    void SelectAll1Click();
    void Button1Click();

    QListWidget* UnitList;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
    // A key went down in the list during this showing, so its release is
    // the user's; the release of the key that opened the dialog is not.
    bool keyPressedInList_ = false;
};

}  // namespace qv
