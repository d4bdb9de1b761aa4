// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace qv::test {

ModalScript::ModalScript()
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

ModalScript::~ModalScript() = default;

ModalScript& ModalScript::then(Step step)
{
    steps_.push_back(std::move(step));
    return *this;
}

ModalScript& ModalScript::thenMessageBox(SeenBox* seen, QMessageBox::StandardButton button)
{
    return then([seen, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE_AT(__FILE__, __LINE__) << "expected a message box, got " << modal->metaObject()->className()
                                               << " '" << modal->windowTitle().toStdString() << "'";
            modal->close();
            return;
        }
        if (seen) {
            seen->seen = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
        }
        QAbstractButton* b = box->button(button);
        if (b)
            b->click();
        else
            box->done(button);
    });
}

void ModalScript::poll()
{
    if (steps_.empty()) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (modal == last_ && last_->isVisible()) return;  // still the one handled last
    last_ = modal;
    // Run the step from a timer of its own: this polling timer does not fire
    // again while its own callback runs, and a step may open a nested dialog
    // that the next step answers.
    QTimer::singleShot(0, modal, [step = std::move(steps_.front()), modal = QPointer<QWidget>(modal)] {
        if (modal) step(modal);
    });
    steps_.pop_front();
}

void TypeInto(QWidget* modal, const QString& text)
{
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClicks(target, text);
}

}  // namespace qv::test
