// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DataEdit.h"

#include "expr/Evaluator.h"
#include "expr/NumberText.h"
#include "support/ModalScript.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

using test::ModalScript;
using test::SeenBox;

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// What a form stores for a field with these bounds.
TDataEditProps Range(Extended minVal, Extended maxVal, bool integerOnly = false, bool hex = false)
{
    TDataEditProps props;
    props.IntegerOnly = integerOnly;
    props.Hex = hex;
    props.MaxVal = maxVal;
    props.MinVal = minVal;
    return props;
}

// Adds a step that fails the test if another modal window opens.
void NoFurtherBox(ModalScript& script)
{
    script.then([](QWidget* modal) {
        ADD_FAILURE() << "unexpected window '" << modal->windowTitle().toStdString() << "'";
        qobject_cast<QDialog*>(modal)->reject();
    });
}

// A window with the caption label, the field and a second field that Tab
// moves to; each field counts the calls of its exit callback.
class DataEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDecimalSeparator('.');
        auto* layout = new QVBoxLayout(&window);
        label = new QLabel(&window);
        field = new TDataEdit(&window);
        second = new TDataEdit(&window);
        layout->addWidget(label);
        layout->addWidget(field);
        layout->addWidget(second);
        field->SetOnExit([this] { ++exits; });
        second->SetOnExit([this] { ++secondExits; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { SetDecimalSeparator('.'); }

    // Types `text` into the emptied field, with its window active (closing
    // a message box gives no window the activation on the offscreen platform).
    void Type(const QString& text)
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        field->clear();
        exits = secondExits = 0;
        QTest::keyClicks(field, text);
    }

    // Types `text` and leaves the field with Tab; `box` records the message
    // box that follows, if any, and no second one may open.
    void TypeAndTab(const QString& text, SeenBox* box)
    {
        ModalScript script;
        script.thenMessageBox(box);
        NoFurtherBox(script);
        Type(text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    const Extended big = TDataEdit::ExtendedBound();
    QWidget window;
    QLabel* label = nullptr;
    TDataEdit* field = nullptr;
    TDataEdit* second = nullptr;
    int exits = 0;
    int secondExits = 0;
};

TEST_F(DataEditTest, LeavingTheFieldChecksAndRewritesTheEntry)
{
    struct Case {
        const char* name;
        char separator;
        bool integerOnly, hex;
        Extended minVal, maxVal;
        const char *typed, *shown, *message;  // no message: accepted
    };
    const std::vector<Case> cases = {
        {"precision: fraction", '.', true, false, 2, 18, "2.5", "2.5", "Entry must be an integer."},
        {"precision: unreadable", '.', true, false, 2, 18, "abc", "abc", "Entry must be a valid integer."},
        {"precision: above max", '.', true, false, 2, 18, "20", "18", "Entry must be less than or equal to 18"},
        {"precision: below min", '.', true, false, 2, 18, "1", "2", "Entry must be greater than or equal to 2"},
        {"precision: expression", '.', true, false, 2, 18, "3*4", "12", ""},
        {"factor: negative", '.', false, false, 0, big, "-1", "0", "Entry must be greater than or equal to 0"},
        {"value: open group", '.', false, false, -big, big, "(1+2", "(1+2",
         "Entry could not be evaluated:\ninvalid character(s) in expression"},
        {"value: one third", '.', false, false, -big, big, "1/3", "0.333333333333333333", ""},
        {"value: one third, comma", ',', false, false, -big, big, "1/3", "0,333333333333333333", ""},
        {"value: comma read", ',', false, false, -big, big, "1,5*2", "3", ""},
        {"value: comma bound", ',', false, false, 0.5L, 10, "0,25", "0,5",
         "Entry must be greater than or equal to 0,5"},
        {"hex: byte", '.', false, true, -big, big, "255", "$00FF", ""},
        {"hex: minus one", '.', false, true, -big, big, "-1", "$FFFFFFFF", ""},
        {"hex: typed in lower case", '.', false, true, 0, big, "$1f", "$001F", ""},
        {"hex: above max", '.', false, true, 0, 255, "$100", "$00FF", "Entry must be less than or equal to $00FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetDecimalSeparator(c.separator);
        field->LoadProperties(Range(c.minVal, c.maxVal, c.integerOnly, c.hex));
        SeenBox box;
        TypeAndTab(Q(c.typed), &box);
        EXPECT_EQ(field->text(), Q(c.shown));
        EXPECT_EQ(exits, 1);
        EXPECT_EQ(box.seen, *c.message != 0);
        if (box.seen) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return field->hasFocus(); }, 2000)) << "focus back in the field";
            EXPECT_EQ(box.text, Q(c.message));
            EXPECT_EQ(box.title, QStringLiteral("Information"));
            EXPECT_EQ(box.icon, QMessageBox::Information);
            // The field that held the focus meanwhile was never entered.
            EXPECT_EQ(secondExits, 0);
        } else {
            EXPECT_TRUE(second->hasFocus());
        }
    }
}

