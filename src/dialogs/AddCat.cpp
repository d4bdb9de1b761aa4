// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddCat.h"

#include "catalogue/Packages.h"
#include "dialogs/AddUnit.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/TargetCategory.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

namespace {
constexpr int ClientWidth = 201;
constexpr int ClientHeight = 86;
}  // namespace

TFrmNewCategory::TFrmNewCategory(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("FrmNewCategory"));
    setWindowTitle(ToQ(dialogtext::NewCategoryTitle));
    LimitDialogFont(this);

    Label1 = MakeLabel(this, "Label1", {3, 6, ClientWidth - 6, 16}, Qt::AlignHCenter | Qt::AlignVCenter);
    SetFittedText(Label1, dialogtext::NewCategoryPrompt);
    EdtNewCategory = MakeLineEdit(this, "EdtNewCategory", "Please enter a new category name",
                                  {8, 26, ClientWidth - 16, EditHeight});
    Label1->setBuddy(EdtNewCategory);
    BtnAddCategory = MakeButton(this, "BtnAddCategory", dialogtext::Add, {22, 55, ButtonWidth, ButtonHeight});
    BtnAddCategory->setDefault(true);
    BtnCancelAddCategory = MakeButton(this, "BtnCancelAddCategory", dialogtext::Cancel,
                                      {104, 55, ButtonWidth, ButtonHeight});

    connect(EdtNewCategory, &QLineEdit::textChanged, this,
            [this] { RunGuarded(this, [this] { EdtNewCategoryChange(); }); });
    connect(BtnAddCategory, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [this] { BtnAddCategoryClick(); }); });
    connect(BtnCancelAddCategory, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { reject(); }); });

    SetFixedFrame(ClientWidth, ClientHeight);
}

void TFrmNewCategory::SetAddUnitDialog(TFrmAddUnit* addUnit)
{
    addUnit_ = addUnit;
}

bool TFrmNewCategory::CanCancel() const
{
    return BtnCancelAddCategory->isEnabled();
}

void TFrmNewCategory::FormShow()
{
    BtnCancelAddCategory->setEnabled(Catalogue.CategoryCount() > 0);
    EdtNewCategory->clear();
    BtnAddCategory->setEnabled(false);
    EdtNewCategory->setFocus(Qt::OtherFocusReason);
}

void TFrmNewCategory::EdtNewCategoryChange()
{
    BtnAddCategory->setEnabled(!EdtNewCategory->text().isEmpty());
}

void TFrmNewCategory::BtnAddCategoryClick()
{
    if (EdtNewCategory->text().isEmpty()) return;
    Catalogue.AppendCategory(FromQ(EdtNewCategory->text()));
    TargetCategoryIndex = Catalogue.CategoryCount() - 1;
    // The new category is empty, so this asks for its default unit and
    // cannot be cancelled.
    if (addUnit_) addUnit_->exec();
    accept();
}

}  // namespace qv
