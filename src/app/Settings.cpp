#include "app/Settings.h"

#include "app/Ansi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    QString dir = QCoreApplication::applicationDirPath();
    if (!QFileInfo(dir).isWritable()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dir);
    }
    return QDir::toNativeSeparators(dir + QLatin1Char('/')).toStdString();
}

char LocaleDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() != 1) return '.';
    const std::string byte = FromQ(point);
    return byte.size() == 1 && byte[0] != '?' ? byte[0] : '.';
}

}  // namespace qv
