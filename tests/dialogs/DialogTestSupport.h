// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the dialog tests: a fixture that leaves the catalogue empty, a
// category built in memory, exec() answered by a script, lookup of controls
// by their names, and the Qt headers every dialog test uses.
//
// A ModalScript acts on each modal window that becomes active, once: a dialog
// shown a second time needs a script of its own. A window left open is
// closed by the watchdog of the GUI test main(), which fails the test.

#include "catalogue/Packages.h"
#include "dialogs/TargetCategory.h"
#include "support/ModalScript.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

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

// Runs dialog.exec() answered by `script`, every step of which must run.
inline int Exec(QDialog& dialog, const ModalScript& script)
{
    const int result = dialog.exec();
    EXPECT_TRUE(script.done()) << script.stepsLeft() << " steps left";
    return result;
}

// Runs dialog.exec() with `step` as the only step.
inline int Exec(QDialog& dialog, ModalScript::Step step)
{
    ModalScript script;
    script.then(std::move(step));
    return Exec(dialog, script);
}

// The named control of a window; fails the test when it is missing.
template <typename T>
T* Control(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control) ADD_FAILURE() << "no control " << name << " in " << window->objectName().toStdString();
    return control;
}

// The texts of a list's entries, top to bottom.
inline QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
}

}  // namespace qv::test
