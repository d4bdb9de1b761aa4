// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numeric entry field: a one-line edit for a number or an expression.
//
// Leaving the field (Tab, a click elsewhere in the window) or pressing Enter
// in it runs the owner's exit callback, then evaluates the text, checks the
// value against the field's options and bounds and writes it back in display
// form, so '2*3' becomes '6'. A text the field cannot accept is reported in an
// information box; a bound that was crossed is written into the field; the
// focus comes back so the user can correct the entry. Nothing is filtered
// while typing, but a paste or keystroke that would make the text longer than
// 32,767 characters is refused whole, with a message.
//
// The field keeps an optional caption label in step with itself: its text
// (the caption with unit symbols) and its enabled state.

#include "catalogue/Extended.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

namespace qv {

namespace msg {
inline constexpr const char* InformationTitle = "Information";
inline constexpr const char* EntryNotValidInteger = "Entry must be a valid integer.";
inline constexpr const char* EntryNotInteger = "Entry must be an integer.";
inline constexpr const char* EntryBelowMin = "Entry must be greater than or equal to ";
inline constexpr const char* EntryNotAboveMin = "Entry must be greater than ";
inline constexpr const char* EntryAboveMax = "Entry must be less than or equal to ";
inline constexpr const char* EntryTooLong =
    "Entry is too long: a value or expression may have at most 32767 characters.\rThe text was not inserted.";
}  // namespace msg

// The properties a form stores for a field, applied by LoadProperties.
struct TDataEditProps {
    bool IntegerOnly = false;
    QString Caption;
    QLabel* EditLabel = nullptr;
    bool Hex = false;
    Extended MaxVal = 0;
    Extended MinVal = 0;
    std::optional<Extended> Number;
    QString UnitsString;
    int Units = 1;
};

class TDataEdit : public QLineEdit {
    Q_OBJECT

public:
    // A new field shows "0" and accepts only 0 (MinVal = MaxVal = 0).
    explicit TDataEdit(QWidget* parent = nullptr);

    // The bound meaning "any value": the value of the text
    // 1.1897314953572317599E+4932, just below the largest extended value.
    static Extended ExtendedBound();

    // Applies a form's stored properties in the order IntegerOnly, Caption,
    // EditLabel, Hex, MaxVal, MinVal, Number, UnitsString, Units. Meanwhile
    // the bound, number and IntegerOnly setters only store (the number is
    // still written as display text): a field loaded with 2..18 and number 1
    // shows "1".
    void LoadProperties(const TDataEditProps& props);

    // The value must be a whole number. Turning it on pulls both bounds into
    // the 32-bit signed range (MaxVal first); may raise as SetMaxVal does.
    bool IntegerOnly() const { return integerOnly_; }
    void SetIntegerOnly(bool on);

    // The caption label's text; "&" marks its access key.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The caption label, not owned. The label's access key moves the focus
    // here. nullptr only forgets the label.
    QLabel* EditLabel() const { return label_; }
    void SetEditLabel(QLabel* label);

    // Values are shown as "$" hexadecimal 32-bit integers ('$00FF'). Only
    // stored: the text changes at the next validation or SetNumber.
    bool Hex() const { return hex_; }
    void SetHex(bool on) { hex_ = on; }

    // Smallest accepted value. Held at or below MaxVal (and in 32 bits when
    // IntegerOnly); a current value below it is raised to it. Reads the
    // current number, so an unreadable text raises the evaluator's error
    // (the bound has been stored by then).
    Extended MinVal() const { return minVal_; }
    void SetMinVal(Extended x);
    // MinVal itself is refused too ("Entry must be greater than 0"); the
    // text is then left as typed, since no bound can be written in.
    bool MinExclusive() const { return minExclusive_; }
    void SetMinExclusive(bool on) { minExclusive_ = on; }

    // Largest accepted value. Held at or above MinVal (and in 32 bits when
    // IntegerOnly); a current value above it is pulled down to it. Raises as
    // SetMinVal does, and then keeps the old bound.
    Extended MaxVal() const { return maxVal_; }
    void SetMaxVal(Extended x);

    // The value of the current text; raises EAssignError for a text the
    // evaluator cannot read and the arithmetic errors for a faulty one.
    Extended Number() const;
    // Shows v, held within MinVal..MaxVal, in display form. Raises EInvalidOp
    // when Hex is on and v does not fit 32 bits.
    void SetNumber(Extended v);

    // Unit template for the caption label: "F", "F1", "F2" stand for force
    // symbols and "L", "L1", "L2" for length symbols of the set Units picks.
    QString UnitsString() const { return unitsString_; }
    void SetUnitsString(const QString& units);

    // 1: lbs, kips, tons, in, in, ft; 2: kN, kN, kN, m, mm, m; 3: the
    // template as it is. Held to 1..3.
    int Units() const { return units_; }
    void SetUnits(int units);

    // The unit template with the symbols of the current set: 'F/L2' gives
    // 'lbs/ft' with set 1. Of F2, F1 and F only the first kind found is
    // replaced, likewise for L; letters are matched case-sensitively.
    QString ExpandUnitsString() const;

    // Brings the caption label in step: enabled with the field, text Caption
    // or Caption + " (" + expanded units + ")". Nothing without a label.
    void UpdateLabel();

    // The owner's work on leaving the field. It runs before the field's own
    // checks, and an error it raises ends the exit processing.
    void SetOnExit(std::function<void()> onExit) { onExit_ = std::move(onExit); }

    // What leaving the field does: the owner's exit callback, then the checks.
    // A text that does not evaluate, a fraction where a whole number is
    // needed, or a value beyond a bound is reported in an information box
    // (the bound written into the field) and the focus comes back; true when
    // the value was accepted and written back in display form. Errors from
    // the exit callback and arithmetic faults are raised. A call made while
    // the field is already validating does nothing and returns false.
    bool ValidateOnExit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowInformation(const QString& message);
    void RefuseTooLong();
    void TakeFocusBack();

    bool integerOnly_ = false;
    QString caption_;
    QPointer<QLabel> label_;
    bool hex_ = false;
    Extended maxVal_ = 0;
    Extended minVal_ = 0;
    bool minExclusive_ = false;
    QString unitsString_;
    int units_ = 1;
    std::function<void()> onExit_;
    bool loading_ = false;
    bool validating_ = false;
};

}  // namespace qv
