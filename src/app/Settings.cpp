#include "app/Settings.h"

#include "catalogue/DataFolder.h"
#include "catalogue/Errors.h"
#include "catalogue/FileAccess.h"
#include "ui/Ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

namespace qv {

QString ReadCalculatorPath()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tarvik"),
                             QStringLiteral("Calculator"));
    if (settings.status() != QSettings::NoError) return {};
    return settings.value(QStringLiteral("Default")).toString();
}

std::string ProgramDirectory()
{
    const QString programDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::string chosen = ChooseDataFolder(programDir.toStdString(), QDir::toNativeSeparators(userDir).toStdString());
    if (chosen.empty())
        throw EFileError("Quantova has no folder for its packages: the home folder is unknown (set HOME)");
    if (!CreatePrivateFolder(chosen))
        throw EFileError("Cannot create the folder " + chosen);
    return chosen;
}

char LocaleDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() != 1) return '.';
    const std::string byte = FromQ(point);
    return byte.size() == 1 && byte[0] != '?' ? byte[0] : '.';
}

}  // namespace qv
