// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"

#include "catalogue/DataFolder.h"
#include "catalogue/Errors.h"
#include "catalogue/FileAccess.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace qv {
namespace {

QSettings WindowSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(ProgramTitle),
                     QString::fromLatin1(ProgramTitle));
}

const QString RecentCategoriesKey = QStringLiteral("FindAnywhere/RecentCategories");
const QString RecentUnitsKey = QStringLiteral("FindAnywhere/RecentUnits");

}  // namespace

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
    const std::string chosen = ChooseDataFolder(programDir.toStdString(),
                                                QDir::toNativeSeparators(userDir).toStdString());
    if (chosen.empty())
        throw EFileError("Quantova has no folder for its packages: the home folder is unknown (set HOME)");
    if (!CreatePrivateFolder(chosen)) throw EFileError("Cannot create the folder " + chosen);
    return chosen;
}

char LocaleDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() != 1) return '.';
    const std::string byte = FromQ(point);
    return byte.size() == 1 && byte[0] != '?' ? byte[0] : '.';
}

QList<RecentPlace> ReadRecentPlaces()
{
    const QSettings settings = WindowSettings();
    const QStringList categories = settings.value(RecentCategoriesKey).toStringList();
    const QStringList units = settings.value(RecentUnitsKey).toStringList();
    QList<RecentPlace> places;
    for (qsizetype i = 0; i < std::min(categories.size(), units.size()) && places.size() < MaxRecentPlaces; ++i)
        places.append({categories[i], units[i]});
    return places;
}

void RememberRecentPlace(const RecentPlace& place)
{
    QList<RecentPlace> places = ReadRecentPlaces();
    places.removeAll(place);
    places.prepend(place);
    QStringList categories, units;
    for (const RecentPlace& p : places.first(std::min<qsizetype>(places.size(), MaxRecentPlaces))) {
        categories << p.Category;
        units << p.Unit;
    }
    QSettings settings = WindowSettings();
    settings.setValue(RecentCategoriesKey, categories);
    settings.setValue(RecentUnitsKey, units);
}

}  // namespace qv
