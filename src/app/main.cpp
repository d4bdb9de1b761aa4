// SPDX-License-Identifier: GPL-3.0-or-later
// Quantova's program entry: find and load the packages (or run the installer
// when there are none), show the main window, run until it closes, then save
// the package in use.
#include "app/CommandLine.h"
#include "app/EditingDialogs.h"
#include "app/InstanceLock.h"
#include "app/MainWindow.h"
#include "app/SessionEnd.h"
#include "app/Settings.h"
#include "app/ViewDump.h"
#include "catalogue/DataFolder.h"
#include "catalogue/Packages.h"
#include "dialogs/InstallCat.h"
#include "expr/NumberText.h"
#include "ui/ErrorDisplay.h"

#include <QApplication>
#include <QIcon>

#include <clocale>
#include <memory>
#include <optional>

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = qv::AnswerInfoOptions(argc, argv)) return *answered;
    QApplication app(argc, argv);
    if (const std::optional<int> refused = qv::RefuseUnknownArguments()) return *refused;
    // Qt takes the user's locale for C library number formatting too; the
    // program formats numbers itself with the separator read here.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QString::fromLatin1(qv::ProgramTitle));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quantova.svg")));
    // Ties the windows to the installed desktop entry (taskbars, Wayland).
    QGuiApplication::setDesktopFileName(
        QString::fromLatin1(qv::ApplicationId.data(), qsizetype(qv::ApplicationId.size())));
    qv::SetDecimalSeparator(qv::LocaleDecimalSeparator());

    // Held until the package has been saved at the end of main.
    const std::string dataFolder = qv::ProgramDirectory();
    qv::InstanceLock lock(dataFolder);
    if (!lock.Acquire()) return 1;

    // Without a package the installer runs before the main window, which
    // then owns it; otherwise the window makes it when it is first used.
    std::unique_ptr<qv::TfrmInstallCat> installer;
    qv::StartUpResult started;
    if (!qv::RunGuarded(nullptr, [&] {
            started = qv::StartUp(dataFolder, [&installer] {
                installer = std::make_unique<qv::TfrmInstallCat>();
                installer->exec();
            });
        }))
        return 1;
    if (!started.HasPackage) return 0;

    qv::TFrmMain mainWindow(installer.release());
    qv::EditingDialogs dialogs = qv::CreateEditingDialogs(&mainWindow);
    mainWindow.SetDialogs(&dialogs);
    qv::InstallViewDumpFromEnvironment(mainWindow);

    mainWindow.show();
    qv::CloseOnSessionEnd(&mainWindow);
    mainWindow.ReportSkippedPackages(started.Skipped);

    const int result = QApplication::exec();
    qv::RunGuarded(nullptr, [] { qv::ShutDown(); });
    return result;
}
