// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DataEdit.h"

#include "catalogue/Errors.h"
#include "expr/Evaluator.h"
#include "expr/NumberText.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "ui/Keys.h"
#include "widgets/LengthLimit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QTimer>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace qv {

namespace {

// Outcomes of the value checks; they carry no message and never leave
// ValidateOnExit.
class EIntError : public EQuantovaError {
public:
    EIntError() : EQuantovaError("") {}
};

class EMinError : public EQuantovaError {
public:
    EMinError() : EQuantovaError("") {}
};

class EMaxError : public EQuantovaError {
public:
    EMaxError() : EQuantovaError("") {}
};

class EMinExclusiveError : public EQuantovaError {
public:
    EMinExclusiveError() : EQuantovaError("") {}
};

constexpr Extended Int32Min = -2147483648.0L;
constexpr Extended Int32Max = 2147483647.0L;
constexpr int MaxTextLength = 32767;

Extended ClampToInt32(Extended x)
{
    return x < Int32Min ? Int32Min : x > Int32Max ? Int32Max : x;
}

// Set while a field pulls the focus back after its message. The control that
// held the focus meanwhile was never really entered, so it must not validate;
// two invalid fields would otherwise hand the focus back and forth for ever.
bool returningFocus = false;

// The symbols that stand for "X", "X1" and "X2" of one kind (force or length).
struct SymbolKind {
    QChar letter;
    const char* symbols[3];
};

// Replaces one kind of token: "X2" when present, otherwise "X1", otherwise
// every bare "X".
void ReplaceKind(QString& text, const SymbolKind& kind)
{
    const QString two = QString(kind.letter) + QLatin1Char('2');
    const QString one = QString(kind.letter) + QLatin1Char('1');
    if (text.contains(two))
        text.replace(two, QLatin1String(kind.symbols[2]));
    else if (text.contains(one))
        text.replace(one, QLatin1String(kind.symbols[1]));
    else
        text.replace(kind.letter, QLatin1String(kind.symbols[0]));
}

const SymbolKind ForceSymbols[2] = {
    {QLatin1Char('F'), {"lbs", "kips", "tons"}},
    {QLatin1Char('F'), {"kN", "kN", "kN"}},
};
const SymbolKind LengthSymbols[2] = {
    {QLatin1Char('L'), {"in", "in", "ft"}},
    {QLatin1Char('L'), {"m", "mm", "m"}},
};

// Drops the mouse press that is being delivered. A click elsewhere in the
// window that moved the focus out of a field whose exit showed a message must
// not go on to act: its release went to the message box, so a button would
// stay pressed, and a click on a dialog's button would act on a value the
// user was just asked to correct. Lives until the event loop runs again.
class PressDropper : public QObject {
public:
    PressDropper()
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
        qApp->removeEventFilter(this);
        return true;
    }
};

// An operator typed over a fully selected value continues the expression.
bool IsOperator(const QString& typed)
{
    return typed.size() == 1 && QStringLiteral("+-/*^=%!").contains(typed.front());
}

}  // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent)
{
    // QLineEdit's own limit would keep the part of a long paste that fits,
    // which reads as a different expression; the validator refuses it whole.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LengthLimit(MaxTextLength, this));
    // Queued: the message box must not open in the middle of the edit.
    connect(this, &QLineEdit::inputRejected, this, &TDataEdit::RefuseTooLong, Qt::QueuedConnection);
    setText(QStringLiteral("0"));
}

Extended TDataEdit::ExtendedBound()
{
    Extended bound = 0;
    if (!TryReadNumberAnySeparator(ExtendedBoundText, bound))
        throw std::logic_error("the extended bound text does not read as a number");
    return bound;
}

void TDataEdit::LoadProperties(const TDataEditProps& props)
{
    QScopedValueRollback<bool> loading(loading_, true);
    SetIntegerOnly(props.IntegerOnly);
    SetCaption(props.Caption);
    SetEditLabel(props.EditLabel);
    SetHex(props.Hex);
    SetMaxVal(props.MaxVal);
    SetMinVal(props.MinVal);
    if (props.Number) SetNumber(*props.Number);
    SetUnitsString(props.UnitsString);
    SetUnits(props.Units);
}

void TDataEdit::SetIntegerOnly(bool on)
{
    integerOnly_ = on;
    if (on && !loading_) {
        SetMaxVal(maxVal_);
        SetMinVal(minVal_);
    }
}

void TDataEdit::SetCaption(const QString& caption)
{
    caption_ = caption;
    UpdateLabel();
}

void TDataEdit::SetEditLabel(QLabel* label)
{
    label_ = label;
    if (!label) return;
    label->setBuddy(this);
    UpdateLabel();
}

void TDataEdit::SetMinVal(Extended x)
{
    if (loading_) {
        minVal_ = x;
        return;
    }
    if (x > maxVal_) x = maxVal_;
    if (integerOnly_) x = ClampToInt32(x);
    minVal_ = x;
    if (x > Number()) SetNumber(x);
}

