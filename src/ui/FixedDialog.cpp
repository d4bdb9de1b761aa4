// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FixedDialog.h"

#include "ui/ErrorDisplay.h"
#include "ui/Placement.h"

#include <QShowEvent>

namespace qv {

TFixedDialog::TFixedDialog(QWidget* parent) : QDialog(parent) {}

void TFixedDialog::reject()
{
    if (CanCancel()) QDialog::reject();
}

void TFixedDialog::SetFixedFrame(int clientWidth, int clientHeight)
{
    // Keep a stay-on-top wish made before the frame was set.
    const Qt::WindowFlags onTop = windowFlags() & Qt::WindowStaysOnTopHint;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | onTop);
    setFixedSize(clientWidth, clientHeight);
    CentreOnScreen(this);
}

void TFixedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window coming back from the task bar, not a
    // new showing.
    if (!event->spontaneous()) RunGuarded(this, [this] { FormShow(); });
}

}  // namespace qv
