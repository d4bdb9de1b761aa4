// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Add New Unit dialog: a new unit for the category at
// TargetCategoryIndex, given by its symbol, its definition and how many of
// the category's default unit make one of it. For an empty category the unit
// becomes the default: its factor is fixed at 1 and the dialog cannot be
// cancelled.

#include "ui/FixedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class TDataEdit;

// Created once and shown with exec() as often as needed; TargetCategoryIndex
// is set by the caller before each showing, which starts with empty fields
// and the factor 1.
//
// Enter anywhere in the dialog adds the unit while Add is enabled. In the
// factor field Enter first checks the factor: a factor the field refuses is
// reported in the field's information box and nothing is added; an accepted
// one is added at once. A taken symbol is reported by the general error
// display and leaves the dialog open with the fields as typed.
class TFrmAddUnit : public TFixedDialog {
    Q_OBJECT
public:
    explicit TFrmAddUnit(QWidget* parent = nullptr);

private:
    bool CanCancel() const override;
    void FormShow() override;
    void EditChange();
    void Button1Click();

    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit3;
    QLabel* Label2;
    TDataEdit* Edit2;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace qv
