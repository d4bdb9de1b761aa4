#pragma once

// Shared by the dialog tests: a fixture that leaves the catalogue empty, a
// category built in memory, exec() with a watchdog, and lookup of controls
// by their names.
//
// A ModalScript acts on each modal window that becomes active, once: a dialog
// shown a second time needs a script of its own.

#include "catalogue/Packages.h"
#include "dialogs/TargetCategory.h"

#include <QDialog>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace qv::test {

struct UnitRow {
    const char* Symbol;
    const char* Definition;
    Extended Factor;
    bool Hidden = false;
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ResetPackageState();
        TargetCategoryIndex = 0;
    }

    // Appends a category with these units (the first becomes the default)
    // and makes it the dialogs' target.
    static TCategory& AddCategory(const std::string& name, std::initializer_list<UnitRow> units)
    {
        TCategory& c = Catalogue.AppendCategory(name);
        for (const UnitRow& u : units) {
            c.AppendUnit(u.Symbol, u.Definition, u.Factor);
            c.UnitAt(c.UnitCount() - 1).Hidden = u.Hidden;
        }
        TargetCategoryIndex = Catalogue.CategoryCount() - 1;
        return c;
    }
};

// Runs `action` from the event loop once the current step has returned. A
// step of a ModalScript must do this with whatever opens another modal
// window (a message box, a nested dialog): the script's timer does not fire
// again while one of its steps is still running.
void Post(QObject* context, std::function<void()> action);

// Runs dialog.exec(). A dialog still open after ten seconds (a script that
// did not close it, an unexpected message box) is closed by force, which
// fails the test instead of hanging it.
int ExecWithWatchdog(QDialog& dialog);

// The named control of a window; fails the test when it is missing.
template <typename T>
T* Control(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control) ADD_FAILURE() << "no control " << name << " in " << window->objectName().toStdString();
    return control;
}

}  // namespace qv::test
