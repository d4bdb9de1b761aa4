// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the GUI test programs: a QApplication on the offscreen platform
// (unless the environment names another), with "." as decimal separator.
// A watchdog closes any modal window that stays open for long: a test that
// opens a box it does not answer fails instead of hanging.
#include "expr/NumberText.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <clocale>
#include <gtest/gtest.h>

namespace {

constexpr int PatienceMs = 15000;

void WatchModalWindows()
{
    static QPointer<QWidget> watched;
    static QElapsedTimer since;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != watched) {
        watched = modal;
        since.restart();
        return;
    }
    if (!modal || since.elapsed() < PatienceMs) return;
    ADD_FAILURE() << "a modal window was left open: " << modal->metaObject()->className() << " '"
                  << modal->windowTitle().toStdString() << "'";
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);  // done() closes even dialogs that refuse reject()
    else
        modal->close();
    since.restart();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    qv::SetDecimalSeparator('.');
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &WatchModalWindows);
    watchdog.start(500);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