TEST_F(DataEditTest, OwnerErrorsAndArithmeticFaultsReachTheGeneralErrorDisplay)
{
    struct Case {
        const char* name;
        bool ownerReadsNumber;
        const char *typed, *message;
    };
    const std::vector<Case> cases = {
        {"owner reads an unreadable text", true, "abc",
         "Entry could not be evaluated:\ninvalid character(s) in expression."},
        {"division by zero", false, "1/0", "Floating point division by zero."},
    };
    field->LoadProperties(Range(-big, big));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        field->SetOnExit([&] {
            ++exits;
            if (c.ownerReadsNumber) field->Number();
        });
        SeenBox box;
        TypeAndTab(Q(c.typed), &box);
        EXPECT_EQ(box.title, QStringLiteral("Quantova"));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.text, Q(c.message));
        EXPECT_EQ(field->text(), Q(c.typed));
        EXPECT_EQ(exits, 1);
    }
}

TEST_F(DataEditTest, BoundsAndNumberHoldEachOtherInRangeAndIntegerOnlyIn32Bits)
{
    field->SetMaxVal(18);
    field->SetMinVal(2);
    EXPECT_EQ(field->text(), QStringLiteral("2")) << "a new minimum raises the value";
    field->SetNumber(100);
    EXPECT_EQ(field->text(), QStringLiteral("18"));
    field->SetNumber(-5);
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    field->SetNumber(15);
    field->SetMaxVal(10);
    EXPECT_EQ(field->text(), QStringLiteral("10"));
    field->SetMinVal(50);
    EXPECT_EQ(field->MinVal(), 10) << "a minimum never exceeds the maximum";
    field->SetMaxVal(1);
    EXPECT_EQ(field->MaxVal(), 10) << "a maximum never falls below the minimum";

    // Setting a bound reads the text; the minimum is stored before the read,
    // the maximum only after it.
    field->setText(QStringLiteral("abc"));
    EXPECT_THROW(field->SetMaxVal(20), EAssignError);
    EXPECT_EQ(field->MaxVal(), 10);
    EXPECT_THROW(field->SetMinVal(5), EAssignError);
    EXPECT_EQ(field->MinVal(), 5);

    field->SetNumber(7);
    field->SetMaxVal(big);
    field->SetMinVal(-big);
    field->SetIntegerOnly(true);
    EXPECT_EQ(field->MinVal(), -2147483648.0L);
    EXPECT_EQ(field->MaxVal(), 2147483647.0L);
}

TEST_F(DataEditTest, LoadingStoresWithoutClampingWhereSettersWould)
{
    TDataEditProps precision = Range(2, 18, true);
    precision.Caption = QStringLiteral("&Precision:");
    precision.EditLabel = label;
    precision.Number = 1;
    field->LoadProperties(precision);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    EXPECT_EQ(field->MinVal(), 2);
    EXPECT_EQ(label->text(), QStringLiteral("&Precision:"));

    TDataEdit runtime(&window);
    runtime.SetIntegerOnly(true);
    runtime.SetMaxVal(18);
    runtime.SetMinVal(2);
    runtime.SetNumber(1);
    EXPECT_EQ(runtime.text(), QStringLiteral("2"));
}

