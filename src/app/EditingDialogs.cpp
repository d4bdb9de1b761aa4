// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditingDialogs.h"

#include "dialogs/About.h"
#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "dialogs/BaseUnitChange.h"
#include "dialogs/UnHide.h"

namespace qv {

EditingDialogs CreateEditingDialogs(QWidget* owner)
{
    EditingDialogs d;
    d.Owner = owner;
    return d;
}

TFrmNewCategory* EditingDialogs::NewCategory()
{
    if (!newCategory_) {
        newCategory_ = new TFrmNewCategory(Owner);
        newCategory_->SetAddUnitDialog(AddUnit());
    }
    return newCategory_;
}

TFrmAddUnit* EditingDialogs::AddUnit()
{
    if (!addUnit_) addUnit_ = new TFrmAddUnit(Owner);
    return addUnit_;
}

TfrmNewBaseUnit* EditingDialogs::NewBaseUnit()
{
    if (!newBaseUnit_) newBaseUnit_ = new TfrmNewBaseUnit(Owner);
    return newBaseUnit_;
}

TfrmShowHidden* EditingDialogs::ShowHidden()
{
    if (!showHidden_) showHidden_ = new TfrmShowHidden(Owner);
    return showHidden_;
}

TfrmAbout* EditingDialogs::About()
{
    if (!about_) about_ = new TfrmAbout(Owner);
    return about_;
}

}  // namespace qv
