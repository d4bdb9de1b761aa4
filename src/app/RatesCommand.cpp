// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RatesCommand.h"

#include "builtin/BuildCats.h"
#include "builtin/BuiltInTables.h"
#include "builtin/Installer.h"
#include "catalogue/Packages.h"
#include "dialogs/UpdateRates.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

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

// Why the rates file would not make a Currency category, or "" when it does.
QString ImportProblem()
{
    TCategories scratch;
    std::vector<std::string> currency{CurrencyCategoryName};
    try {
        BuildBuiltInCategories(scratch, currency, ProgramDir);
    } catch (...) {
        return ExceptionText(std::current_exception());
    }
    return {};
}

}  // namespace

bool UpdateRatesCommand(QWidget* parent, TFrmUpdateRates& dialog)
{
    const std::optional<RatesOutcome> update = dialog.Execute(ProgramDir);
    if (!update) return false;

    const QString done = ErrorDisplayText(update->Message);
    const TCategory* currency = update->Reinstall ? PackageCurrency() : nullptr;
    // Offered only when the new file makes a category: reinstalling from a
    // file that cannot be read would change nothing but the user's hopes.
    const QString problem = currency ? ImportProblem() : QString();
    if (!currency || !problem.isEmpty()) {
        const QString text = problem.isEmpty() ? done
                                               : done + QStringLiteral("\n\n") +
                                                     QString::fromLatin1(msg::NewRatesFileUnreadable).arg(problem);
        QMessageBox box(QMessageBox::Information, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok, parent);
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
