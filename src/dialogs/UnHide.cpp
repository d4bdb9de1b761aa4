// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/UnHide.h"

#include "catalogue/Packages.h"
#include "dialogs/DialogParts.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/TargetCategory.h"
#include "ui/Ansi.h"
#include "ui/ErrorDisplay.h"

#include <QAction>
#include <QByteArray>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <string>

namespace qv {

namespace {
constexpr int ClientWidth = 362;
constexpr int ClientHeight = 102;
constexpr int ListWidth = 130;
constexpr int TextLeft = ListWidth + 8;
constexpr int TextWidth = ClientWidth - 8 - TextLeft;
constexpr int ButtonTop = ClientHeight - 5 - ButtonHeight;

// Each entry keeps its text in the model's bytes, so that OK compares it
// with the units exactly.
constexpr int EntryTextRole = Qt::UserRole;
}  // namespace

TfrmShowHidden::TfrmShowHidden(QWidget* parent) : TFixedDialog(parent)
{
    setObjectName(QStringLiteral("frmShowHidden"));
    setWindowTitle(ToQ(dialogtext::ShowHiddenTitle));
    LimitDialogFont(this);

    UnitList = new QListWidget(this);
    UnitList->setObjectName(QStringLiteral("UnitList"));
    UnitList->setAccessibleName(QStringLiteral("Hidden units"));
    UnitList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    UnitList->setContextMenuPolicy(Qt::NoContextMenu);
    UnitList->setGeometry(0, 0, ListWidth, ClientHeight);
    Label1 = MakeLabel(this, "Label1", {TextLeft, 6, TextWidth, ButtonTop - 8}, Qt::AlignLeft | Qt::AlignTop, true);
    Button1 = MakeButton(this, "Button1", dialogtext::Ok,
                         {ClientWidth - 8 - 2 * ButtonWidth - 6, ButtonTop, ButtonWidth, ButtonHeight});
    Button1->setDefault(true);
    Button2 = MakeButton(this, "Button2", dialogtext::Cancel,
                         {ClientWidth - 8 - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight});

    // The list's key table: an action that is never shown as a menu and acts
    // while the list has the focus.
    auto* selectAll = new QAction(ToQ(dialogtext::SelectAll), UnitList);
    selectAll->setObjectName(QStringLiteral("SelectAll1"));
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    UnitList->addAction(selectAll);

    connect(selectAll, &QAction::triggered, this, [this] { RunGuarded(this, [this] { SelectAll1Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { reject(); }); });
    UnitList->installEventFilter(this);
    UnitList->viewport()->installEventFilter(this);

    SetFixedFrame(ClientWidth, ClientHeight);
}

bool TfrmShowHidden::eventFilter(QObject* watched, QEvent* event)
{
    RunGuarded(this, [&] {
        const QEvent::Type type = event->type();
        if (watched == UnitList && (type == QEvent::KeyPress || type == QEvent::ShortcutOverride))
            keyPressedInList_ = true;
        else if ((watched == UnitList && type == QEvent::KeyRelease && keyPressedInList_) ||
                 (watched == UnitList->viewport() && type == QEvent::MouseButtonRelease))
            Button1->setEnabled(true);
    });
    return QDialog::eventFilter(watched, event);
}

void TfrmShowHidden::FormShow()
{
    Button1->setEnabled(false);
    keyPressedInList_ = false;
    UnitList->setFocus(Qt::OtherFocusReason);
    SetFittedText(Label1, dialogtext::ShowHiddenInstruction);

    UnitList->clear();
    const TCategory& c = Catalogue.CategoryAt(TargetCategoryIndex);
    for (std::int32_t i = 0; i < c.UnitCount(); ++i) {
        const TUnit& unit = c.UnitAt(i);
        if (!unit.Hidden) continue;
        const std::string text = UnitListText(unit);
        auto* entry = new QListWidgetItem(ToQ(text), UnitList);
        entry->setData(EntryTextRole, QByteArray::fromStdString(text));
    }
    UnitList->clearSelection();
    UnitList->scrollToTop();
}

void TfrmShowHidden::SelectAll1Click()
{
    UnitList->selectAll();
}

// Each selected entry unhides the first unit listed the same way.
void TfrmShowHidden::Button1Click()
{
    TCategory& c = Catalogue.CategoryAt(TargetCategoryIndex);
    for (int row = 0; row < UnitList->count(); ++row) {
        const QListWidgetItem* entry = UnitList->item(row);
        if (!entry->isSelected()) continue;
        const std::string text = entry->data(EntryTextRole).toByteArray().toStdString();
        for (std::int32_t i = 0; i < c.UnitCount(); ++i) {
            if (UnitListText(c.UnitAt(i)) == text) {
                c.UnitAt(i).Hidden = false;
                break;
            }
        }
    }
    accept();
}

}  // namespace qv
