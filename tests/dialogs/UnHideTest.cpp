#include "DialogTestSupport.h"

#include "dialogs/UnHide.h"
#include "support/ModalScript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace qv::test {
namespace {

class UnHideTest : public DialogTest {
protected:
    TCategory& LengthWithHiddenUnits()
    {
        return AddCategory("Length", {{"m", "meters", 1.0L},
                                      {"ft", "feet", 0.3048L, true},
                                      {"km", "kilometers", 1000.0L},
                                      {"in", "inches", 0.0254L, true},
                                      {"mi", "miles", 1609.344L, true}});
    }

    static std::vector<bool> HiddenFlags(const TCategory& c)
    {
        std::vector<bool> hidden;
        for (std::int32_t i = 0; i < c.UnitCount(); ++i) hidden.push_back(c.UnitAt(i).Hidden);
        return hidden;
    }

    static QStringList Entries(QListWidget* list)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
        return entries;
    }

    TfrmShowHidden showHidden;
};

TEST_F(UnHideTest, CtrlAThenEnterMakesEveryUnitVisible)
{
    TCategory& c = LengthWithHiddenUnits();

    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("All of the Units to the left are currently hidden. "
                                 "Select the units you would like to unhide then hit OK."));
        auto* list = Control<QListWidget>(dialog, "UnitList");
        EXPECT_EQ(Entries(list), QStringList({QStringLiteral("ft (feet)"), QStringLiteral("in (inches)"),
                                              QStringLiteral("mi (miles)")}));
        EXPECT_TRUE(list->selectedItems().isEmpty());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(dialog->focusWidget(), list);
        EXPECT_FALSE(Control<QPushButton>(dialog, "Button1")->isEnabled());
        EXPECT_EQ(list->contextMenuPolicy(), Qt::NoContextMenu);

        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(list->selectedItems().size(), 3);
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button1")->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
    });

    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(c.VisibleUnitCount(), c.UnitCount());
}

// OK waits until the user has acted in the list; it then closes, whether or
// not anything was selected.
TEST_F(UnHideTest, OkIsEnabledByAMouseReleaseAndWithNothingSelectedChangesNothing)
{
    TCategory& c = LengthWithHiddenUnits();
    const std::vector<bool> before = HiddenFlags(c);

    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "UnitList");
        auto* ok = Control<QPushButton>(dialog, "Button1");
        QTest::keyClick(list, Qt::Key_Return);  // OK is disabled: nothing happens
        EXPECT_TRUE(dialog->isVisible());
        // Below the last entry: a release that selects nothing.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });

    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(HiddenFlags(c), before);
}

// The release of a key pressed before the dialog opened (the key that opened
// it) is not the user acting in the list.
TEST_F(UnHideTest, OnlyAKeyPressedInTheListEnablesOk)
{
    TCategory& c = LengthWithHiddenUnits();

    QStringList chosen;
    ModalScript script;
    script.then([&chosen](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "UnitList");
        auto* ok = Control<QPushButton>(dialog, "Button1");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier);
        QApplication::sendEvent(list, &release);
        EXPECT_FALSE(ok->isEnabled());

        QTest::keyClick(list, Qt::Key_End);  // selects the last entry
        EXPECT_TRUE(ok->isEnabled());
        for (const QListWidgetItem* item : list->selectedItems()) chosen << item->text();
        ok->click();
    });

    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(chosen, QStringList{QStringLiteral("mi (miles)")});
    EXPECT_FALSE(c.UnitAt(4).Hidden);
    EXPECT_TRUE(c.UnitAt(1).Hidden);
    EXPECT_TRUE(c.UnitAt(3).Hidden);
}

TEST_F(UnHideTest, CancelChangesNothingAndTheNextShowingStartsAfresh)
{
    TCategory& c = LengthWithHiddenUnits();
    const std::vector<bool> before = HiddenFlags(c);

    ModalScript cancelled;
    cancelled.then([](QWidget* dialog) {
        QTest::keyClick(Control<QListWidget>(dialog, "UnitList"), Qt::Key_A, Qt::ControlModifier);
        Control<QPushButton>(dialog, "Button2")->click();
    });
    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Rejected);
    EXPECT_TRUE(cancelled.done());
    EXPECT_EQ(HiddenFlags(c), before);

    ModalScript chosen;
    chosen.then([](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "UnitList");
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_FALSE(Control<QPushButton>(dialog, "Button1")->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Accepted);
    EXPECT_TRUE(chosen.done());
    EXPECT_FALSE(c.UnitAt(4).Hidden);

    ModalScript afterwards;
    afterwards.then([](QWidget* dialog) {
        // A unit made visible is no longer offered.
        EXPECT_EQ(Entries(Control<QListWidget>(dialog, "UnitList")),
                  QStringList({QStringLiteral("ft (feet)"), QStringLiteral("in (inches)")}));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(ExecWithWatchdog(showHidden), QDialog::Rejected);
    EXPECT_TRUE(afterwards.done());
}

}  // namespace
}  // namespace qv::test
