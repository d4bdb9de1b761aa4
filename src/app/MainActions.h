// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands, one QAction each: its key-table caption, tool
// bar hint, glyph, keys and enabled state. A tool bar button shows the
// action; a key table is the same action added to the control where its
// keys act (Qt::WidgetWithChildrenShortcut), so no key is ever active twice.
// Availability is set in one place, Update, after each rebuild of the view:
// a disabled command's button is greyed and its keys do nothing.
//
// A new command: a member below, a row in Create (MainActions.cpp), its
// place in the key tables (AttachKeyTables), and for a tool bar button a row
// in the tool bar table of MainControls.cpp. Its handler is connected by the
// main window (MainWindow.cpp).

#include <QObject>

#include <cstdint>

class QAction;

namespace qv {

class TCategory;
struct TMainControls;

class TMainActions : public QObject {
    Q_OBJECT
public:
    explicit TMainActions(QObject* parent);

    QAction* AddCategory;
    QAction* DeleteCategory;
    QAction* AddUnit;
    QAction* DeleteUnit;
    QAction* DefaultUnit;
    QAction* HideUnit;
    QAction* ShowUnits;
    QAction* Print;
    QAction* NumberFormat;
    QAction* Definitions;
    QAction* Install;
    QAction* About;
    QAction* Calculator;
    QAction* CopyValue;
    QAction* StayOnTop;
    // Finding units and taking the listed rows elsewhere. "/" opens the
    // filter only in the list of units: elsewhere it divides in an
    // expression, so it is a key of its own beside Ctrl+F.
    QAction* FindUnit;
    QAction* FindUnitInList;
    // Find Anywhere (Ctrl+K): a unit of any category, or a whole conversion.
    QAction* FindAnywhere;
    QAction* CopyTable;
    QAction* SaveTable;
    QAction* UpdateRates;

    // Adds each action to the controls whose key tables carry it.
    void AttachKeyTables(const TMainControls& controls);

    // Enables the commands for the current category (null when the catalogue
    // is empty) and the unit highlighted in the grid (-1 for none).
    void Update(const TCategory* current, std::int32_t selectedUnit);

    // The toggles show their state (a pressed button, a checked entry):
    // scientific notation, definitions shown, the window on top. The
    // definitions toggle's hint names what it will do.
    void ShowStates(bool scientific, bool definitionsShown, bool onTop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv
