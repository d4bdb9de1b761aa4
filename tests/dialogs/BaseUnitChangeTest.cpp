// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/BaseUnitChange.h"

#include <cmath>
#include <vector>

namespace qv::test {
namespace {

class BaseUnitChangeTest : public DialogTest {
protected:
    // "Length" whose default unit, cm, has just been deleted: the factors
    // are still relative to it and ft is hidden.
    TCategory& LengthWithoutDefault()
    {
        TCategory& c = AddCategory("Length", {{"cm", "centimeters", 1.0L},
                                              {"m", "meters", 100.0L},
                                              {"ft", "feet", 30.48L, true},
                                              {"km", "kilometers", 100000.0L}});
        c.RemoveUnit(0);
        return c;
    }

    // Every conversion between two units of c, for a value of 7.
    static std::vector<Extended> AllConversions(TCategory& c)
    {
        std::vector<Extended> results;
        c.Value = 7.0L;
        for (std::int32_t from = 0; from < c.UnitCount(); ++from) {
            c.EntryIndex = from;
            for (std::int32_t to = 0; to < c.UnitCount(); ++to) results.push_back(c.ConvertTo(to));
        }
        return results;
    }

    TfrmNewBaseUnit newBaseUnit;
};

// Every unit is offered with the first one chosen; there is no way out but
// choosing.
TEST_F(BaseUnitChangeTest, OffersEveryUnitAndEnterTakesTheFirst)
{
    TCategory& c = LengthWithoutDefault();

    const int result = Exec(newBaseUnit, [](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(),
                  QStringLiteral("You have deleted the Default Unit for Length!\n\n"
                                 "Please select a new Default Unit from the available units at the left."));
        auto* list = Control<QListWidget>(dialog, "UnitList");
        EXPECT_EQ(Entries(list), QStringList({QStringLiteral("m (meters)"), QStringLiteral("ft (feet)"),
                                              QStringLiteral("km (kilometers)")}));
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->row(list->selectedItems().front()), 0);
        EXPECT_EQ(dialog->findChildren<QPushButton*>().size(), 1);

        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(list, Qt::Key_Return);
    });

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(c.UnitAt(2).Factor, 1000.0L);
}

// A hidden unit can become the default; the factors are rebased on it, so
// every conversion gives what it gave before.
TEST_F(BaseUnitChangeTest, ChoosingAHiddenUnitRebasesWithoutChangingConversions)
{
    TCategory& c = LengthWithoutDefault();
    const std::vector<Extended> before = AllConversions(c);

    const int result = Exec(newBaseUnit, [](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "UnitList");
        const QPoint ft = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ft);
        // A Ctrl+click cannot leave the list without a choice.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, ft);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->selectedItems().front()->text(), QStringLiteral("ft (feet)"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(c.DefaultIndex, 1);
    EXPECT_EQ(c.UnitAt(1).Factor, 1.0L);
    EXPECT_TRUE(c.UnitAt(1).Hidden);
    const std::vector<Extended> after = AllConversions(c);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(std::fabs(after[i] - before[i]), std::fabs(before[i]) * 1e-18L);
    }
}

// A unit of factor 0 cannot carry the others: the error is shown, nothing
// changes, and the user chooses again.
TEST_F(BaseUnitChangeTest, FailedRebaseIsReportedAndTheChoiceStaysOpen)
{
    TCategory& c = AddCategory("Odd", {{"u", "unit", 1.0L}, {"z", "zero", 0.0L}, {"d", "dozen", 12.0L}});
    c.RemoveUnit(0);

    SeenBox error;
    ModalScript script;
    script.then([](QWidget* dialog) { Control<QPushButton>(dialog, "Button1")->click(); });
    script.thenMessageBox(&error);
    script.then([&c](QWidget* dialog) {
        EXPECT_EQ(c.DefaultIndex, -1);
        EXPECT_EQ(c.UnitAt(1).Factor, 12.0L);
        Control<QListWidget>(dialog, "UnitList")->setCurrentRow(1);
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(Exec(newBaseUnit, script), QDialog::Accepted);
    EXPECT_EQ(error.title, QStringLiteral("Quantova"));
    EXPECT_EQ(error.text, QStringLiteral("z cannot be the default unit: its factor is 0."));
    EXPECT_EQ(c.DefaultIndex, 1);
    EXPECT_EQ(c.UnitAt(0).Factor, 0.0L);
}

}  // namespace
}  // namespace qv::test
