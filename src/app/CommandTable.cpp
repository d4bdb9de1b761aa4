// SPDX-License-Identifier: GPL-3.0-or-later
// The command table: every command of the main window, declared once.
#include "app/CommandTable.h"

#include "app/MainWindow.h"
#include "catalogue/Packages.h"

namespace qv {
namespace {

bool HasCategory(const TCommandState& s)
{
    return s.Current != nullptr;
}

bool CatalogueHasCategories(const TCommandState& s)
{
    return s.CategoryCount > 0;
}

// Temperature's units are not factors of one base: no unit is added or deleted.
bool UnitsEditable(const TCommandState& s)
{
    return s.Current && s.Current->Name != TemperatureCategoryName;
}

// The commands on the highlighted unit need a row: a filter may leave none.
bool UnitSelected(const TCommandState& s)
{
    return s.Current && s.SelectedUnit >= 0;
}

}  // namespace

std::span<const TCommand> CommandTable()
{
    using enum ToolBarGroup;
    static const TCommand rows[] = {
        {.Name = "AddCategory",
         .Text = "Add Category",
         .Hint = "Add Category",
         .Glyph = "add-category",
         .Keys = {Qt::Key_Insert},
         .KeyTables = CategoryKeys,
         .Group = Categories,
         .Button = "SpeedButton1",
         .Handler = &TFrmMain::AddCategoryClick},
        {.Name = "DeleteCategory",
         .Text = "Delete Category",
         .Hint = "Delete Category",
         .Glyph = "delete-category",
         .Keys = {Qt::Key_Delete},
         .KeyTables = CategoryKeys,
         .Group = Categories,
         .Button = "SpeedButton2",
         .Handler = &TFrmMain::DeleteCategoryClick,
         .Available = CatalogueHasCategories},
        {.Name = "AddUnit",
         .Text = "Add Unit",
         .Hint = "Add Unit",
         .Glyph = "add-unit",
         .Keys = {Qt::Key_Insert},
         .KeyTables = GridKeys,
         .Group = Units,
         .Button = "SpeedButton3",
         .Handler = &TFrmMain::AddUnitClick,
         .Available = UnitsEditable},
        {.Name = "DeleteUnit",
         .Text = "Delete Unit",
         .Hint = "Delete Unit",
         .Glyph = "delete-unit",
         .Keys = {Qt::Key_Delete},
         .KeyTables = GridKeys,
         .Group = Units,
         .Button = "SpeedButton4",
         .Handler = &TFrmMain::DeleteUnitClick,
         .Available = [](const TCommandState& s) { return UnitsEditable(s) && UnitSelected(s); }},
        {.Name = "DefaultUnit",
         .Text = "Set Default",
         .Hint = "Set as Default Unit",
         .Glyph = "default-unit",
         .Keys = {Qt::CTRL | Qt::Key_D},
         .KeyTables = GridKeys,
         .Group = Units,
         .Button = "SpeedButton5",
         .Handler = &TFrmMain::DefaultUnitClick,
         .Available =
             [](const TCommandState& s) { return UnitSelected(s) && s.SelectedUnit != s.Current->DefaultIndex; }},
        {.Name = "HideUnit",
         .Text = "Hide Unit",
         .Hint = "Hide Unit",
         .Glyph = "hide-unit",
         .Keys = {Qt::CTRL | Qt::Key_Delete, Qt::Key_H},
         .KeyTables = GridKeys,
         .Group = Units,
         .Button = "SpeedButton8",
         .Handler = &TFrmMain::HideUnitClick,
         .Available = [](const TCommandState& s) { return UnitSelected(s) && s.Current->VisibleUnitCount() > 1; }},
        {.Name = "ShowUnits",
         .Text = "Show Units",
         .Hint = "Show Hidden Units",
         .Glyph = "show-hidden-units",
         .Keys = {Qt::CTRL | Qt::Key_Insert},
         .KeyTables = GridKeys,
         .Group = Units,
         .Button = "SpeedButton9",
         .Handler = &TFrmMain::ShowUnitsClick,
         .Available =
             [](const TCommandState& s) {
                 return s.Current && s.Current->VisibleUnitCount() < s.Current->UnitCount();
             }},
        {.Name = "Print",
         .Text = "Print Units",
         .Hint = "Print Units",
         .Glyph = "print",
         .Group = Units,
         .Button = "SpeedButton10",
         .Handler = &TFrmMain::PrintClick},
        {.Name = "NumberFormat",
         .Text = "Number Format",
         .Hint = "Change Number Format",
         .Glyph = "number-format",
         .Keys = {Qt::Key_N},
         .KeyTables = GridKeys | CategoryKeys | SharedKeys,
         .Group = Program,
         .Button = "SpeedButton7",
         .Handler = &TFrmMain::NumberFormatClick,
         .Checked = [](const TCommandState& s) { return s.Scientific; }},
        {.Name = "Definitions",
         .Text = "Definitions",
         .Hint = "Hide Unit Definitions",
         .Glyph = "definitions",
         .Keys = {Qt::Key_D},
         .KeyTables = GridKeys | CategoryKeys | SharedKeys,
         .Group = Program,
         .Button = "SpeedButton12",
         .Handler = &TFrmMain::DefinitionsClick,
         .Checked = [](const TCommandState& s) { return s.DefinitionsShown; },
         .UncheckedHint = "Show Unit Definitions"},
        {.Name = "Install",
         .Text = "Install Built-In Categories",
         .Hint = "Install Built-In Categories",
         .Glyph = "install",
         .Group = Program,
         .Button = "SpeedButton6",
         .Handler = &TFrmMain::InstallClick},
        {.Name = "About",
         .Text = "About...",
         .Hint = "About Quantova",
         .Glyph = "about",
         .Keys = {Qt::Key_F1},
         .KeyTables = GridKeys | CategoryKeys | SharedKeys,
         .Group = Program,
         .Button = "SpeedButton11",
         .Handler = &TFrmMain::AboutClick},
        {.Name = "Calculator",
         .Text = "Open Calculator",
         .Hint = "Open Calculator",
         .Glyph = "calculator",
         .Group = Calculator,
         .Button = "sbtnCalc",
         .Handler = &TFrmMain::sbtnCalcClick},
        {.Name = "UpdateRates",
         .Text = "Update Rates...",
         .Hint = "Update Currency Rates",
         .Glyph = "update-rates",
         .Keys = {Qt::CTRL | Qt::Key_R},
         .KeyTables = GridKeys | CategoryKeys,
         .Group = FarEnd,
         .Button = "sbtnRates",
         .Handler = &TFrmMain::UpdateRatesClick},
        {.Name = "CopyValue",
         .Text = "Copy Value",
         .Keys = {Qt::CTRL | Qt::Key_C},
         .KeyTables = GridKeys,
         .Handler = &TFrmMain::CopyValue1Click},
        {.Name = "StayOnTop",
         .Text = "Stay on Top",
         .Keys = {Qt::Key_T},
         .KeyTables = GridKeys | CategoryKeys | SharedKeys,
         .Handler = &TFrmMain::StayonTop2Click,
         .Checked = [](const TCommandState& s) { return s.OnTop; }},
        // Ctrl+F anywhere in the window; "/" only in the list of units, as
        // elsewhere it divides in an expression.
        {.Name = "FindUnit",
         .Text = "Find Unit",
         .Hint = "Show only the units whose symbol or definition holds a text (Ctrl+F)",
         .Keys = {Qt::CTRL | Qt::Key_F},
         .KeyTables = WindowKeys,
         .Handler = &TFrmMain::FindUnitClick,
         .Available = HasCategory},
        {.Name = "FindUnitInList",
         .Text = "Find Unit",
         .Hint = "Show only the units whose symbol or definition holds a text (/)",
         .Keys = {Qt::Key_Slash},
         .KeyTables = GridKeys,
         .Handler = &TFrmMain::FindUnitClick,
         .Available = HasCategory},
        {.Name = "FindAnywhere",
         .Text = "Find Anywhere",
         .Hint = "Find a unit in any category, or convert a line such as 5 kn to km/h (Ctrl+K)",
         .Keys = {Qt::CTRL | Qt::Key_K},
         .KeyTables = WindowKeys,
         .Handler = &TFrmMain::FindAnywhereClick,
         .Available = CatalogueHasCategories},
        {.Name = "CopyTable",
         .Text = "Copy Table",
         .Hint = "Copy the listed units with their values as a table (Ctrl+Shift+C)",
         .Keys = {Qt::CTRL | Qt::SHIFT | Qt::Key_C},
         .KeyTables = GridKeys | FilterEditKeys,
         .Handler = &TFrmMain::CopyTableClick,
         .Available = [](const TCommandState& s) { return s.SelectedUnit >= 0; }},
        {.Name = "SaveTable",
         .Text = "Save Table...",
         .Hint = "Save the listed units with their values as a CSV file (Ctrl+S)",
         .Keys = {Qt::CTRL | Qt::Key_S},
         .KeyTables = GridKeys | WindowKeys,
         .Handler = &TFrmMain::SaveTableClick,
         .Available = [](const TCommandState& s) { return s.Current && s.Current->UnitCount() > 0; }},
    };
    return rows;
}

}  // namespace qv
