// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BaseUnitChange.h"

#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/TargetCategory.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace qv {

namespace {
constexpr int ClientWidth = 362;
constexpr int ClientHeight = 110;
constexpr int ListWidth = 130;
constexpr int TextLeft = ListWidth + 8;
constexpr int TextWidth = ClientWidth - 8 - TextLeft;
constexpr int ButtonTop = ClientHeight - 5 - ButtonHeight;
}  // namespace

TfrmNewBaseUnit::TfrmNewBaseUnit(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("frmNewBaseUnit"));
    setWindowTitle(ToQ(dialogtext::NewBaseUnitTitle));
    LimitDialogFont(this);

    UnitList = new QListWidget(this);
    UnitList->setObjectName(QStringLiteral("UnitList"));
    UnitList->setAccessibleName(QStringLiteral("Units"));
    UnitList->setSelectionMode(QAbstractItemView::SingleSelection);
    UnitList->setGeometry(0, 0, ListWidth, ClientHeight);
    Label1 = MakeLabel(this, "Label1", {TextLeft, 6, TextWidth, ButtonTop - 8}, Qt::AlignLeft | Qt::AlignTop, true);
    Button1 = MakeButton(this, "Button1", dialogtext::Ok,
                         {ClientWidth - 8 - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight});
    Button1->setDefault(true);

    connect(UnitList, &QListWidget::itemSelectionChanged, this,
            [this] { RunGuarded(this, [this] { KeepOneSelected(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { Button1Click(); }); });

    SetFixedFrame(ClientWidth, ClientHeight);
}

bool TfrmNewBaseUnit::CanCancel() const
{
    return false;
}

void TfrmNewBaseUnit::FormShow()
{
    const QSignalBlocker blocker(UnitList);
    UnitList->clear();
    const TCategory& c = Catalogue.CategoryAt(TargetCategoryIndex);
    SetFittedText(Label1, dialogtext::DefaultDeletedStart + c.Name + dialogtext::DefaultDeletedEnd);
    for (std::int32_t i = 0; i < c.UnitCount(); ++i) UnitList->addItem(ToQ(UnitListText(c.UnitAt(i))));
    if (UnitList->count() > 0) UnitList->setCurrentRow(0);
    UnitList->scrollToTop();
    UnitList->setFocus(Qt::OtherFocusReason);
}

// A Ctrl+click can take the selection away in a single-selection list;
// there must always be a unit to choose.
void TfrmNewBaseUnit::KeepOneSelected()
{
    if (!UnitList->selectedItems().isEmpty() || UnitList->count() == 0) return;
    const QSignalBlocker blocker(UnitList);
    const int row = UnitList->currentRow();
    UnitList->setCurrentRow(row >= 0 ? row : 0, QItemSelectionModel::ClearAndSelect);
}

void TfrmNewBaseUnit::Button1Click()
{
    // The rows are the units, in unit order. An empty list (no category to
    // show) leaves nothing to choose, and the dialog must still let go.
    const QList<QListWidgetItem*> chosen = UnitList->selectedItems();
    if (!chosen.isEmpty()) Catalogue.CategoryAt(TargetCategoryIndex).SetDefaultUnit(UnitList->row(chosen.front()));
    accept();
}

}  // namespace qv
