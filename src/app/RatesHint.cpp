// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RatesHint.h"

#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "builtin/RateProvenance.h"
#include "builtin/RatesMerge.h"
#include "catalogue/Category.h"
#include "catalogue/Cp1252.h"
#include "catalogue/Packages.h"
#include "ui/Ansi.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>

#include <cmath>
#include <filesystem>

namespace qv {
namespace {

constexpr const char* RatesOf = "Exchange rates of %1 (%2)";
constexpr const char* InstallAgain = "Install Currency again to use the rates of %1 (%2)";
constexpr const char* OldCount = "; %1 older than %2 days";
constexpr const char* RateOf = "rate of %1";
constexpr const char* UseAgain = "install Currency again to use the rates of %1";
constexpr const char* NoKnownDay = "no known day";
constexpr const char* OldRow = "Rate of %1, older than %2 days";

// The rates file as last read. RefreshView runs on every change of the
// view: look at the file's time and size, and read it only when they
// differ from the last time.
struct FileRates {
    std::string path;
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    RatesFileOrigins origins;
    std::string date;  // RatesDateOf
};

const FileRates& ReadFileRates(const std::string& programDir)
{
    static FileRates seen;
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(path, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(path, ec);
    if (!seen.path.empty() && seen.path == path && seen.time == time && seen.size == size) return seen;
    seen = FileRates{path, time, size, {}, {}};
    try {
        seen.origins = ReadRateOrigins(CurrencyFileText(programDir));
        seen.date = RatesDateOf(seen.origins);
    } catch (const EQuantovaError&) {
    }
    return seen;
}

bool IsCurrency(const TCategory& c)
{
    return SameTextIgnoringCase(c.Name, CurrencyCategoryName);
}

const TUnit* Dollar(const TCategory& c)
{
    const std::int32_t usd = c.FindUnit("USD");
    return usd >= 0 ? &c.UnitAt(usd) : nullptr;
}

// Whether `unit` converts with its row's rate; `usd` is its category's US
// dollar. Without one to compare with, the package is taken at its word.
bool UsesFileRate(const TUnit& unit, const TUnit* usd, const RateOrigin& row)
{
    if (!usd || usd->Factor == 0.0L) return true;
    const Extended rate = unit.Factor / usd->Factor;
    return std::fabs(rate - row.Rate) <= 1e-12L * std::fabs(row.Rate);
}

const RateOrigin* RowOf(const FileRates& file, const TCategory& c, std::int32_t i)
{
    if (i < 0 || i >= c.UnitCount() || c.UnitAt(i).Symbol == "USD") return nullptr;
    const auto row = file.origins.Rows.find(c.UnitAt(i).Symbol);
    return row == file.origins.Rows.end() ? nullptr : &row->second;
}

QString DayText(const std::string& isoDate)
{
    return isoDate.empty() ? QString::fromLatin1(NoKnownDay) : QString::fromStdString(ShortDate(isoDate));
}

// "rate of 27 Nov 2026, ECB" or "install Currency again to use the rates of ..."
QString UnitNote(const TUnit& unit, const TUnit* usd, const RateOrigin& row)
{
    if (!UsesFileRate(unit, usd, row)) return QString::fromLatin1(UseAgain).arg(DayText(row.Date));
    QString note = QString::fromLatin1(RateOf).arg(DayText(row.Date));
    if (!row.Source.empty()) note += QStringLiteral(", ") + QString::fromStdString(row.Source);
    return note;
}

// A clock, or (for `blank`) nothing of the same size, so that the units of
// marked and unmarked rows line up.
QIcon OldRateIcon(bool blank = false)
{
    static const QIcon none = [] {
        QPixmap empty(32, 32);
        empty.fill(Qt::transparent);
        empty.setDevicePixelRatio(2.0);
        return QIcon(empty);
    }();
    if (blank) return none;
    static const QIcon icon = [] {
        QPixmap clock(32, 32);  // drawn at twice the size, sharp on dense screens
        clock.fill(Qt::transparent);
        QPainter p(&clock);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xB0, 0x60, 0x00), 3));
        p.setBrush(QColor(0xFF, 0xE8, 0xB0));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.drawLine(QPointF(16, 16), QPointF(16, 8));
        p.drawLine(QPointF(16, 16), QPointF(22, 19));
        p.end();
        clock.setDevicePixelRatio(2.0);
        return QIcon(clock);
    }();
    return icon;
}

}  // namespace

