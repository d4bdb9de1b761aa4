// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Add New Category dialog: the user names a new category, which is
// appended to Catalogue; the Add New Unit dialog then asks for its first
// unit, which becomes its default. While the catalogue is empty the dialog
// cannot be cancelled, so the catalogue never stays without a category.

#include "ui/FixedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class TFrmAddUnit;

// Created once and shown with exec() as often as needed; each showing starts
// with an empty name. A name that is taken is reported by the general error
// display and leaves the dialog open with the name as typed.
class TFrmNewCategory : public TFixedDialog {
    Q_OBJECT
public:
    explicit TFrmNewCategory(QWidget* parent = nullptr);

    // The dialog that asks for a new category's first unit; not owned.
    void SetAddUnitDialog(TFrmAddUnit* addUnit);

private:
    bool CanCancel() const override;
    void FormShow() override;
    void EdtNewCategoryChange();
    void BtnAddCategoryClick();

    TFrmAddUnit* addUnit_ = nullptr;
    QLabel* Label1;
    QLineEdit* EdtNewCategory;
    QPushButton* BtnAddCategory;
    QPushButton* BtnCancelAddCategory;
};

}  // namespace qv
