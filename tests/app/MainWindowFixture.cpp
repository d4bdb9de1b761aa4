// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"
#include "dialogs/InstallCat.h"
#include "expr/NumberText.h"
#include "widgets/DataEdit.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace qv::test {

void MainWindowFixture::SetUp()
{
    ResetPackageState();
    SetDecimalSeparator('.');
}

void MainWindowFixture::TearDown()
{
    window.reset();
    ResetPackageState();
    SetDecimalSeparator('.');
}

void MainWindowFixture::Open(const std::vector<std::string>& categories)
{
    ProgramDir = dir.path();
    Catalogue.Caption = "Custom Category";
    PackageCaptions = {"Custom Category"};
    PackageFiles = {""};
    std::vector<std::string> work = categories;
    BuildBuiltInCategories(Catalogue, work, dir.path());
    installer = new TfrmInstallCat;
    window = std::make_unique<TFrmMain>(installer);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void MainWindowFixture::WithDialogs()
{
    dialogs = CreateEditingDialogs(window.get());
    window->SetDialogs(&dialogs);
}

int MainWindowFixture::RowOf(const QString& label) const
{
    for (int row = 0; row < Grid()->rowCount(); ++row)
        if (Grid()->item(row, 0) && Grid()->item(row, 0)->text() == label) return row;
    return -1;
}

QString MainWindowFixture::ValueOf(const QString& label) const
{
    const int row = RowOf(label);
    return row < 0 ? QStringLiteral("<none>") : Grid()->item(row, 1)->text();
}

QString MainWindowFixture::Status(int panel) const
{
    return Find<QLabel>(panel == 0 ? "StatusPanel0" : "StatusPanel1")->text();
}

void MainWindowFixture::SelectCategory(int row)
{
    QListWidget* list = Categories();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void MainWindowFixture::ClickRow(int row)
{
    QTableWidget* grid = Grid();
    grid->scrollToItem(grid->item(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, 0)).center());
}

void MainWindowFixture::DoubleClickRow(int row)
{
    QTableWidget* grid = Grid();
    grid->scrollToItem(grid->item(row, 0));
    const QPoint at = grid->visualItemRect(grid->item(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

void MainWindowFixture::EnterValue(const QString& text)
{
    auto* field = Find<TDataEdit>("EntryValue");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void MainWindowFixture::Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    // The offscreen platform does not give the focus back to the main window
    // when a dialog closes, as a window manager does; keys need it.
    if (!target->window()->isActiveWindow()) {
        target->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(target->window()));
        // A window re-created by a change of its flags is active for the
        // platform before QApplication hears of it.
        if (!target->window()->isActiveWindow()) QApplication::setActiveWindow(target->window());
    }
    target->setFocus();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace qv::test
