#pragma once

// The About box: the program's logo and name, and a link to its home page.

#include "ui/FixedDialog.h"

class QLabel;
class QPushButton;
class QShowEvent;

namespace qv {

// Created once and shown with exec(); it stays on top of other windows.
// The link opens the page in the user's browser; when that fails nothing is
// reported and the box stays open.
class TfrmAbout : public TFixedDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow() override;
    void RenderLogo();
    void txtWebLinkClick();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* txtWebLink;
    QPushButton* Button1;
};

}  // namespace qv
