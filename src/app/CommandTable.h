// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands, each declared once as a row of the command
// table (CommandTable.cpp). From the rows come the QActions with their
// captions, hints, glyphs and keys (TMainActions), the key tables they join,
// the tool bar buttons (TMainControls), the connections to their handlers
// (TFrmMain::ConnectCommands) and their availability after each rebuild.

#include <QKeyCombination>

#include <array>
#include <cstdint>
#include <span>

namespace qv {

class TCategory;
class TFrmMain;

// What availability and the toggles' states are computed from: the view as
// it was last rebuilt and the window's own settings.
struct TCommandState {
    const TCategory* Current = nullptr;  // null while the catalogue is empty
    std::int32_t SelectedUnit = -1;      // the unit highlighted in the grid
    std::int32_t CategoryCount = 0;
    bool Scientific = false;
    bool DefinitionsShown = true;
    bool OnTop = false;
};

// The controls whose keys a command answers to. A key acts only while the
// focus is in a control whose table holds the command, so the same key can
// mean Add Category in the list and Add Unit in the grid.
enum KeyTable : std::uint8_t {
    NoKeyTable = 0,
    GridKeys = 1,        // the unit grid
    CategoryKeys = 2,    // the category list
    SharedKeys = 4,      // the unit chooser, the precision, the package chooser, the status bar
    WindowKeys = 8,      // anywhere in the window, editing fields included
    FilterEditKeys = 16  // the filter bar's field
};

// The tool bar's groups, left to right, with a gap after each of the first
// four; the package chooser stands between the calculator and the far end.
// The calculator's group shows only while a calculator is set.
enum class ToolBarGroup : std::uint8_t { None, Categories, Units, Program, Calculator, FarEnd };

struct TCommand {
    const char* Name;                          // the action's object name, and the id tests look for
    const char* Text;                          // its caption
    const char* Hint = nullptr;                // tool tip; a command without a button shows it in the status bar
    const char* Glyph = nullptr;               // the icon :/icons/<Glyph>.svg
    std::array<QKeyCombination, 2> Keys = {};  // Qt::Key_unknown: no key
    std::uint8_t KeyTables = NoKeyTable;
    ToolBarGroup Group = ToolBarGroup::None;
    const char* Button = nullptr;  // the tool button's object name
    void (TFrmMain::*Handler)() = nullptr;
    bool (*Available)(const TCommandState&) = nullptr;  // null: always available
    bool (*Checked)(const TCommandState&) = nullptr;    // null: not a toggle
    const char* UncheckedHint = nullptr;                // a toggle's hint while off, where it differs
};

// The rows, tool bar buttons in their order left to right.
std::span<const TCommand> CommandTable();

}  // namespace qv
