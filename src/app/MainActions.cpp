// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainActions.h"

#include "app/MainControls.h"
#include "catalogue/Packages.h"
#include "widgets/DataEdit.h"
#include "widgets/UnitFilterBar.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>

#include <initializer_list>

namespace qv {
namespace {

constexpr const char* HideDefinitionsHint = "Hide Unit Definitions";
constexpr const char* ShowDefinitionsHint = "Show Unit Definitions";

QAction* MakeAction(QObject* owner, const char* name, const char* text, const char* hint, const char* icon,
                    std::initializer_list<QKeySequence> keys)
{
    auto* action = new QAction(QLatin1String(text), owner);
    action->setObjectName(QLatin1String(name));
    if (hint) action->setToolTip(QLatin1String(hint));
    if (icon) action->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(icon) + QStringLiteral(".svg")));
    action->setShortcuts(QList<QKeySequence>(keys));
    // The keys act only where a key table holds the action.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

bool Matches(const QAction* action, const QKeySequence& pressed)
{
    return action->shortcuts().contains(pressed);
}

}  // namespace

TMainActions::TMainActions(QObject* parent) : QObject(parent)
{
    // name, key-table caption, tool bar hint, glyph, keys
    AddCategory = MakeAction(this, "AddCategory", "Add Category", "Add Category", "add-category", {Qt::Key_Insert});
    DeleteCategory = MakeAction(this, "DeleteCategory", "Delete Category", "Delete Category", "delete-category",
                                {Qt::Key_Delete});
    AddUnit = MakeAction(this, "AddUnit", "Add Unit", "Add Unit", "add-unit", {Qt::Key_Insert});
    DeleteUnit = MakeAction(this, "DeleteUnit", "Delete Unit", "Delete Unit", "delete-unit", {Qt::Key_Delete});
    DefaultUnit = MakeAction(this, "DefaultUnit", "Set Default", "Set as Default Unit", "default-unit",
                             {Qt::CTRL | Qt::Key_D});
    HideUnit = MakeAction(this, "HideUnit", "Hide Unit", "Hide Unit", "hide-unit",
                          {Qt::CTRL | Qt::Key_Delete, Qt::Key_H});
    ShowUnits = MakeAction(this, "ShowUnits", "Show Units", "Show Hidden Units", "show-hidden-units",
                           {Qt::CTRL | Qt::Key_Insert});
    Print = MakeAction(this, "Print", "Print Units", "Print Units", "print", {});
    NumberFormat = MakeAction(this, "NumberFormat", "Number Format", "Change Number Format", "number-format",
                              {Qt::Key_N});
    Definitions = MakeAction(this, "Definitions", "Definitions", HideDefinitionsHint, "definitions", {Qt::Key_D});
    Install = MakeAction(this, "Install", "Install Built-In Categories", "Install Built-In Categories", "install", {});
    About = MakeAction(this, "About", "About...", "About Quantova", "about", {Qt::Key_F1});
    Calculator = MakeAction(this, "Calculator", "Open Calculator", "Open Calculator", "calculator", {});
    CopyValue = MakeAction(this, "CopyValue", "Copy Value", nullptr, nullptr, {Qt::CTRL | Qt::Key_C});
    StayOnTop = MakeAction(this, "StayOnTop", "Stay on Top", nullptr, nullptr, {Qt::Key_T});
    FindUnit = MakeAction(this, "FindUnit", "Find Unit",
                          "Show only the units whose symbol or definition holds a text (Ctrl+F)", nullptr,
                          {Qt::CTRL | Qt::Key_F});
    FindUnitInList = MakeAction(this, "FindUnitInList", "Find Unit",
                                "Show only the units whose symbol or definition holds a text (/)", nullptr,
                                {Qt::Key_Slash});
    FindAnywhere = MakeAction(this, "FindAnywhere", "Find Anywhere",
                              "Find a unit in any category, or convert a line such as 5 kn to km/h (Ctrl+K)",
                              nullptr, {Qt::CTRL | Qt::Key_K});
    CopyTable = MakeAction(this, "CopyTable", "Copy Table",
                           "Copy the listed units with their values as a table (Ctrl+Shift+C)", nullptr,
                           {Qt::CTRL | Qt::SHIFT | Qt::Key_C});
    SaveTable = MakeAction(this, "SaveTable", "Save Table...",
                           "Save the listed units with their values as a CSV file (Ctrl+S)", nullptr,
                           {Qt::CTRL | Qt::Key_S});
    // Ctrl+F, Ctrl+K and Ctrl+S act wherever the focus is in the window.
    FindUnit->setShortcutContext(Qt::WindowShortcut);
    FindAnywhere->setShortcutContext(Qt::WindowShortcut);
    SaveTable->setShortcutContext(Qt::WindowShortcut);
    for (QAction* action : {FindUnit, FindUnitInList, FindAnywhere, CopyTable, SaveTable}) action->setStatusTip(action->toolTip());
    UpdateRates = MakeAction(this, "UpdateRates", "Update Rates...", "Update Currency Rates", "update-rates",
                             {Qt::CTRL | Qt::Key_R});
    // Nothing is hidden when the window is created.
    ShowUnits->setEnabled(false);
    // The toggles, so that their buttons and the window manager show them.
    for (QAction* toggle : {NumberFormat, Definitions, StayOnTop}) toggle->setCheckable(true);
    ShowStates(false, true, false);
}

