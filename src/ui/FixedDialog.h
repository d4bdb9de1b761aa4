// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame every dialog of the program shares: a fixed client size, a title
// bar without buttons, a place in the middle of the screen from the start,
// a fresh start at each showing, and a Cancel that can be refused.

#include <QDialog>

class QShowEvent;

namespace qv {

class TFixedDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFixedDialog(QWidget* parent = nullptr);

    // Esc, Cancel and the window's close request end here; refused while
    // CanCancel() says no.
    void reject() override;

protected:
    // Fixes the client size, removes the title-bar buttons and centres the
    // dialog. Called at the end of the derived constructor.
    void SetFixedFrame(int clientWidth, int clientHeight);

    virtual bool CanCancel() const { return true; }
    // Resets the fields for a new showing; errors go to the general error
    // display.
    virtual void FormShow() {}

    void showEvent(QShowEvent* event) override;
};

}  // namespace qv
