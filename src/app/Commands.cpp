// SPDX-License-Identifier: GPL-3.0-or-later
// The editing commands of the main window. Each runs from its action, on a
// tool bar button or a key, through RunGuarded; the action is enabled only
// while the command's row in the command table says it is available.
#include "app/MainWindow.h"

#include "app/EditingDialogs.h"
#include "app/FindAnywhere.h"
#include "app/Printing.h"
#include "app/RatesCommand.h"
#include "catalogue/ConversionCell.h"
#include "catalogue/Packages.h"
#include "dialogs/About.h"
#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "dialogs/BaseUnitChange.h"
#include "dialogs/InstallCat.h"
#include "dialogs/TargetCategory.h"
#include "dialogs/UnHide.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTableWidget>
#include <QWindow>

namespace qv {
namespace {

constexpr const char* ReinstallWithCustomUnits =
    "If you add any categories that had been previously installed, they will be restored to their default "
    "settings, destroying any custom units in the particular category, restoring all deleted built-in units, and "
    "unhiding any hidden units.";
constexpr const char* ReinstallWithoutCustomUnits =
    "If you add any categories that had been previously installed, all deleted units in the reinstalled "
    "categories will be restored; all hidden units will become visible.";
constexpr const char* ReinstallQuestion = "Press OK to install or reinstall desired built-in categories.";

}  // namespace

void TFrmMain::AddCategoryClick()
{
    if (dialogs_) dialogs_->NewCategory()->exec();
    RefreshView();
}

void TFrmMain::DeleteCategoryClick()
{
    const std::int32_t i = view_->CurrentCategoryIndex();
    if (i < 0) return;
    Catalogue.RemoveCategory(i);
    if (Catalogue.CategoryCount() > 0) {
        // The list still shows the old rows; the rebuild keeps the row.
        controls_.LBCategories->setCurrentRow(i == Catalogue.CategoryCount() ? i - 1 : i);
    } else if (dialogs_) {
        dialogs_->NewCategory()->exec();  // cannot be cancelled while the catalogue is empty
    }
    RefreshView();
}

void TFrmMain::AddUnitClick()
{
    const std::int32_t i = view_->CurrentCategoryIndex();
    if (i < 0) return;
    TargetCategoryIndex = i;
    if (dialogs_) dialogs_->AddUnit()->exec();
    RefreshView();
}

void TFrmMain::DeleteUnitClick()
{
    const std::int32_t index = view_->CurrentCategoryIndex();
    const std::int32_t s = SelectedUnitIndex();
    if (index < 0 || s < 0) return;
    TCategory& c = Catalogue.CategoryAt(index);
    const std::int32_t n = c.UnitCount();
    // Keep the entered quantity, expressed in the unit that becomes the
    // entry unit when this one goes; a quantity that cannot be expressed
    // there (the unit going has factor 0) keeps its number.
    if (c.EntryIndex == s && n > 1) {
        const TConversionCell kept = ConvertCell(c, s == n - 1 ? s - 1 : s + 1);
        if (!kept.Failed()) c.Value = kept.Value;
    }
    if (s != c.DefaultIndex) {
        c.RemoveUnit(s);
    } else if (n == 1) {
        c.RemoveUnit(s);
        TargetCategoryIndex = index;
        if (dialogs_) dialogs_->AddUnit()->exec();  // the category's new first unit
    } else {
        TargetCategoryIndex = index;
        c.RemoveUnit(s);
        if (dialogs_) dialogs_->NewBaseUnit()->exec();  // a new default, chosen by the user
    }
    RefreshView();
}

void TFrmMain::DefaultUnitClick()
{
    TCategory* c = view_->CurrentCategory();
    const std::int32_t s = SelectedUnitIndex();
    if (!c || s < 0) return;
    c->SetDefaultUnit(s);
    RefreshView();
}

void TFrmMain::HideUnitClick()
{
    TCategory* c = view_->CurrentCategory();
    const std::int32_t s = SelectedUnitIndex();
    if (!c || s < 0 || c->VisibleUnitCount() < 2) return;
    c->UnitAt(s).Hidden = true;
    // The highlight moves to the nearest visible unit: upwards from the
    // grid's last row, downwards from any other.
    const int step = controls_.Grid2->currentRow() == controls_.Grid2->rowCount() - 1 ? -1 : 1;
    std::int32_t next = s;
    do {
        next += step;
    } while (next > 0 && next < c->UnitCount() - 1 && c->UnitAt(next).Hidden);
    c->SelectedIndex = next;
    RefreshView();
}

void TFrmMain::ShowUnitsClick()
{
    const std::int32_t i = view_->CurrentCategoryIndex();
    if (i < 0) return;
    TargetCategoryIndex = i;
    if (dialogs_) dialogs_->ShowHidden()->exec();
    RefreshView();
}

void TFrmMain::CopyValue1Click()
{
    const int row = controls_.Grid2->currentRow();
    const QTableWidgetItem* value = row >= 0 ? controls_.Grid2->item(row, 1) : nullptr;
    if (value) QGuiApplication::clipboard()->setText(value->text());
}

void TFrmMain::InstallClick()
{
    const char* warning = Catalogue.HasCustomUnits() ? ReinstallWithCustomUnits : ReinstallWithoutCustomUnits;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                    QLatin1String(warning) + QStringLiteral("\n\n") + QLatin1String(ReinstallQuestion),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("InstallWarning"));
    if (box.exec() != QMessageBox::Ok) return;

