// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Select Default Unit dialog: after the default unit of the category at
// TargetCategoryIndex was deleted while other units remain, the user picks
// the new default, and every factor is rebased on it. Choosing is the only
// way out: there is no Cancel, and Esc or closing the window does nothing.

#include "ui/FixedDialog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

// Created once and shown with exec(); TargetCategoryIndex is set by the
// caller before each showing. Every unit is offered, hidden ones too, with
// the first one chosen.
class TfrmNewBaseUnit : public TFixedDialog {
    Q_OBJECT
public:
    explicit TfrmNewBaseUnit(QWidget* parent = nullptr);

private:
    bool CanCancel() const override;
    void FormShow() override;
    void KeepOneSelected();
    void Button1Click();

    QListWidget* UnitList;
    QLabel* Label1;
    QPushButton* Button1;
};

}  // namespace qv
