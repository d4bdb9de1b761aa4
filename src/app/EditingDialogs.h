#pragma once

class QWidget;

namespace qv {

class TFrmNewCategory;
class TFrmAddUnit;
class TfrmNewBaseUnit;
class TfrmShowHidden;
class TfrmAbout;

// The modal dialogs of the editing commands, created once for the whole run
// in this order, after the main window. The About box, whose logo is
// rendered from SVG, is made when it is first shown.
struct EditingDialogs {
    TFrmNewCategory* NewCategory = nullptr;
    TFrmAddUnit* AddUnit = nullptr;
    TfrmNewBaseUnit* NewBaseUnit = nullptr;
    TfrmShowHidden* ShowHidden = nullptr;

    TfrmAbout* About();

    QWidget* Owner = nullptr;
    TfrmAbout* about_ = nullptr;
};

// Creates the dialogs owned by `owner`, the main window: they open above it,
// also while it stays on top, and end with it.
EditingDialogs CreateEditingDialogs(QWidget* owner);

}  // namespace qv