    // Keep the installed categories in sight at the left while the
    // installer is open.
    const QPoint oldPos = pos();
    const QSize oldSize = size();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        move(area.topLeft());
        resize(area.width() / 2 - 126 - frame.width(), area.height() - frame.height());
    }
    const auto restore = qScopeGuard([this, oldPos, oldSize] {
        move(oldPos);
        resize(oldSize);
    });
    Installer()->exec();
    RefreshView();
}

void TFrmMain::StayonTop2Click()
{
    // The flag is handed to the native window as it is: QWidget's own
    // setWindowFlags would hide and re-create it, and the program would
    // lose its active window, its focus and with them every key.
    const Qt::WindowFlags flags = windowFlags() ^ Qt::WindowStaysOnTopHint;
    overrideWindowFlags(flags);
    if (QWindow* native = windowHandle()) native->setFlags(flags);
    UpdateActions();
}

void TFrmMain::AboutClick()
{
    if (dialogs_) dialogs_->About()->exec();
}

void TFrmMain::sbtnCalcClick()
{
    // Whether the calculator starts is not examined: nothing is reported.
    QStringList arguments = QProcess::splitCommand(calculatorPath_);
    if (arguments.isEmpty()) return;
    const QString program = arguments.takeFirst();
    QProcess::startDetached(program, arguments);
}

void TFrmMain::PrintClick()
{
    PrintOnDefaultPrinter(this);
}

void TFrmMain::NumberFormatClick()
{
    view_->ToggleNumberFormat();
}

void TFrmMain::DefinitionsClick()
{
    view_->ToggleDefinitions();
}

void TFrmMain::FindUnitClick()
{
    view_->OpenFilter();
}

void TFrmMain::FindAnywhereClick()
{
    findAnywhere_->Open();
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    // A value typed but not yet confirmed is kept, as if the field had been
    // left; an unreadable one is dropped silently.
    if (TCategory* c = view_->CurrentCategory()) {
        try {
            c->Value = controls_.EntryValue->Number();
        } catch (const std::exception&) {
        }
    }
    QWidget::closeEvent(event);
}

void TFrmMain::UpdateRatesClick()
{
    // Currency, installed again, is the last category: show it.
    if (UpdateRatesCommand(this, *ratesDialog_)) controls_.LBCategories->setCurrentRow(Catalogue.CategoryCount() - 1);
    RefreshView();
}

}  // namespace qv