void TMainActions::AttachKeyTables(const TMainControls& c)
{
    // The unit grid's table, the category list's table, and the table the
    // other controls share. The tool bar itself never takes the focus: its
    // one control that does, the package chooser, carries the shared table.
    // Save Table acts in the whole window; being one action, listing it in
    // the grid's table too does not bind its key twice.
    const std::initializer_list<QAction*> gridTable = {CopyValue,   AddUnit,      DeleteUnit,  ShowUnits,
                                                       HideUnit,    DefaultUnit,  NumberFormat, Definitions,
                                                       StayOnTop,   About,        FindUnitInList, CopyTable,
                                                       SaveTable,   UpdateRates};
    const std::initializer_list<QAction*> categoryTable = {AddCategory, DeleteCategory, NumberFormat,
                                                           Definitions, StayOnTop,      About,          UpdateRates};
    const std::initializer_list<QAction*> sharedTable = {NumberFormat, Definitions, StayOnTop, About};

    c.Grid2->addActions(QList<QAction*>(gridTable));
    c.Form->addActions({FindUnit, FindAnywhere, SaveTable});
    c.FilterBar->Edit()->addAction(CopyTable);
    c.LBCategories->addActions(QList<QAction*>(categoryTable));
    for (QWidget* owner : std::initializer_list<QWidget*>{c.EntryUnit, c.EntryPrecision, c.SelectPak, c.sbMain})
        owner->addActions(QList<QAction*>(sharedTable));
    for (QWidget* owner : std::initializer_list<QWidget*>{c.Grid2, c.LBCategories, c.EntryUnit, c.EntryPrecision,
                                                          c.SelectPak, c.sbMain}) {
        // The tables are never shown as menus.
        owner->setContextMenuPolicy(Qt::NoContextMenu);
        owner->installEventFilter(this);
    }
}

void TMainActions::Update(const TCategory* c, std::int32_t selectedUnit)
{
    const bool editable = c && c->Name != TemperatureCategoryName;
    DeleteCategory->setEnabled(Catalogue.CategoryCount() > 0);
    AddUnit->setEnabled(editable);
    // The commands on the highlighted unit need a row: a filter may leave none.
    DeleteUnit->setEnabled(editable && selectedUnit >= 0);
    DefaultUnit->setEnabled(c && selectedUnit >= 0 && selectedUnit != c->DefaultIndex);
    HideUnit->setEnabled(c && selectedUnit >= 0 && c->VisibleUnitCount() > 1);
    ShowUnits->setEnabled(c && c->VisibleUnitCount() < c->UnitCount());
    FindUnit->setEnabled(c != nullptr);
    FindUnitInList->setEnabled(c != nullptr);
    FindAnywhere->setEnabled(Catalogue.CategoryCount() > 0);
    CopyTable->setEnabled(selectedUnit >= 0);
    SaveTable->setEnabled(c && c->UnitCount() > 0);
}

void TMainActions::ShowStates(bool scientific, bool definitionsShown, bool onTop)
{
    NumberFormat->setChecked(scientific);
    Definitions->setChecked(definitionsShown);
    Definitions->setToolTip(QLatin1String(definitionsShown ? HideDefinitionsHint : ShowDefinitionsHint));
    StayOnTop->setChecked(onTop);
}

bool TMainActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : widget->actions()) {
        if (!Matches(action, pressed)) continue;
        if (event->type() == QEvent::ShortcutOverride) {
            // An editing control would keep a plain letter for itself; the
            // key must reach its command instead.
            event->ignore();
            return true;
        }
        // The key press arrives only when its command is unavailable: it
        // does nothing, rather than reaching the control.
        return true;
    }
    return false;
}

}  // namespace qv
