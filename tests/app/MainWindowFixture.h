// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A main window over a temporary program directory holding one package with
// some built-in categories, shown and active on the offscreen screen.

#include "app/EditingDialogs.h"
#include "app/MainWindow.h"
#include "dialogs/InstallCat.h"
#include "support/QtPrinting.h"
#include "support/TempDir.h"

#include <QListWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qv::test {

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds `categories` into a fresh package "Custom Category" and opens
    // the window on it.
    void Open(const std::vector<std::string>& categories = {"Length", "Temperature", "Area"});
    // Creates the editing dialogs, owned by the window, and hands them to it.
    void WithDialogs();

    template <typename T>
    T* Find(const char* name) const
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QTableWidget* Grid() const { return Find<QTableWidget>("Grid2"); }
    QListWidget* Categories() const { return Find<QListWidget>("LBCategories"); }
    // The value column of the row showing `label`, or "<none>".
    QString ValueOf(const QString& label) const;
    int RowOf(const QString& label) const;
    QString Status(int panel) const;

    void SelectCategory(int row);
    void ClickRow(int row);
    void DoubleClickRow(int row);
    // Types into the value field and presses Enter.
    void EnterValue(const QString& text);
    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TempDir dir;
    TfrmInstallCat* installer = nullptr;  // owned by the window
    std::unique_ptr<TFrmMain> window;
    EditingDialogs dialogs;
};

}  // namespace qv::test
