// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers modal windows in GUI tests, so that the real exec() paths run:
// each step acts on the next modal window that becomes active (a message box,
// a dialog), found by polling with a timer from inside its event loop.

#include "support/QtPrinting.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

namespace qv::test {

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget* modal)>;

    ModalScript();
    ~ModalScript() override;

    // Adds a step for the next modal window.
    ModalScript& then(Step step);
    // Adds a step that records the next message box and presses `button`.
    ModalScript& thenMessageBox(SeenBox* seen = nullptr, QMessageBox::StandardButton button = QMessageBox::Ok);

    int stepsLeft() const { return static_cast<int>(steps_.size()); }
    bool done() const { return steps_.empty(); }

private:
    void poll();

    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Sends key presses to whatever widget has the focus inside `modal`.
void TypeInto(QWidget* modal, const QString& text);

}  // namespace qv::test
