// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainActions.h"

#include "app/MainControls.h"
#include "widgets/DataEdit.h"
#include "widgets/UnitFilterBar.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>
#include <initializer_list>

namespace qv {
namespace {

QAction* MakeAction(const TCommand& row, QObject* owner)
{
    auto* action = new QAction(QLatin1String(row.Text), owner);
    action->setObjectName(QLatin1String(row.Name));
    if (row.Hint) action->setToolTip(QLatin1String(row.Hint));
    // A command without a button says what it does in the status bar.
    if (row.Hint && !row.Button) action->setStatusTip(action->toolTip());
    if (row.Glyph)
        action->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(row.Glyph) + QStringLiteral(".svg")));
    QList<QKeySequence> keys;
    for (QKeyCombination key : row.Keys)
        if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
    action->setShortcuts(keys);
    // The keys act only where a key table holds the action, or anywhere in
    // the window for the window's own keys.
    action->setShortcutContext(row.KeyTables & WindowKeys ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    action->setCheckable(row.Checked != nullptr);
    return action;
}

}  // namespace

TMainActions::TMainActions(std::span<const TCommand> table, QObject* parent) : QObject(parent)
{
    commands_.reserve(table.size());
    for (const TCommand& row : table) commands_.emplace_back(&row, MakeAction(row, this));
    // Nothing is shown yet: no category, no unit highlighted.
    Update(TCommandState{});
}

void TMainActions::AttachKeyTables(const TMainControls& c)
{
    // The tool bar itself never takes the focus: its one control that does,
    // the package chooser, carries the shared table. One action listed in
    // two tables of the same window still binds its key once.
    const std::initializer_list<QWidget*> shared = {c.EntryUnit, c.EntryPrecision, c.SelectPak, c.sbMain};
    const std::pair<KeyTable, std::vector<QWidget*>> owners[] = {
        {GridKeys, {c.Grid2}},  {CategoryKeys, {c.LBCategories}},        {SharedKeys, shared},
        {WindowKeys, {c.Form}}, {FilterEditKeys, {c.FilterBar->Edit()}},
    };
    for (const auto& [table, widgets] : owners)
        for (const auto& [row, action] : commands_)
            if (row->KeyTables & table)
                for (QWidget* w : widgets) w->addAction(action);
    for (QWidget* owner : std::initializer_list<QWidget*>{c.Grid2, c.LBCategories, c.EntryUnit, c.EntryPrecision,
                                                          c.SelectPak, c.sbMain}) {
        // The tables are never shown as menus.
        owner->setContextMenuPolicy(Qt::NoContextMenu);
        owner->installEventFilter(this);
    }
    // The keys of the whole window act from every line edit in it, the Find
    // Anywhere box's included; those of the window's dialogs keep theirs.
    for (QLineEdit* edit : c.Form->findChildren<QLineEdit*>())
        if (edit->window() == c.Form) edit->installEventFilter(this);
}

void TMainActions::Update(const TCommandState& state)
{
    for (const auto& [row, action] : commands_) {
        if (row->Available) action->setEnabled(row->Available(state));
        if (!row->Checked) continue;
        const bool on = row->Checked(state);
        action->setChecked(on);
        if (row->UncheckedHint) action->setToolTip(QLatin1String(on ? row->Hint : row->UncheckedHint));
    }
}

bool TMainActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const auto holds = [&pressed](const QAction* action) { return action->shortcuts().contains(pressed); };
    const QList<QAction*> table = widget->actions();
    const bool tableKey = std::any_of(table.begin(), table.end(), holds);
    if (event->type() == QEvent::ShortcutOverride) {
        // An editing control would keep a plain letter, or a key of the
        // whole window such as Ctrl+K, for itself; the key must reach its
        // command instead.
        const bool windowKey = std::any_of(commands_.begin(), commands_.end(), [&holds](const auto& command) {
            return (command.first->KeyTables & WindowKeys) && holds(command.second);
        });
        if (!tableKey && !windowKey) return false;
        event->ignore();
        return true;
    }
    // The key press arrives only when its command is unavailable: a key of
    // the control's table does nothing, rather than reaching the control.
    return tableKey;
}

}  // namespace qv
