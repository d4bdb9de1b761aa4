#include "DialogTestSupport.h"

#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qv::test {
namespace {

class AddCatTest : public DialogTest {
protected:
    AddCatTest() { newCategory.SetAddUnitDialog(&addUnit); }

    TFrmAddUnit addUnit;
    TFrmNewCategory newCategory;
};

// The only way out of an empty catalogue is a category with its first unit,
// which becomes the default with factor 1.
TEST_F(AddCatTest, EmptyCatalogueCanOnlyBeLeftByAddingACategoryAndItsFirstUnit)
{
    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "EdtNewCategory");
        auto* add = Control<QPushButton>(dialog, "BtnAddCategory");
        EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Please enter a new category name."));
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(dialog->focusWidget(), name);
        EXPECT_FALSE(Control<QPushButton>(dialog, "BtnCancelAddCategory")->isEnabled());
        EXPECT_FALSE(add->isEnabled());

        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        dialog->close();
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(name, Qt::Key_Return);  // Add is disabled: nothing happens
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(Catalogue.CategoryCount(), 0);

        QTest::keyClicks(name, QStringLiteral("Length"));
        EXPECT_TRUE(add->isEnabled());
        Post(dialog, [name] { QTest::keyClick(name, Qt::Key_Return); });
    });
    script.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("FrmAddUnit"));
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("(This is the default unit for Length.)"));
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        EXPECT_EQ(factor->text(), QStringLiteral("1"));
        EXPECT_FALSE(factor->isEnabled());
        EXPECT_FALSE(Control<QPushButton>(dialog, "Button2")->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible());

        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("ft"));
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit3"), QStringLiteral("feet"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(ExecWithWatchdog(newCategory), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    ASSERT_EQ(Catalogue.CategoryCount(), 1);
    const TCategory& c = Catalogue.CategoryAt(0);
    EXPECT_EQ(c.Name, "Length");
    ASSERT_EQ(c.UnitCount(), 1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "ft");
    EXPECT_EQ(c.UnitAt(0).Definition, "feet");
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(TargetCategoryIndex, 0);
}

TEST_F(AddCatTest, NewCategoryIsAppendedAfterTheOthersWithItsNameExactlyAsTyped)
{
    AddCategory("Length", {{"m", "meters", 1.0L}});
    AddCategory("Mass", {{"kg", "kilograms", 1.0L}});
    TargetCategoryIndex = 0;

    ModalScript script;
    script.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "EdtNewCategory"), QStringLiteral("  "));
        Post(dialog, [dialog] { Control<QPushButton>(dialog, "BtnAddCategory")->click(); });
    });
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("(This is the default unit for   .)"));
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("x"));
        QTest::keyClick(Control<QLineEdit>(dialog, "Edit1"), Qt::Key_Return);
    });

    EXPECT_EQ(ExecWithWatchdog(newCategory), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    ASSERT_EQ(Catalogue.CategoryCount(), 3);
    EXPECT_EQ(Catalogue.CategoryAt(2).Name, "  ");
    EXPECT_EQ(Catalogue.CategoryAt(2).UnitCount(), 1);
    EXPECT_EQ(TargetCategoryIndex, 2);
}

TEST_F(AddCatTest, TakenNameIsReportedAndTheDialogStaysOpenWithTheName)
{
    AddCategory("Length", {{"m", "meters", 1.0L}});

    SeenBox error;
    ModalScript script;
    script.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "EdtNewCategory"), QStringLiteral("Length"));
        Post(dialog, [dialog] { Control<QPushButton>(dialog, "BtnAddCategory")->click(); });
    });
    script.thenMessageBox(&error);
    script.then([](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "EdtNewCategory");
        EXPECT_EQ(dialog->objectName(), QStringLiteral("FrmNewCategory"));
        EXPECT_EQ(name->text(), QStringLiteral("Length"));
        EXPECT_EQ(Catalogue.CategoryCount(), 1);
        // Letter case makes another name.
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("length"));
        Post(dialog, [name] { QTest::keyClick(name, Qt::Key_Return); });
    });
    script.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("m"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(ExecWithWatchdog(newCategory), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(error.title, QStringLiteral("Quantova"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, QStringLiteral("Length already exists."));
    ASSERT_EQ(Catalogue.CategoryCount(), 2);
    EXPECT_EQ(Catalogue.CategoryAt(1).Name, "length");
}

TEST_F(AddCatTest, CancelAddsNothingAndTheNextShowingStartsEmpty)
{
    AddCategory("Length", {{"m", "meters", 1.0L}});

    ModalScript first;
    first.then([](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "EdtNewCategory");
        auto* add = Control<QPushButton>(dialog, "BtnAddCategory");
        EXPECT_TRUE(Control<QPushButton>(dialog, "BtnCancelAddCategory")->isEnabled());
        QTest::keyClicks(name, QStringLiteral("Mass"));
        EXPECT_TRUE(add->isEnabled());
        name->clear();
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClicks(name, QStringLiteral("Mass"));
        Control<QPushButton>(dialog, "BtnCancelAddCategory")->click();
    });
    EXPECT_EQ(ExecWithWatchdog(newCategory), QDialog::Rejected);
    EXPECT_TRUE(first.done());

    ModalScript second;
    second.then([](QWidget* dialog) {
        EXPECT_TRUE(Control<QLineEdit>(dialog, "EdtNewCategory")->text().isEmpty());
        EXPECT_FALSE(Control<QPushButton>(dialog, "BtnAddCategory")->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(ExecWithWatchdog(newCategory), QDialog::Rejected);
    EXPECT_TRUE(second.done());
    EXPECT_EQ(Catalogue.CategoryCount(), 1);
}

}  // namespace
}  // namespace qv::test
