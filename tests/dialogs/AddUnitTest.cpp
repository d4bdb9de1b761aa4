#include "DialogTestSupport.h"

#include "dialogs/AddUnit.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qv::test {
namespace {

class AddUnitTest : public DialogTest {
protected:
    // Adds the unit typed as a person would: symbol, Tab, definition, Tab,
    // factor, Enter.
    static void TypeUnit(QWidget* dialog, const char* symbol, const char* definition, const char* factor)
    {
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::keyClicks(dialog->focusWidget(), QString::fromLatin1(symbol));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog->focusWidget(), QString::fromLatin1(definition));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog->focusWidget(), Control<TDataEdit>(dialog, "Edit2"));
        QTest::keyClicks(dialog->focusWidget(), QString::fromLatin1(factor));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    }

    TFrmAddUnit addUnit;
};

TEST_F(AddUnitTest, TypingSymbolDefinitionAndFactorThenEnterAddsTheUnit)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}});

    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("How many m equal this unit?"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(dialog->focusWidget(), Control<QLineEdit>(dialog, "Edit1"));
        EXPECT_TRUE(Control<TDataEdit>(dialog, "Edit2")->isEnabled());
        EXPECT_EQ(Control<TDataEdit>(dialog, "Edit2")->text(), QStringLiteral("1"));
        TypeUnit(dialog, "km", "kilometers", "1000");
    });

    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    ASSERT_EQ(c.UnitCount(), 2);
    EXPECT_EQ(c.UnitAt(1).Symbol, "km");
    EXPECT_EQ(c.UnitAt(1).Definition, "kilometers");
    EXPECT_EQ(c.UnitAt(1).Factor, 1000.0L);
    EXPECT_TRUE(c.UnitAt(1).Custom);
    EXPECT_EQ(c.DefaultIndex, 0);
}

// The question names the default unit, wherever it stands, and the factor
// is relative to it.
TEST_F(AddUnitTest, FactorIsAskedInTheDefaultUnitAndMayBeAnExpression)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}, {"cm", "centimeters", 0.01L}});
    c.SetDefaultUnit(1);

    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("How many cm equal this unit?"));
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("ft"));
        factor->selectAll();
        QTest::keyClicks(factor, QStringLiteral("12*2.54"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    ASSERT_EQ(c.UnitCount(), 3);
    EXPECT_EQ(c.UnitAt(2).Symbol, "ft");
    EXPECT_EQ(c.UnitAt(2).Definition, "");
    EXPECT_EQ(c.UnitAt(2).Factor, 12.0L * 2.54L);
}

TEST_F(AddUnitTest, AddIsEnabledExactlyWhileTheSymbolIsNotEmpty)
{
    AddCategory("Length", {{"m", "meters", 1.0L}});

    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* symbol = Control<QLineEdit>(dialog, "Edit1");
        auto* definition = Control<QLineEdit>(dialog, "Edit3");
        auto* add = Control<QPushButton>(dialog, "Button1");
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClicks(definition, QStringLiteral("kilometers"));
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClick(definition, Qt::Key_Return);  // Enter does nothing while Add is disabled
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClicks(symbol, QStringLiteral("k"));
        EXPECT_TRUE(add->isEnabled());
        QTest::keyClick(symbol, Qt::Key_Backspace);
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClick(definition, Qt::Key_Backspace);
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });

    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Rejected);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
}

// What the model raises, a taken symbol or an arithmetic fault in the factor,
// is shown by the general error display; the dialog stays open as it was.
TEST_F(AddUnitTest, ModelErrorsAreReportedAndTheFieldsStayAsTyped)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}});

    SeenBox taken;
    SeenBox fault;
    ModalScript script;
    script.then([](QWidget* dialog) {
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("m"));
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit3"), QStringLiteral("mile?"));
        factor->setFocus();
        factor->selectAll();
        QTest::keyClicks(factor, QStringLiteral("1609.344"));
        Post(dialog, [factor] { QTest::keyClick(factor, Qt::Key_Return); });
    });
    script.thenMessageBox(&taken);
    script.then([](QWidget* dialog) {
        auto* symbol = Control<QLineEdit>(dialog, "Edit1");
        EXPECT_EQ(symbol->text(), QStringLiteral("m"));
        EXPECT_EQ(Control<QLineEdit>(dialog, "Edit3")->text(), QStringLiteral("mile?"));
        EXPECT_EQ(Control<TDataEdit>(dialog, "Edit2")->text(), QStringLiteral("1609.344"));
        // Letter case makes another symbol.
        symbol->setText(QStringLiteral("M"));
        Control<TDataEdit>(dialog, "Edit2")->setText(QStringLiteral("1/0"));
        Post(dialog, [dialog] { Control<QPushButton>(dialog, "Button1")->click(); });
    });
    script.thenMessageBox(&fault);
    script.then([](QWidget* dialog) {
        EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
        Control<TDataEdit>(dialog, "Edit2")->setText(QStringLiteral("1609.344"));
        Control<QPushButton>(dialog, "Button1")->click();
    });

    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(taken.title, QStringLiteral("Quantova"));
    EXPECT_EQ(taken.icon, QMessageBox::Critical);
    EXPECT_EQ(taken.text, QStringLiteral("m already exists. A unit's symbol must be unique."));
    EXPECT_EQ(fault.title, QStringLiteral("Quantova"));
    EXPECT_EQ(fault.text, QStringLiteral("Floating point division by zero."));
    ASSERT_EQ(c.UnitCount(), 2);
    EXPECT_EQ(c.UnitAt(1).Symbol, "M");
    EXPECT_EQ(c.UnitAt(1).Factor, 1609.344L);
}

