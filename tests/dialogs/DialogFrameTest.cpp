// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/About.h"
#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "dialogs/BaseUnitChange.h"
#include "dialogs/InstallCat.h"
#include "dialogs/UnHide.h"

#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace qv::test {
namespace {

template <typename T>
std::unique_ptr<QDialog> Make()
{
    return std::make_unique<T>();
}

struct FrameRow {
    const char* Title;
    std::unique_ptr<QDialog> (*Make)();
    QSize Client;
    const char* DefaultButton;
    const char* CancelButton;  // nullptr: none
};

// Every dialog has its fixed client size, a title bar without buttons, a
// default button, and stands in the middle of the screen from the start.
TEST(DialogFrameTest, FixedSizeCentredWithoutTitleBarButtons)
{
    const FrameRow rows[] = {
        {"Add New Category", Make<TFrmNewCategory>, {201, 86}, "BtnAddCategory", "BtnCancelAddCategory"},
        {"Add New Unit", Make<TFrmAddUnit>, {227, 151}, "Button1", "Button2"},
        {"Select Default Unit", Make<TfrmNewBaseUnit>, {362, 110}, "Button1", nullptr},
        {"Show Hidden Units", Make<TfrmShowHidden>, {362, 102}, "Button1", "Button2"},
        {"About Quantova", Make<TfrmAbout>, {350, 180}, "Button1", nullptr},
        {"Quantova - Installing Categories", Make<TfrmInstallCat>, {244, 265}, "Button1", "Button2"},
    };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (const FrameRow& row : rows) {
        SCOPED_TRACE(row.Title);
        const std::unique_ptr<QDialog> dialog = row.Make();
        EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(row.Title));
        EXPECT_EQ(dialog->minimumSize(), row.Client);
        EXPECT_EQ(dialog->maximumSize(), row.Client);
        EXPECT_EQ(dialog->size(), row.Client);
        EXPECT_EQ(dialog->pos(), QPoint(screen.x() + screen.width() / 2 - row.Client.width() / 2,
                                        screen.y() + screen.height() / 2 - row.Client.height() / 2));
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
        EXPECT_FALSE(flags &
                     (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
        EXPECT_TRUE(Control<QPushButton>(dialog.get(), row.DefaultButton)->isDefault());
        if (row.CancelButton) {
            EXPECT_EQ(Control<QPushButton>(dialog.get(), row.CancelButton)->text(), QStringLiteral("Cancel"));
        }
        for (const QWidget* child : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            SCOPED_TRACE(child->objectName().toStdString());
            EXPECT_TRUE(dialog->rect().contains(child->geometry())) << "outside the client area";
        }
    }
}

}  // namespace
}  // namespace qv::test
