// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace qv {

class TFrmNewCategory;
class TFrmAddUnit;
class TfrmNewBaseUnit;
class TfrmShowHidden;
class TfrmAbout;

// The modal dialogs of the editing commands and the About box, each made
// when it is first shown and kept for the rest of the run: building them
// all at start cost a tenth of the start-up (their messages are fitted to
// their labels, the About box's logo is rendered from SVG), and each resets
// its fields whenever it is shown, so when it was made does not show.
class EditingDialogs {
public:
    TFrmNewCategory* NewCategory();
    TFrmAddUnit* AddUnit();
    TfrmNewBaseUnit* NewBaseUnit();
    TfrmShowHidden* ShowHidden();
    TfrmAbout* About();

    QWidget* Owner = nullptr;

private:
    TFrmNewCategory* newCategory_ = nullptr;
    TFrmAddUnit* addUnit_ = nullptr;
    TfrmNewBaseUnit* newBaseUnit_ = nullptr;
    TfrmShowHidden* showHidden_ = nullptr;
    TfrmAbout* about_ = nullptr;
};

// Creates the dialogs owned by `owner`, the main window: they open above it,
// also while it stays on top, and end with it.
EditingDialogs CreateEditingDialogs(QWidget* owner);

}  // namespace qv
