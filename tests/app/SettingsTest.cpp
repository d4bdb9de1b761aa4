// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"
#include "catalogue/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace qv {
namespace {

// Qt's idea of the program's data folder and the core's must agree, or the
// window and quantova-cli would keep their packages in different places.
TEST(SettingsTest, QtAppDataLocationIsTheCoresUserDataFolder)
{
    const QString oldName = QCoreApplication::applicationName();
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    QCoreApplication::setApplicationName(QStringLiteral("Quantova"));

    const char* homes[] = {"/home/j\xC3\xBCrgen", "/root"};
    const char* xdgs[] = {"", "/data/xdg"};
    for (const char* home : homes)
        for (const char* xdg : xdgs) {
            SCOPED_TRACE(std::string(home) + " " + xdg);
            qputenv("HOME", home);
            qputenv("XDG_DATA_HOME", xdg);
            EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
                      UserDataFolder("Quantova"));
        }

    qputenv("HOME", oldHome);
    qputenv("XDG_DATA_HOME", oldXdg);
    QCoreApplication::setApplicationName(oldName);
}

// The test program lives in the build tree, which is writable and not an
// installed layout: a portable copy keeps its data beside itself.
TEST(SettingsTest, BuildTreeIsPortable)
{
    EXPECT_EQ(ProgramDirectory(),
              QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString());
}

}  // namespace
}  // namespace qv
