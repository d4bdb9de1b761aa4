// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a screen reader sees it: each control a person can operate
// has an accessible name, a labelled control is named by its label's words,
// a tool button is described by its hint, and the list of units is a table
// of two named columns.
#include "MainWindowFixture.h"
#include "dialogs/About.h"
#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "dialogs/BaseUnitChange.h"
#include "dialogs/UnHide.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>

namespace qv::test {
namespace {

QAccessibleInterface* Accessible(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// The name a screen reader announces: the one given to the control, else
// the one Qt derives (a button's text). A drop-down list's derived name is
// its current entry, so it must be given one.
QString Name(QWidget* w)
{
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    QAccessibleInterface* face = Accessible(w);
    return face ? face->text(QAccessible::Name) : QString();
}

// A label's words: without the access-key mark and the closing ":" or ".".
QString Words(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.remove(QRegularExpression(QStringLiteral("[:.]$")));
}

// What a keyboard or pointer user operates; scroll bars belong to their list.
bool IsControl(const QWidget* w)
{
    if (qobject_cast<const QScrollBar*>(w)) return false;
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w);
}

void ExpectNamedControls(QWidget* window)
{
    SCOPED_TRACE(window->windowTitle().toStdString());
    int controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !IsControl(w)) continue;
        ++controls;
        const QString name = Name(w);
        EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className() << " " << w->objectName().toStdString();
        EXPECT_NE(name, w->objectName()) << "named by its object name";
    }
    EXPECT_GT(controls, 0);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() && !label->text().isEmpty()) {
            EXPECT_EQ(Name(label->buddy()), Words(label->text().simplified()));
        }
    }
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (!button->isVisibleTo(window) || button->toolTip().isEmpty()) continue;
        EXPECT_EQ(Name(button), button->toolTip());
        EXPECT_EQ(Accessible(button)->text(QAccessible::Description), button->toolTip());
    }
}

class Accessibility : public MainWindowFixture {
protected:
    std::vector<QDialog*> Dialogs()
    {
        return {dialogs.NewCategory(), dialogs.AddUnit(), dialogs.NewBaseUnit(), dialogs.ShowHidden(), dialogs.About()};
    }
};

TEST_F(Accessibility, EveryWindowNamesItsControls)
{
    Open();
    WithDialogs();
    ExpectNamedControls(window.get());
    Press(Grid(), Qt::Key_D);  // the definitions button's hint changes
    ExpectNamedControls(window.get());
    Press(Grid(), Qt::Key_K, Qt::ControlModifier);  // Find Anywhere
    ExpectNamedControls(window.get());
    ExpectNamedControls(installer);
    for (QDialog* dialog : Dialogs()) {
        dialog->show();
        ExpectNamedControls(dialog);
        dialog->hide();
    }
}

TEST_F(Accessibility, UnitListIsATableOfTwoNamedColumns)
{
    Open({"Length"});
    QAccessibleInterface* grid = Accessible(Grid());
    ASSERT_NE(grid->tableInterface(), nullptr);
    QAccessibleTableInterface* table = grid->tableInterface();
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->rowCount(), Grid()->rowCount());
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("List of Units"));
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("Converted Values"));
    const int row = RowOf(QStringLiteral("ft (feet)"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(table->cellAt(row, 1)->text(QAccessible::Name), ValueOf(QStringLiteral("ft (feet)")));
}

// Every line of label text is as high as the font needs: nothing cut at
// the bottom (descenders) at any screen scale, since the layout is in
// logical pixels.
TEST_F(Accessibility, LabelsAreHighEnoughForTheirFont)
{
    Open();
    WithDialogs();
    std::vector<QWidget*> windows{window.get(), installer};
    for (QDialog* dialog : Dialogs()) windows.push_back(dialog);
    for (QWidget* w : windows) {
        w->show();
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            const int lines = label->wordWrap() ? 1 : int(label->text().count(QLatin1Char('\n'))) + 1;
            EXPECT_GE(label->contentsRect().height(), lines * label->fontMetrics().height())
                << w->windowTitle().toStdString() << ": " << label->objectName().toStdString() << " '"
                << label->text().toStdString() << "'";
        }
        if (w != window.get()) w->hide();
    }
}

}  // namespace
}  // namespace qv::test