QString CurrencyRatesHint(const std::string& programDir, const TCategory* currency)
{
    const FileRates& file = ReadFileRates(programDir);
    if (file.date.empty()) return {};
    if (currency) {
        const TUnit* usd = Dollar(*currency);
        for (std::int32_t i = 0; i < currency->UnitCount(); ++i) {
            const RateOrigin* row = RowOf(file, *currency, i);
            if (row && !UsesFileRate(currency->UnitAt(i), usd, *row))
                return QString::fromLatin1(InstallAgain).arg(ToQ(file.date), QLatin1String(CurrencyFileName));
        }
    }
    QString hint = QString::fromLatin1(RatesOf).arg(ToQ(file.date), QLatin1String(CurrencyFileName));
    const int old = CountOldRates(file.origins, TodayIso());
    if (old > 0)
        hint += QString::fromLatin1(OldCount)
                    .arg(old == 1 ? QStringLiteral("1 rate is") : QStringLiteral("%1 rates are").arg(old))
                    .arg(OldRateDays);
    return hint;
}

void ShowRatesHints(const std::string& programDir, QListWidget* categories, QLabel* status,
                    const std::string& currentCategory)
{
    const TCategory* currency = nullptr;
    for (std::int32_t i = 0; i < Catalogue.CategoryCount() && !currency; ++i)
        if (IsCurrency(Catalogue.CategoryAt(i))) currency = &Catalogue.CategoryAt(i);
    const QString hint = CurrencyRatesHint(programDir, currency);
    const QString name = ToQ(CurrencyCategoryName);
    for (int i = 0; i < categories->count(); ++i) {
        QListWidgetItem* item = categories->item(i);
        if (item->text() == name) item->setToolTip(hint);
    }
    status->setToolTip(currentCategory == CurrencyCategoryName ? hint : QString());
}

QString CurrencyStatusNote(const std::string& programDir, const TCategory& c)
{
    if (!IsCurrency(c)) return {};
    const FileRates& file = ReadFileRates(programDir);
    std::vector<std::pair<std::int32_t, QString>> notes;
    for (std::int32_t i : {c.EntryIndex, c.SelectedIndex}) {
        const RateOrigin* row = RowOf(file, c, i);
        if (row && (notes.empty() || notes[0].first != i))
            notes.emplace_back(i, UnitNote(c.UnitAt(i), Dollar(c), *row));
    }
    if (notes.empty()) return {};
    if (notes.size() == 1 || notes[0].second == notes[1].second) return notes[0].second;
    QString text;
    for (const auto& [unit, note] : notes)
        text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + ToQ(c.UnitAt(unit).Symbol) +
                QStringLiteral(": ") + note;
    return text;
}

void ShowRateNote(QLabel* panel, const QString& note)
{
    panel->setText(note);
    panel->setToolTip(note);  // in full, where the panel is too narrow
    panel->setVisible(!note.isEmpty());
}

void MarkOldRates(const std::string& programDir, const TCategory& c, QTableWidget* grid,
                  const std::vector<std::int32_t>& units)
{
    if (!IsCurrency(c)) return;
    const std::string today = TodayIso();
    const TUnit* usd = Dollar(c);
    const FileRates& file = ReadFileRates(programDir);
    for (std::size_t r = 0; r < units.size(); ++r) {
        const RateOrigin* row = RowOf(file, c, units[r]);
        QTableWidgetItem* cell = grid->item(static_cast<int>(r), 0);
        if (!cell) continue;
        const bool installed = row && UsesFileRate(c.UnitAt(units[r]), usd, *row);
        if (!row || (installed && !IsOldRate(row->Date, today))) {
            cell->setData(Qt::DecorationRole, OldRateIcon(true));
            continue;
        }
        cell->setIcon(OldRateIcon());
        const QString hover = !installed ? UnitNote(c.UnitAt(units[r]), usd, *row)
                              : row->Date.empty()
                                  ? QString::fromLatin1(RateOf).arg(DayText(row->Date))
                                  : QString::fromLatin1(OldRow).arg(DayText(row->Date)).arg(OldRateDays);
        cell->setToolTip(hover.left(1).toUpper() + hover.mid(1));
    }
}

}  // namespace qv