TEST_F(DataEditTest, ExtendedBoundIsJustBelowTheLargestValueWhateverTheSeparator)
{
    EXPECT_LT(big, MaxExtended);
    EXPECT_GT(big, MaxExtended * (1 - 1E-17L));
    SetDecimalSeparator(',');
    EXPECT_EQ(TDataEdit::ExtendedBound(), big);
}

TEST_F(DataEditTest, LabelShowsCaptionWithUnitsAndFollowsTheField)
{
    struct Case {
        const char* name;
        const char* units;
        int set;
        const char* label;
    };
    const std::vector<Case> cases = {
        {"no units", "", 1, "&Force"},
        {"force, set 2", "F", 2, "&Force (kN)"},
        {"per length, set 1", "F/L2", 1, "&Force (lbs/ft)"},
        {"per length, set 2", "F/L2", 2, "&Force (kN/m)"},
        {"numbered kinds", "F1/L1", 2, "&Force (kN/mm)"},
        {"F2 before F", "F2*L", 1, "&Force (tons*in)"},
        {"one force kind only", "F2/F", 1, "&Force (tons/F)"},
        {"every occurrence", "F*F/L", 1, "&Force (lbs*lbs/in)"},
        {"case-sensitive", "f/l", 1, "&Force (f/l)"},
        {"set 3 as written", "F/L2", 3, "&Force (F/L2)"},
        {"set 0 is held to 1", "F", 0, "&Force (lbs)"},
        {"set 7 is held to 3", "F", 7, "&Force (F)"},
    };
    field->SetEditLabel(label);
    field->SetCaption(QStringLiteral("&Force"));
    for (const Case& c : cases) {
        field->SetUnitsString(Q(c.units));
        field->SetUnits(c.set);
        EXPECT_EQ(label->text(), Q(c.label)) << c.name;
    }

    field->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    field->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());

    second->setFocus();
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(field->hasFocus()) << "the label's access key moves to the field";
}

