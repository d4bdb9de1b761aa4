// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the program's logo, name and version, a link to its home page, and
// the folder where the packages are kept.

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
    void ShowDataFolder();
    void txtWebLinkClick();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* lblVersion;
    QLabel* txtWebLink;
    QPushButton* Button1;
    QLabel* lblDataFolder;
};

}  // namespace qv
