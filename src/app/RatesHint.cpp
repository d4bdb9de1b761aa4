#include "app/RatesHint.h"

#include "ui/Ansi.h"
#include "builtin/BuiltInTables.h"
#include "builtin/CurrencyFile.h"
#include "builtin/RatesMerge.h"

#include <QLabel>
#include <QListWidget>

#include <filesystem>

namespace qv {

QString CurrencyRatesHint(const std::string& programDir)
{
    // RefreshView runs on every change of the view: look at the file's time
    // and size, and read it only when they differ from the last time.
    struct Seen {
        std::string path;
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        QString hint;
    };
    static Seen seen;
    const std::string path = programDir + CurrencyFileName;
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(path, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(path, ec);
    if (!seen.path.empty() && seen.path == path && seen.time == time && seen.size == size) return seen.hint;

    const std::string date = CurrencyRatesDate(programDir);
    seen = Seen{path, time, size,
                date.empty() ? QString()
                             : QStringLiteral("Exchange rates of %1 (%2)").arg(ToQ(date), QLatin1String(CurrencyFileName))};
    return seen.hint;
}

void ShowRatesHints(const std::string& programDir, QListWidget* categories, QLabel* status,
                    const std::string& currentCategory)
{
    const QString hint = CurrencyRatesHint(programDir);
    const QString name = ToQ(CurrencyCategoryName);
    for (int i = 0; i < categories->count(); ++i) {
        QListWidgetItem* item = categories->item(i);
        if (item->text() == name) item->setToolTip(hint);
    }
    status->setToolTip(currentCategory == CurrencyCategoryName ? hint : QString());
}

}  // namespace qv