void TDataEdit::SetMaxVal(Extended x)
{
    if (loading_) {
        maxVal_ = x;
        return;
    }
    if (x < minVal_) x = minVal_;
    if (integerOnly_) x = ClampToInt32(x);
    // The value is pulled down while the old maximum still holds.
    if (Number() > x) SetNumber(x);
    maxVal_ = x;
}

Extended TDataEdit::Number() const
{
    return EvaluateExpression(FromQ(text()));
}

void TDataEdit::SetNumber(Extended v)
{
    if (!loading_) {
        if (v < minVal_) v = minVal_;
        if (v > maxVal_) v = maxVal_;
    }
    setText(ToQ(DisplayText(v, hex_)));
}

void TDataEdit::SetUnitsString(const QString& units)
{
    unitsString_ = units;
    UpdateLabel();
}

void TDataEdit::SetUnits(int units)
{
    units_ = units < 1 ? 1 : units > 3 ? 3 : units;
    UpdateLabel();
}

QString TDataEdit::ExpandUnitsString() const
{
    QString text = unitsString_;
    if (units_ == 1 || units_ == 2) {
        ReplaceKind(text, ForceSymbols[units_ - 1]);
        ReplaceKind(text, LengthSymbols[units_ - 1]);
    }
    return text;
}

void TDataEdit::UpdateLabel()
{
    if (!label_) return;
    label_->setEnabled(isEnabled());
    if (unitsString_.isEmpty())
        label_->setText(caption_);
    else
        label_->setText(caption_ + QStringLiteral(" (") + ExpandUnitsString() + QLatin1Char(')'));
}

bool TDataEdit::ValidateOnExit()
{
    // The field's own message box takes the focus; that must not start a
    // second validation, nor may an exit callback that moves the focus.
    if (validating_) return false;
    QScopedValueRollback<bool> validating(validating_, true);

    if (onExit_) onExit_();

    QString message;
    try {
        const Extended v = Number();
        if (integerOnly_ && v != std::trunc(v)) throw EIntError();
        if (minExclusive_ && v <= minVal_) throw EMinExclusiveError();
        if (v < minVal_) throw EMinError();
        if (v > maxVal_) throw EMaxError();
        setText(ToQ(DisplayText(v, hex_)));
        return true;
    } catch (const EAssignError& e) {
        message = integerOnly_ ? QString::fromLatin1(msg::EntryNotValidInteger) : MessageToQ(e.what());
    } catch (const EIntError&) {
        message = QString::fromLatin1(msg::EntryNotInteger);
    } catch (const EMinError&) {
        SetNumber(minVal_);
        message = QString::fromLatin1(msg::EntryBelowMin) + ToQ(DisplayText(minVal_, hex_));
    } catch (const EMinExclusiveError&) {
        message = QString::fromLatin1(msg::EntryNotAboveMin) + ToQ(DisplayText(minVal_, hex_));
    } catch (const EMaxError&) {
        SetNumber(maxVal_);
        message = QString::fromLatin1(msg::EntryAboveMax) + ToQ(DisplayText(maxVal_, hex_));
    }
    ShowInformation(message);
    TakeFocusBack();
    return false;
}

void TDataEdit::ShowInformation(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(msg::InformationTitle), message, QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("InformationBox"));
    box.exec();
}

void TDataEdit::RefuseTooLong()
{
    RunGuarded(this, [this] {
        ShowInformation(MessageToQ(msg::EntryTooLong));
        TakeFocusBack();
    });
}

void TDataEdit::TakeFocusBack()
{
    if (!isVisible()) return;
    QScopedValueRollback<bool> returning(returningFocus, true);
    window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

// Enter validates like leaving the field and then selects the value, so that
// the next number typed replaces it and an operator continues it. An accepted
// entry lets Enter go on to the window, where a dialog's default button acts
// on the value just checked; a refused one keeps Enter here, so no dialog
// acts on a value the user is asked to correct.
void TDataEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        bool accepted = false;
        RunGuarded(this, [&] {
            accepted = ValidateOnExit();
            selectAll();
        });
        event->setAccepted(!accepted);
        return;
    }
    RunGuarded(this, [&] {
        if (IsOperator(event->text()) && selectionLength() == text().size()) setCursorPosition(text().size());
        QLineEdit::keyPressEvent(event);
    });
}

void TDataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a popup menu does not leave the
    // field; Tab or a click elsewhere in the window does.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || returningFocus) return;
    bool accepted = false;
    RunGuarded(this, [&] { accepted = ValidateOnExit(); });
    if (!accepted && reason == Qt::MouseFocusReason) new PressDropper;
}

void TDataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) RunGuarded(this, [this] { UpdateLabel(); });
}

}  // namespace qv
