#pragma once

// The Add New Category dialog: the user names a new category, which is
// appended to Catalogue; the Add New Unit dialog then asks for its first
// unit, which becomes its default. While the catalogue is empty the dialog
// cannot be cancelled, so the catalogue never stays without a category.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace qv {

class TFrmAddUnit;

// Created once and shown with exec() as often as needed; each showing starts
// with an empty name. A name that is taken is reported by the general error
// display and leaves the dialog open with the name as typed.
class TFrmNewCategory : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNewCategory(QWidget* parent = nullptr);

    // The dialog that asks for a new category's first unit; not owned.
    void SetAddUnitDialog(TFrmAddUnit* addUnit);

    // Closes without adding, unless Cancel is disabled (empty catalogue).
    // Esc and the window's close request come here too.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void EdtNewCategoryChange();
    void BtnAddCategoryClick();

    TFrmAddUnit* addUnit_ = nullptr;
    QLabel* Label1;
    QLineEdit* EdtNewCategory;
    QPushButton* BtnAddCategory;
    QPushButton* BtnCancelAddCategory;
};

}  // namespace qv