// A factor the field refuses is reported by the field and nothing is added,
// whether Add is clicked or Enter is pressed in the field.
TEST_F(AddUnitTest, UnreadableFactorIsReportedByTheFieldAndNothingIsAdded)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}});

    SeenBox byClick;
    SeenBox byEnter;
    ModalScript script;
    script.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("km"));
        Control<TDataEdit>(dialog, "Edit2")->setText(QStringLiteral("(1+2"));
        Post(dialog, [dialog] { Control<QPushButton>(dialog, "Button1")->click(); });
    });
    script.thenMessageBox(&byClick);
    script.then([](QWidget* dialog) {
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        EXPECT_EQ(dialog->focusWidget(), factor);
        EXPECT_EQ(factor->text(), QStringLiteral("(1+2"));
        EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
        Post(dialog, [factor] { QTest::keyClick(factor, Qt::Key_Return); });
    });
    script.thenMessageBox(&byEnter);
    script.then([](QWidget* dialog) {
        auto* factor = Control<TDataEdit>(dialog, "Edit2");
        EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
        factor->setText(QStringLiteral("(1+2)*500"));
        QTest::keyClick(factor, Qt::Key_Return);
    });

    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Accepted);
    EXPECT_TRUE(script.done());
    const QString expected = QStringLiteral("Entry could not be evaluated:\ninvalid character(s) in expression");
    EXPECT_EQ(byClick.title, QStringLiteral("Information"));
    EXPECT_EQ(byClick.text, expected);
    EXPECT_EQ(byEnter.text, expected);
    ASSERT_EQ(c.UnitCount(), 2);
    EXPECT_EQ(c.UnitAt(1).Factor, 1500.0L);
}

// Cancel and Esc close at once, without the factor field first checking a
// factor that no longer matters (a click on a button leaves the focus where
// it is).
TEST_F(AddUnitTest, LeavingDoesNotCheckTheFactor)
{
    TCategory& c = AddCategory("Length", {{"m", "meters", 1.0L}});
    for (const bool byClick : {true, false}) {
        SCOPED_TRACE(byClick ? "Cancel clicked" : "Esc");
        ModalScript script;
        script.then([byClick](QWidget* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("km"));
            auto* factor = Control<TDataEdit>(dialog, "Edit2");
            factor->setFocus();
            factor->setText(QStringLiteral("x"));
            if (byClick)
                Post(dialog, [dialog] { QTest::mouseClick(Control<QPushButton>(dialog, "Button2"), Qt::LeftButton); });
            else
                QTest::keyClick(factor, Qt::Key_Escape);
        });
        EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Rejected);
        EXPECT_TRUE(script.done());

        // Nor does the field complain once the dialog is gone.
        SeenBox late;
        ModalScript afterwards;
        afterwards.thenMessageBox(&late);
        QTest::qWait(50);
        EXPECT_FALSE(late.seen) << late.text.toStdString();
    }
    EXPECT_EQ(c.UnitCount(), 1);
}

// After a first unit (factor fixed) and a cancelled entry, the next showing
// starts afresh: empty fields, an editable factor of 1, the question.
TEST_F(AddUnitTest, EachShowingStartsAfresh)
{
    TCategory& c = AddCategory("Area", {});

    ModalScript first;
    first.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("m\xB2"));
        Control<QPushButton>(dialog, "Button1")->click();
    });
    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Accepted);
    EXPECT_TRUE(first.done());

    ModalScript second;
    second.then([](QWidget* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit1"), QStringLiteral("a"));
        QTest::keyClicks(Control<QLineEdit>(dialog, "Edit3"), QStringLiteral("are"));
        Control<TDataEdit>(dialog, "Edit2")->setText(QStringLiteral("100"));
        Control<QPushButton>(dialog, "Button2")->click();
    });
    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Rejected);
    EXPECT_TRUE(second.done());

    ModalScript third;
    third.then([](QWidget* dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, "Label2")->text(), QStringLiteral("How many m\u00B2 equal this unit?"));
        EXPECT_TRUE(Control<QLineEdit>(dialog, "Edit1")->text().isEmpty());
        EXPECT_TRUE(Control<QLineEdit>(dialog, "Edit3")->text().isEmpty());
        EXPECT_TRUE(Control<TDataEdit>(dialog, "Edit2")->isEnabled());
        EXPECT_EQ(Control<TDataEdit>(dialog, "Edit2")->text(), QStringLiteral("1"));
        EXPECT_FALSE(Control<QPushButton>(dialog, "Button1")->isEnabled());
        EXPECT_TRUE(Control<QPushButton>(dialog, "Button2")->isEnabled());
        EXPECT_EQ(dialog->focusWidget(), Control<QLineEdit>(dialog, "Edit1"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(ExecWithWatchdog(addUnit), QDialog::Rejected);
    EXPECT_TRUE(third.done());

    ASSERT_EQ(c.UnitCount(), 1);
    EXPECT_EQ(c.UnitAt(0).Symbol, "m\xB2");
}

}  // namespace
}  // namespace qv::test
