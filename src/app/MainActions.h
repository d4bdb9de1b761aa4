// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands as QActions, made from the command table
// (CommandTable.cpp): caption, hint, glyph, keys. A tool bar button shows
// the action; a key table is the same action added to the control where its
// keys act (Qt::WidgetWithChildrenShortcut), so no key is ever active twice.
// Availability and the toggles' states are set in one place, Update, after
// each rebuild of the view: a disabled command's button is greyed and its
// keys do nothing.

#include "app/CommandTable.h"

#include <QObject>

#include <span>
#include <utility>
#include <vector>

class QAction;

namespace qv {

struct TMainControls;

class TMainActions : public QObject {
    Q_OBJECT
public:
    TMainActions(std::span<const TCommand> table, QObject* parent);

    // Each row with its action, in the table's order.
    const std::vector<std::pair<const TCommand*, QAction*>>& Commands() const { return commands_; }

    // Adds each action to the controls whose key tables carry it.
    void AttachKeyTables(const TMainControls& controls);

    // Enables the commands and shows the toggles' states (a pressed button,
    // a checked entry, the hint of what a toggle will do).
    void Update(const TCommandState& state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::pair<const TCommand*, QAction*>> commands_;
};

}  // namespace qv
