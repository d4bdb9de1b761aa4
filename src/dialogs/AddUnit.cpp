// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddUnit.h"

#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/TargetCategory.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"
#include "widgets/DataEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

namespace {
constexpr int ClientWidth = 227;
constexpr int ClientHeight = 151;
constexpr int Margin = 8;
constexpr int SymbolWidth = 60;
constexpr int DefinitionLeft = Margin + SymbolWidth + 6;
constexpr int DefinitionWidth = ClientWidth - Margin - DefinitionLeft;
constexpr int FullWidth = ClientWidth - 2 * Margin;
}  // namespace

TFrmAddUnit::TFrmAddUnit(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("FrmAddUnit"));
    setWindowTitle(ToQ(dialogtext::AddUnitTitle));
    LimitDialogFont(this);

    Label1 = MakeLabel(this, "Label1", {Margin, 5, FullWidth, 16}, Qt::AlignLeft | Qt::AlignVCenter);
    SetFittedText(Label1, dialogtext::AddUnitHeading);
    Label3 = MakeLabel(this, "Label3", {Margin, 23, SymbolWidth, 16}, Qt::AlignLeft | Qt::AlignVCenter);
    SetFittedText(Label3, dialogtext::SymbolLabel);
    Label4 = MakeLabel(this, "Label4", {DefinitionLeft, 23, DefinitionWidth, 16}, Qt::AlignLeft | Qt::AlignVCenter);
    SetFittedText(Label4, dialogtext::DefinitionLabel);
    Edit1 = MakeLineEdit(this, "Edit1", "Symbol", {Margin, 39, SymbolWidth, EditHeight});
    Edit3 = MakeLineEdit(this, "Edit3", "Definition", {DefinitionLeft, 39, DefinitionWidth, EditHeight});
    Label3->setBuddy(Edit1);
    Label4->setBuddy(Edit3);

    // Room for two lines; a one-line question sits just above the field.
    Label2 = MakeLabel(this, "Label2", {Margin, 64, FullWidth, 30}, Qt::AlignLeft | Qt::AlignBottom, true);
    Edit2 = new TDataEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("Factor"));
    Label2->setBuddy(Edit2);
    Edit2->setGeometry(Margin, 95, FullWidth, EditHeight);
    TDataEditProps props;
    props.MinVal = 0;
    props.MaxVal = TDataEdit::ExtendedBound();
    props.Number = 1;
    props.Hex = false;
    props.Units = 1;
    Edit2->LoadProperties(props);
    // A unit of size 0 could be converted neither from nor to.
    Edit2->SetMinExclusive(true);

    Button1 = MakeButton(this, "Button1", dialogtext::Add, {63, 121, ButtonWidth, ButtonHeight});
    Button1->setDefault(true);
    Button2 = MakeButton(this, "Button2", dialogtext::Cancel, {144, 121, ButtonWidth, ButtonHeight});
    // A click on a button leaves the focus where it is. Leaving the factor
    // field runs its check, whose message would swallow the click: Cancel
    // would first complain about a factor that no longer matters, and Add
    // checks the factor itself anyway.
    Button1->setFocusPolicy(Qt::TabFocus);
    Button2->setFocusPolicy(Qt::TabFocus);

    setTabOrder(Edit1, Edit3);
    setTabOrder(Edit3, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, Button2);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { RunGuarded(this, [this] { EditChange(); }); });
    connect(Edit3, &QLineEdit::textChanged, this, [this] { RunGuarded(this, [this] { EditChange(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { reject(); }); });

    SetFixedFrame(ClientWidth, ClientHeight);
}

bool TFrmAddUnit::CanCancel() const
{
    return Button2->isEnabled();
}

void TFrmAddUnit::FormShow()
{
    Edit1->clear();
    Edit3->clear();
    Button1->setEnabled(false);
    // Enabled until the category is known, so that a failed look-up does
    // not lock the user in.
    Button2->setEnabled(true);
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit2->setEnabled(true);
    Edit2->SetNumber(1.0L);

    const TCategory& c = Catalogue.CategoryAt(TargetCategoryIndex);
    Button2->setEnabled(c.UnitCount() > 0);
    if (c.UnitCount() > 0) {
        const TUnit& defaultUnit = c.UnitAt(c.DefaultIndex);
        SetFittedText(Label2, dialogtext::FactorQuestionStart + defaultUnit.Symbol + dialogtext::FactorQuestionEnd);
    } else {
        SetFittedText(Label2, dialogtext::FirstUnitStart + c.Name + dialogtext::FirstUnitEnd);
        Edit2->setText(QStringLiteral("1"));
        Edit2->setEnabled(false);
    }
    // A screen reader announces the field by the question above it.
    Edit2->setAccessibleName(Label2->text().simplified());
}

// The symbol is required; the definition may stay empty.
void TFrmAddUnit::EditChange()
{
    Button1->setEnabled(!Edit1->text().isEmpty());
}

void TFrmAddUnit::Button1Click()
{
    if (Edit1->text().isEmpty()) return;
    TCategory& c = Catalogue.CategoryAt(TargetCategoryIndex);
    // The field's own check: a factor it refuses is reported in its
    // information box, with the focus back in the field, and nothing is
    // added.
    if (Edit2->isEnabled() && !Edit2->ValidateOnExit()) return;
    c.AppendUnit(FromQ(Edit1->text()), FromQ(Edit3->text()), Edit2->Number());
    accept();
}

}  // namespace qv