TEST_F(DataEditTest, EnterValidatesOnceSelectsAndAnOperatorContinuesTheValue)
{
    field->LoadProperties(Range(-big, big));
    ModalScript script;
    NoFurtherBox(script);
    Type(QStringLiteral("2*3"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(field->text(), QStringLiteral("6"));
    EXPECT_EQ(field->selectedText(), QStringLiteral("6"));

    QTest::keyClicks(field, QStringLiteral("*2"));
    EXPECT_EQ(field->text(), QStringLiteral("6*2"));

    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_7);
    EXPECT_EQ(field->text(), QStringLiteral("7")) << "a digit replaces the selected value";
    EXPECT_EQ(exits, 2);
}

TEST_F(DataEditTest, ExitCallbackThatMovesTheFocusDoesNotValidateTwice)
{
    field->LoadProperties(Range(-big, big));
    field->SetOnExit([this] {
        ++exits;
        second->setFocus();
    });
    Type(QStringLiteral("2*3"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(field->text(), QStringLiteral("6"));
}

TEST_F(DataEditTest, SwitchingWindowsIsNotLeavingTheField)
{
    field->LoadProperties(Range(-big, big));
    Type(QStringLiteral("2*3"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(field->text(), QStringLiteral("2*3"));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(field->text(), QStringLiteral("6"));
}

// The field that Tab moved to gets the focus back from the window manager
// before the refused field takes it again; it was never really entered, so
// its own refused text must not start a second message.
TEST_F(DataEditTest, TwoRefusedFieldsDoNotPassTheFocusBackAndForth)
{
    field->LoadProperties(Range(-big, big));
    second->setText(QStringLiteral("xyz"));
    QString message;
    ModalScript script;
    script.then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        message = box->text();
        box->button(QMessageBox::Ok)->click();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    });
    script.then([&](QWidget* modal) {
        ADD_FAILURE() << "a second message: " << qobject_cast<QMessageBox*>(modal)->text().toStdString();
        field->setText(QStringLiteral("0"));  // ends the exchange
        second->setText(QStringLiteral("0"));
        qobject_cast<QDialog*>(modal)->reject();
    });
    Type(QStringLiteral("abc"));
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(message, QStringLiteral("Entry could not be evaluated:\ninvalid character(s) in expression"));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(secondExits, 0);
}

// The field holds 32,767 characters; an edit that would make it longer is
// refused whole with a message, never cut into a different expression.
TEST_F(DataEditTest, AnEditBeyondTheLengthLimitIsRefusedWhole)
{
    const QString full = QStringLiteral("1+").repeated(16383) + QStringLiteral("1");  // 32,767 characters
    struct Case {
        const char* name;
        QString before;
        bool selectAll;
        QString clipboard;  // pasted with Ctrl+V; empty: "1" is typed at the end
        bool refused;
    };
    const std::vector<Case> cases = {
        {"paste of 100,001 characters", QStringLiteral("5"), false,
         QStringLiteral("1+").repeated(50000) + QStringLiteral("1"), true},
        {"paste that just fits", QStringLiteral("1"), false, full.mid(1), false},
        {"paste one beyond", QStringLiteral("12"), false, full.mid(1), true},
        {"paste over a selection", full, true, QStringLiteral("2*3"), false},
        {"typing at the limit", full, false, QString(), true},
    };
    field->LoadProperties(Range(-big, big));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeenBox box;
        ModalScript script;
        script.thenMessageBox(&box);
        field->setFocus();
        field->setText(c.before);
        if (c.selectAll) field->selectAll();
        if (c.clipboard.isEmpty()) {
            QTest::keyClick(field, Qt::Key_1);
        } else {
            QGuiApplication::clipboard()->setText(c.clipboard);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        }
        QCoreApplication::processEvents();  // the message is shown once the edit is over
        EXPECT_EQ(box.seen, c.refused);
        if (c.refused) {
            EXPECT_TRUE(field->text() == c.before) << "changed to " << field->text().size() << " characters";
            EXPECT_EQ(box.title, QStringLiteral("Information"));
            EXPECT_EQ(box.text, QStringLiteral("Entry is too long: a value or expression may have at most 32767 "
                                               "characters.\nThe text was not inserted."));
        } else {
            EXPECT_TRUE(field->text() == (c.selectAll ? c.clipboard : c.before + c.clipboard));
        }
    }
}

// In a dialog, Enter on an accepted entry goes on to the default button; on a
// refused one it stays in the field. A click on a button is treated alike.
TEST(DataEditDialogTest, EnterOrAClickReachesTheButtonOnlyForAnAcceptedEntry)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* factor = new TDataEdit(&dialog);
    auto* add = new QPushButton(QStringLiteral("Add"), &dialog);
    layout->addWidget(factor);
    layout->addWidget(add);
    add->setDefault(true);
    int adds = 0;
    QObject::connect(add, &QPushButton::clicked, [&] { ++adds; });
    TDataEditProps props = Range(0, TDataEdit::ExtendedBound());
    props.Number = 1;
    factor->LoadProperties(props);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    factor->setFocus();

    factor->clear();
    QTest::keyClicks(factor, QStringLiteral("12*2.54"));
    QTest::keyClick(factor, Qt::Key_Return);
    EXPECT_EQ(factor->text(), QStringLiteral("30.48"));
    EXPECT_EQ(adds, 1);

    SeenBox box;
    ModalScript script;
    script.thenMessageBox(&box);
    factor->clear();
    QTest::keyClicks(factor, QStringLiteral("-1"));
    QTest::keyClick(factor, Qt::Key_Return);
    EXPECT_EQ(box.text, QStringLiteral("Entry must be greater than or equal to 0"));
    EXPECT_EQ(factor->text(), QStringLiteral("0"));
    EXPECT_EQ(adds, 1);

    // A click on the button that leaves a refused entry goes no further.
    SeenBox clickBox;
    script.thenMessageBox(&clickBox);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(factor->hasFocus());
    factor->clear();
    QTest::keyClicks(factor, QStringLiteral("-5"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(clickBox.text, QStringLiteral("Entry must be greater than or equal to 0"));
    EXPECT_EQ(adds, 1);
    EXPECT_FALSE(add->isDown());
    ASSERT_TRUE(QTest::qWaitFor([factor] { return factor->hasFocus(); }, 2000));

    // Once the entry is accepted, the click acts.
    factor->setText(QStringLiteral("2+3"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(factor->text(), QStringLiteral("5"));
    EXPECT_EQ(adds, 2);
}

}  // namespace
}  // namespace qv
