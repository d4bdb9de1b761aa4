// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/AddCat.h"
#include "dialogs/AddUnit.h"
#include "widgets/DataEdit.h"

namespace qv::test {
namespace {

class AddCatTest : public DialogTest {
protected:
    AddCatTest() { newCategory.SetAddUnitDialog(&addUnit); }

    // Types `name` over the field's text and presses Add.
    static void AddNamed(QWidget* dialog, const QString& name)
    {
        auto* field = Control<QLineEdit>(dialog, "EdtNewCategory");
        field->selectAll();
        QTest::keyClicks(field, name);
        Control<QPushButton>(dialog, "BtnAddCategory")->click();
    }

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
        dialog->close();
        QTest::keyClick(name, Qt::Key_Return);  // Add is disabled: nothing happens
        EXPECT_TRUE(dialog->isVisible());

        QTest::keyClicks(name, QStringLiteral("Length"));
        EXPECT_TRUE(add->isEnabled());
        QTest::keyClick(name, Qt::Key_Return);
    });
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("(This is the default unit for Length.)"));
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        EXPECT_EQ(factor->text(), QStringLiteral("1"));
        EXPECT_FALSE(factor->isEnabled());
        EXPECT_FALSE(Control<QPushButton>(dialog, "Button2")->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible());

        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("ft"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(Exec(newCategory, script), QDialog::Accepted);
    ASSERT_EQ(Catalogue.CategoryCount(), 1);
    const TCategory& c = Catalogue.CategoryAt(0);
    EXPECT_EQ(c.Name, "Length");
    ASSERT_EQ(c.UnitCount(), 1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "ft");
    EXPECT_EQ(c.UnitAt(0).Factor, 1.0L);
    EXPECT_EQ(c.DefaultIndex, 0);
    EXPECT_EQ(TargetCategoryIndex, 0);
}

// Once there are categories, Cancel and Esc leave without adding anything.
// A name is taken only when it matches exactly; blanks are a name like any
// other. The new category goes after the others and becomes the target.
// Each showing starts with an empty name.
TEST_F(AddCatTest, CancelAddsNothingATakenNameIsReportedAndAnyOtherIsAppendedAsTyped)
{
    AddCategory("Length", {{"m", "meters", 1.0L}});
    AddCategory("Mass", {{"kg", "kilograms", 1.0L}});
    const int cancelled = Exec(newCategory, [](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "EdtNewCategory");
        auto* add = Control<QPushButton>(dialog, "BtnAddCategory");
        QTest::keyClicks(name, QStringLiteral("Area"));
        EXPECT_TRUE(add->isEnabled());
        name->clear();
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClicks(name, QStringLiteral("Area"));
        Control<QPushButton>(dialog, "BtnCancelAddCategory")->click();
    });
    EXPECT_EQ(cancelled, QDialog::Rejected);

    for (const char* typed : {"  ", "length"}) {
        SCOPED_TRACE(typed);
        TargetCategoryIndex = 0;
        SeenBox error;
        ModalScript script;
        script.then([](QWidget* dialog) {
            EXPECT_TRUE(Control<QLineEdit>(dialog, "EdtNewCategory")->text().isEmpty());
            EXPECT_FALSE(Control<QPushButton>(dialog, "BtnAddCategory")->isEnabled());
            AddNamed(dialog, QStringLiteral("Length"));
        });
        script.thenMessageBox(&error);
        script.then([typed](QWidget* dialog) {
            EXPECT_EQ(Control<QLineEdit>(dialog, "EdtNewCategory")->text(), QStringLiteral("Length"));
            AddNamed(dialog, QString::fromLatin1(typed));
        });
        script.then([typed](QWidget* dialog) {
            EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(),
                      QStringLiteral("(This is the default unit for %1.)").arg(QString::fromLatin1(typed)));
            QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("x"));
            QTest::keyClick(Control<QLineEdit>(dialog, "Edit1"), Qt::Key_Return);
        });

        const std::int32_t before = Catalogue.CategoryCount();
        EXPECT_EQ(Exec(newCategory, script), QDialog::Accepted);
        EXPECT_EQ(error.title, QStringLiteral("Quantova"));
        EXPECT_EQ(error.icon, QMessageBox::Critical);
        EXPECT_EQ(error.text, QStringLiteral("Length already exists."));
        ASSERT_EQ(Catalogue.CategoryCount(), before + 1);
        EXPECT_EQ(Catalogue.CategoryAt(before).Name, typed);
        EXPECT_EQ(TargetCategoryIndex, before);
    }

    const int escaped = Exec(newCategory, [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(escaped, QDialog::Rejected);
    EXPECT_EQ(Catalogue.CategoryCount(), 4);
}

}  // namespace
}  // namespace qv::test
