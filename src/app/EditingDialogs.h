#pragma once

namespace qv {

class TFrmNewCategory;
class TFrmAddUnit;
class TfrmNewBaseUnit;
class TfrmShowHidden;
class TfrmAbout;

// The modal dialogs of the editing commands, created once for the whole run
// in this order, after the main window.
struct EditingDialogs {
    TFrmNewCategory* NewCategory = nullptr;
    TFrmAddUnit* AddUnit = nullptr;
    TfrmNewBaseUnit* NewBaseUnit = nullptr;
    TfrmShowHidden* ShowHidden = nullptr;
    TfrmAbout* About = nullptr;
};

}  // namespace qv
