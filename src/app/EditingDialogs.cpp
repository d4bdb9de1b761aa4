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
    d.NewCategory = new TFrmNewCategory(owner);
    d.AddUnit = new TFrmAddUnit(owner);
    d.NewBaseUnit = new TfrmNewBaseUnit(owner);
    d.ShowHidden = new TfrmShowHidden(owner);
    d.Owner = owner;
    d.NewCategory->SetAddUnitDialog(d.AddUnit);
    return d;
}

TfrmAbout* EditingDialogs::About()
{
    if (!about_) about_ = new TfrmAbout(Owner);
    return about_;
}

}  // namespace qv
