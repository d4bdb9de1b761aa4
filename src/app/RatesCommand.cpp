#include "app/RatesCommand.h"

#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "builtin/BuiltInTables.h"
#include "builtin/Installer.h"
#include "catalogue/Packages.h"
#include "dialogs/UpdateRates.h"

#include <QMessageBox>

namespace qv {
namespace {

// The package's Currency category, found as the installer finds the
// categories it replaces (without regard to letter case); null when none.
const TCategory* PackageCurrency()
{
    const std::int32_t i = Catalogue.FindCategory(CurrencyCategoryName);
    return i < 0 ? nullptr : &Catalogue.CategoryAt(i);
}

}  // namespace

bool UpdateRatesCommand(QWidget* parent, TFrmUpdateRates& dialog)
{
    const std::optional<RatesUpdate> update = dialog.Execute(ProgramDir);
    if (!update) return false;

    const QString done = ErrorDisplayText(RatesUpdateMessage(*update));
    const TCategory* currency = PackageCurrency();
    if (!currency) {
        QMessageBox box(QMessageBox::Information, QString::fromLatin1(ProgramTitle), done, QMessageBox::Ok, parent);
        box.setObjectName(QStringLiteral("RatesUpdated"));
        box.exec();
        return false;
    }
    QString question = done + QStringLiteral("\n\n") + QLatin1String(msg::ReinstallCurrencyQuestion);
    if (currency->HasCustomUnits()) question += QStringLiteral(" ") + QLatin1String(msg::ReinstallCurrencyCustomUnits);
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ProgramTitle), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("RatesUpdated"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) return false;
    ApplyInstall(Catalogue.Caption, {CurrencyCategoryName});
    return true;
}

}  // namespace qv
