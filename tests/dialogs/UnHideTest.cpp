// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/UnHide.h"

#include <QApplication>
#include <QKeyEvent>

#include <vector>

namespace qv::test {
namespace {

class UnHideTest : public DialogTest {
protected:
    UnHideTest()
        : c(AddCategory("Length", {{"m", "meters", 1.0L},
                                   {"ft", "feet", 0.3048L, true},
                                   {"km", "kilometers", 1000.0L},
                                   {"in", "inches", 0.0254L, true},
                                   {"mi", "miles", 1609.344L, true}}))
    {
    }

    std::vector<bool> HiddenFlags() const
    {
        std::vector<bool> hidden;
        for (std::int32_t i = 0; i < c.UnitCount(); ++i) hidden.push_back(c.UnitAt(i).Hidden);
        return hidden;
    }

    TCategory& c;
    TfrmShowHidden showHidden;
};

TEST_F(UnHideTest, CtrlAThenEnterMakesEveryUnitVisible)
{
    const int result = Exec(showHidden, [](QWidget* dialog) {
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

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(c.VisibleUnitCount(), c.UnitCount());
}

// OK waits until the user has acted in the list, and then closes whether or
// not anything was selected; the release of a key pressed before the dialog
// opened (the key that opened it) is not acting in the list. Each showing
// starts afresh; OK unhides exactly the units chosen, which are no longer
// offered, and Cancel changes nothing.
TEST_F(UnHideTest, OkIsEnabledByActingInTheListAndUnhidesExactlyTheChosenUnits)
{
    const std::vector<bool> before = HiddenFlags();
    const int nothingChosen = Exec(showHidden, [](QWidget* dialog) {
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
    EXPECT_EQ(nothingChosen, QDialog::Accepted);
    EXPECT_EQ(HiddenFlags(), before);

    const int cancelled = Exec(showHidden, [](QWidget* dialog) {
        QTest::keyClick(Control<QListWidget>(dialog, "UnitList"), Qt::Key_A, Qt::ControlModifier);
        Control<QPushButton>(dialog, "Button2")->click();
    });
    EXPECT_EQ(cancelled, QDialog::Rejected);
    EXPECT_EQ(HiddenFlags(), before);

    const int chosen = Exec(showHidden, [](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "UnitList");
        auto* ok = Control<QPushButton>(dialog, "Button1");
        EXPECT_TRUE(list->selectedItems().isEmpty());
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier);
        QApplication::sendEvent(list, &release);
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClick(list, Qt::Key_End);  // selects "mi (miles)"
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(chosen, QDialog::Accepted);
    EXPECT_EQ(HiddenFlags(), (std::vector<bool>{false, true, false, true, false}));

    const int escaped = Exec(showHidden, [](QWidget* dialog) {
        EXPECT_EQ(Entries(Control<QListWidget>(dialog, "UnitList")),
                  QStringList({QStringLiteral("ft (feet)"), QStringLiteral("in (inches)")}));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(escaped, QDialog::Rejected);
}

}  // namespace
}  // namespace qv::test
