// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestSupport.h"

#include "dialogs/AddUnit.h"
#include "widgets/DataEdit.h"

namespace qv::test {
namespace {

class AddUnitTest : public DialogTest {
protected:
    static QLineEdit* Symbol(QWidget* dialog) { return Control<QLineEdit>(dialog, "Edit1"); }
    static QLineEdit* Definition(QWidget* dialog) { return Control<QLineEdit>(dialog, "Edit3"); }
    static TDataEdit* Factor(QWidget* dialog) { return Control<TDataEdit>(dialog, "Edit2"); }
    static QPushButton* Add(QWidget* dialog) { return Control<QPushButton>(dialog, "Button1"); }

    TFrmAddUnit addUnit;
};

// Typed as a person would: symbol, Tab, definition, Tab, factor, Enter. The
// question names the default unit, wherever it stands, and the factor is
// relative to it.
TEST_F(AddUnitTest, TypingSymbolDefinitionAndFactorThenEnterAddsTheUnit)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}, {"cm", "centimeters", 0.01L}});
    c.SetDefaultUnit(1);

    const int result = Exec(addUnit, [](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("How many cm equal this unit?"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("ft"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("feet"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), Factor(dialog));
        QTest::keyClicks(dialog->focusWidget(), QStringLiteral("12*2.54"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });

    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(c.UnitCount(), 3);
    EXPECT_EQ(c.UnitAt(2).Symbol, "ft");
    EXPECT_EQ(c.UnitAt(2).Definition, "feet");
    EXPECT_EQ(c.UnitAt(2).Factor, 12.0L * 2.54L);
    EXPECT_TRUE(c.UnitAt(2).Custom);
    EXPECT_EQ(c.DefaultIndex, 1);
}

// What the model raises (a taken symbol, an arithmetic fault) is shown by
// the general error display, a factor the field cannot read by the field's
// own box with the focus back in the field. Either way nothing is added and
// the fields stay as typed.
TEST_F(AddUnitTest, RefusedUnitsAreReportedAndTheFieldsStayAsTyped)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}});
    const char* const unreadable = "Entry could not be evaluated:\ninvalid character(s) in expression";
    const struct {
        const char* Symbol;
        const char* Factor;
        bool ByEnter;     // in the factor field, else a click on Add
        bool ByTheField;  // the field's information box, else the general error display
        const char* Text;
    } rows[] = {
        {"m", "1609.344", true, false, "m already exists. A unit's symbol must be unique."},
        {"M", "1/0", false, false, "Floating point division by zero."},  // letter case makes another symbol
        {"M", "(1+2", false, true, unreadable},
        {"M", "(1+2", true, true, unreadable},
        // A unit of size 0 could be converted neither from nor to.
        {"M", "0", true, true, "Entry must be greater than 0"},
        {"M", "1-1", false, true, "Entry must be greater than 0"},
        {"M", "-2", false, true, "Entry must be greater than 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Factor);
        SeenBox seen;
        ModalScript script;
        script.then([&row](QWidget* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            QTest::keyClicks(Symbol(dialog), QString::fromLatin1(row.Symbol));
            QTest::keyClicks(Definition(dialog), QStringLiteral("mile?"));
            Factor(dialog)->setText(QString::fromLatin1(row.Factor));
            if (row.ByEnter) {
                Factor(dialog)->setFocus();
                QTest::keyClick(Factor(dialog), Qt::Key_Return);
            } else {
                Add(dialog)->click();
            }
        });
        script.thenMessageBox(&seen);
        script.then([&row](QWidget* dialog) {
            EXPECT_EQ(Symbol(dialog)->text(), QString::fromLatin1(row.Symbol));
            EXPECT_EQ(Definition(dialog)->text(), QStringLiteral("mile?"));
            EXPECT_EQ(Factor(dialog)->text(), QString::fromLatin1(row.Factor));
            if (row.ByTheField) {
                EXPECT_EQ(dialog->focusWidget(), Factor(dialog));
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(Exec(addUnit, script), QDialog::Rejected);
        EXPECT_EQ(seen.title, QString::fromLatin1(row.ByTheField ? "Information" : "Quantova"));
        EXPECT_EQ(seen.icon, row.ByTheField ? QMessageBox::Information : QMessageBox::Critical);
        EXPECT_EQ(seen.text, QString::fromLatin1(row.Text));
    }
    EXPECT_EQ(c.UnitCount(), 1);
}

// After a first unit (factor fixed at 1) and a cancelled entry, the next
// showing starts afresh: empty fields, an editable factor of 1, the question.
// Cancel and Esc close at once, without the factor field first checking a
// factor that no longer matters (a click on a button leaves the focus where
// it is), nor once the dialog is gone.
TEST_F(AddUnitTest, EachShowingStartsAfreshAndLeavingDoesNotCheckTheFactor)
{
    TCategory& c = AddCategory("Area", {});
    const int first = Exec(addUnit, [](QWidget* dialog) {
        QTest::keyClicks(Symbol(dialog), QStringLiteral("m\xB2"));
        Add(dialog)->click();
    });
    EXPECT_EQ(first, QDialog::Accepted);

    const int cancelled = Exec(addUnit, [](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        // Add is enabled exactly while the symbol is not empty.
        QTest::keyClicks(Definition(dialog), QStringLiteral("are"));
        QTest::keyClick(Definition(dialog), Qt::Key_Return);  // Add is disabled: nothing happens
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClicks(Symbol(dialog), QStringLiteral("a"));
        EXPECT_TRUE(Add(dialog)->isEnabled());
        QTest::keyClick(Symbol(dialog), Qt::Key_Backspace);
        EXPECT_FALSE(Add(dialog)->isEnabled());
        QTest::keyClicks(Symbol(dialog), QStringLiteral("a"));
        Factor(dialog)->setFocus();
        Factor(dialog)->setText(QStringLiteral("x"));
        QTest::mouseClick(Control<QPushButton>(dialog, "Button2"), Qt::LeftButton);
    });
    EXPECT_EQ(cancelled, QDialog::Rejected);

    const int escaped = Exec(addUnit, [](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("How many m\u00B2 equal this unit?"));
        EXPECT_TRUE(Symbol(dialog)->text().isEmpty());
        EXPECT_TRUE(Definition(dialog)->text().isEmpty());
        EXPECT_TRUE(Factor(dialog)->isEnabled());
        EXPECT_EQ(Factor(dialog)->text(), QStringLiteral("1"));
        EXPECT_FALSE(Add(dialog)->isEnabled());
        EXPECT_EQ(dialog->focusWidget(), Symbol(dialog));
        Factor(dialog)->setFocus();
        Factor(dialog)->setText(QStringLiteral("x"));
        QTest::keyClick(Factor(dialog), Qt::Key_Escape);
    });
    EXPECT_EQ(escaped, QDialog::Rejected);

    SeenBox late;
    ModalScript afterwards;
    afterwards.thenMessageBox(&late);
    QTest::qWait(50);
    EXPECT_FALSE(late.seen) << late.text.toStdString();
    ASSERT_EQ(c.UnitCount(), 1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "m\xB2");
}

}  // namespace
}  // namespace qv::test
