// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/InstallCat.h"

#include "builtin/BuildCats.h"
#include "catalogue/Cp1252.h"
#include "catalogue/Packages.h"
#include "support/FailingFiles.h"
#include "support/ModalScript.h"
#include "support/TempDir.h"
#include "ui/Ansi.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace qv {
namespace {

using Names = std::vector<std::string>;

Names Texts(const QListWidget* list)
{
    Names names;
    for (int i = 0; i < list->count(); ++i) names.push_back(FromQ(list->item(i)->text()));
    return names;
}

Names CategoryNames()
{
    Names names;
    for (int i = 0; i < Catalogue.CategoryCount(); ++i) names.push_back(Catalogue.CategoryAt(i).Name);
    return names;
}

// The built-in names in the order of the left list, without `removed`.
Names BuiltInNamesWithout(const Names& removed = {})
{
    Names names = ListBuiltInCategories();
    std::erase_if(names, [&](const std::string& n) { return std::ranges::count(removed, n) > 0; });
    std::ranges::sort(names, [](const auto& a, const auto& b) { return CompareTextIgnoringCase(a, b) < 0; });
    return names;
}

void Select(QListWidget* list, const Names& names)
{
    list->clearSelection();
    for (const std::string& name : names) {
        const QList<QListWidgetItem*> found = list->findItems(ToQ(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        found.front()->setSelected(true);
    }
}

class InstallCatTest : public testing::Test {
protected:
    void TearDown() override { ResetPackageState(); }

    template <typename T>
    T* Child(const char* name)
    {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // A package file in the program directory, loaded as the current one.
    void StartWith(const std::string& packageCaption, const Names& categories)
    {
        TCategories p;
        p.Caption = packageCaption;
        p.Active = true;
        for (const std::string& name : categories) p.AppendCategory(name).AppendUnit("u", "unit", 1.0L);
        p.SaveToFile(dir.file(packageCaption + ".qv"));
        StartUp(dir.path(), {});
    }

    // Runs the dialog with `inside` as the only step, which must close it. A
    // window left open is closed by the watchdog of the GUI test main(),
    // which fails the test.
    int Run(const std::function<void()>& inside)
    {
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            EXPECT_EQ(modal, &dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            inside();
            EXPECT_FALSE(dialog.isVisible()) << "the step left the dialog open";
        });
        const int result = dialog.exec();
        EXPECT_TRUE(script.done());
        return result;
    }

    // The state of a fresh showing; the messages must fit above the buttons.
    // Without Cancel there is no way out but OK: Esc and closing do nothing.
    void ExpectFreshShowing(const char* captionText, bool readOnly, const char* message1, const char* message2,
                            bool cancelOn)
    {
        EXPECT_EQ(caption->text(), QString::fromLatin1(captionText));
        EXPECT_EQ(caption->isReadOnly(), readOnly);
        EXPECT_EQ(label1->text(), ToQ(message1));
        EXPECT_EQ(label2->text(), ToQ(message2));
        // The messages keep their places and one font in every situation.
        EXPECT_EQ(label1->geometry(), QRect(10, 149, 224, 41));
        EXPECT_EQ(label2->geometry(), QRect(10, 190, 224, 41));
        for (QLabel* label : {label1, label2}) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << message1;
            if (messageFont) {
                EXPECT_EQ(label->font(), *messageFont);
            }
            messageFont = label->font();
        }
        EXPECT_EQ(cancel->isEnabled(), cancelOn);
        EXPECT_EQ(dialog.focusWidget(), catList);
        EXPECT_EQ(Texts(catList), BuiltInNamesWithout());
        EXPECT_TRUE(catList->selectedItems().isEmpty());
        EXPECT_EQ(picked->count(), 0);
        ExpectButtons(true, false, false);
        if (!cancelOn) {
            Key(catList, Qt::Key_Escape);
            EXPECT_FALSE(dialog.close());
            EXPECT_TRUE(dialog.isVisible());
        }
    }

    void ExpectButtons(bool addOn, bool delOn, bool okOn)
    {
        EXPECT_EQ(add->isEnabled(), addOn);
        EXPECT_EQ(del->isEnabled(), delOn);
        EXPECT_EQ(ok->isEnabled(), okOn);
    }

    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        target->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(target, key, modifiers);
    }

    void TypeCaption(const char* text)
    {
        caption->setFocus(Qt::MouseFocusReason);
        caption->selectAll();
        QTest::keyClicks(caption, QString::fromLatin1(text));
        if (!*text) QTest::keyClick(caption, Qt::Key_Backspace);
    }

    test::TempDir dir;
    TfrmInstallCat dialog;
    QLineEdit* caption = Child<QLineEdit>("PackageCaption");
    QListWidget* catList = Child<QListWidget>("CatList");
    QListWidget* picked = Child<QListWidget>("PickedCats");
    QPushButton* add = Child<QPushButton>("btnAdd");
    QPushButton* del = Child<QPushButton>("btnDel");
    QPushButton* ok = Child<QPushButton>("Button1");
    QPushButton* cancel = Child<QPushButton>("Button2");
    QLabel* label1 = Child<QLabel>("Label1");
    QLabel* label2 = Child<QLabel>("Label2");
    std::optional<QFont> messageFont;
};

TEST_F(InstallCatTest, FirstStartOffersOnlyOkAndCreatesTheProposedPackage)
{
    int result = -1;
    const StartUpResult started = StartUp(dir.path(), [&] {
        result = Run([&] {
            ExpectFreshShowing("Custom Category", false, installtext::NoPackage1, installtext::NoPackage2, false);
            Select(catList, {"Length"});
            add->click();
            Key(caption, Qt::Key_Return);
        });
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(started.HasPackage);
    EXPECT_EQ(Catalogue.Caption, "Custom Category");
    EXPECT_EQ(CategoryNames(), Names{"Length"});

    // The next showing starts afresh, now with a package to reinstall into.
    result = Run([&] {
        ExpectFreshShowing("Custom Category", false, installtext::Reinstall1, installtext::Reinstall2, true);
        Key(catList, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(InstallCatTest, EmptyPackageReceivesTheCategoriesUnderItsOwnCaption)
{
    StartWith("Empty", {"Area"});
    Catalogue.RemoveCategory(0);
    Run([&] {
        ExpectFreshShowing("Empty", true, installtext::EmptyPackage1, installtext::EmptyPackage2, false);
        Select(catList, {"Time"});
        add->click();
        ok->click();
    });
    EXPECT_EQ(Catalogue.Caption, "Empty");
    EXPECT_EQ(CategoryNames(), Names{"Time"});
}

// Cancel leaves the package and its folder as they were; the next showing
// starts from the package's caption, and OK reinstalls a category already
// there.
TEST_F(InstallCatTest, CancelChangesNothingAndReinstallMovesTheCategoryToTheEnd)
{
    StartWith("P", {"Area", "Length", "Time"});
    const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    int result = Run([&] {
        TypeCaption("Other");
        Select(catList, {"Length", "Time"});
        add->click();
        cancel->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Catalogue.Caption, "P");
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Length", "Time"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), filesBefore);

    result = Run([&] {
        EXPECT_EQ(caption->text(), QStringLiteral("P"));
        Select(catList, {"Length"});
        add->click();
        ok->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Time", "Length"}));
}

// Names move with the buttons, with Enter in either list (also while OK is
// enabled), with a double click, and with Delete in the right list. A
// selection arrives at the end of the right list in the order of the left
// one; names going back take their alphabetical place.
TEST_F(InstallCatTest, NamesMoveByButtonsKeysAndDoubleClicks)
{
    enum How { Button, Enter, KeypadEnter, Delete, DoubleClick };
    const struct {
        bool FromLeft;
        Names Chosen;
        How By;
        Names PickedAfter;
    } moves[] = {
        {true, {"Time"}, Button, {"Time"}},
        {true, {"Length", "Angle", "Area"}, Button, {"Time", "Angle", "Area", "Length"}},
        {true, {"Mass"}, Enter, {"Time", "Angle", "Area", "Length", "Mass"}},
        {true, {"Power"}, KeypadEnter, {"Time", "Angle", "Area", "Length", "Mass", "Power"}},
        {false, {"Time", "Length"}, Button, {"Angle", "Area", "Mass", "Power"}},
        {false, {"Angle"}, Enter, {"Area", "Mass", "Power"}},
        {false, {"Mass"}, Delete, {"Area", "Power"}},
        {true, {"Acceleration"}, DoubleClick, {"Area", "Power", "Acceleration"}},
        {false, {"Power"}, DoubleClick, {"Area", "Acceleration"}},
    };
    StartWith("P", {"Area"});
    Run([&] {
        for (const auto& move : moves) {
            SCOPED_TRACE(move.Chosen.front());
            QListWidget* from = move.FromLeft ? catList : picked;
            Select(from, move.Chosen);
            const QPoint at = from->visualItemRect(from->selectedItems().value(0)).center();
            switch (move.By) {
            case Button: (move.FromLeft ? add : del)->click(); break;
            case Enter: Key(from, Qt::Key_Return); break;
            case KeypadEnter: Key(from, Qt::Key_Enter, Qt::KeypadModifier); break;
            case Delete: Key(from, Qt::Key_Delete); break;
            case DoubleClick:
                QTest::mouseClick(from->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(from->viewport(), Qt::LeftButton, {}, at);
                break;
            }
            EXPECT_EQ(Texts(picked), move.PickedAfter);
            EXPECT_EQ(Texts(catList), BuiltInNamesWithout(move.PickedAfter));
            ASSERT_TRUE(dialog.isVisible());
        }
        // Enter in the caption field presses OK.
        Key(caption, Qt::Key_Return);
    });
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Acceleration"}));
}

// Add and Delete are enabled while their list has names; OK needs a choice
// and a caption, and Enter in the caption does nothing without them. Ctrl+A
// selects every name of the focused list only.
TEST_F(InstallCatTest, ButtonsFollowTheListsAndOkNeedsAChoiceAndACaption)
{
    StartUp(dir.path(), [&] {
        Run([&] {
            Select(catList, {"Time", "Area"});
            add->click();
            ExpectButtons(true, true, true);
            for (QListWidget* list : {catList, picked}) {
                QListWidget* other = list == catList ? picked : catList;
                other->clearSelection();
                Key(list, Qt::Key_A, Qt::ControlModifier);
                EXPECT_EQ(list->selectedItems().size(), list->count());
                EXPECT_TRUE(other->selectedItems().isEmpty());
            }
            del->click();
            ExpectButtons(true, false, false);
            Key(caption, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible()) << "nothing chosen";

            Key(catList, Qt::Key_A, Qt::ControlModifier);
            add->click();
            ExpectButtons(false, true, true);
            Select(picked, BuiltInNamesWithout({"Time", "Area"}));
            del->click();
            TypeCaption("");
            ExpectButtons(true, true, false);
            QTest::keyClick(caption, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible()) << "no caption";
            QTest::keyClicks(caption, QStringLiteral("Mine"));
            ok->click();
        });
    });
    EXPECT_EQ(Catalogue.Caption, "Mine");
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Time"}));
}

TEST_F(InstallCatTest, ATakenCaptionIsMadeUniqueOnLeavingTheFieldOrPressingEnter)
{
    StartWith("Custom Category", {"Area"});
    PackageCaptions.push_back("Custom Category2");
    PackageFiles.emplace_back();
    Run([&] {
        TypeCaption("custom category");
        Key(caption, Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), catList);
        EXPECT_EQ(caption->text(), QStringLiteral("custom category22"));

        TypeCaption("Custom Category");
        Key(caption, Qt::Key_Tab);
        EXPECT_EQ(caption->text(), QStringLiteral("Custom Category")) << "the current package's own caption";

        Select(catList, {"Time"});
        add->click();
        TypeCaption("CUSTOM CATEGORY");
        QTest::keyClick(caption, Qt::Key_Return);
    });
    EXPECT_EQ(caption->text(), QStringLiteral("CUSTOM CATEGORY22"));
    EXPECT_EQ(Catalogue.Caption, "CUSTOM CATEGORY22");
    EXPECT_EQ(CategoryNames(), Names{"Time"});
}

TEST_F(InstallCatTest, AFailedInstallIsShownAndKeepsTheDialogOpen)
{
    StartWith("Old", {"Area"});
    test::FailAtStep noTemporaryFile(1);
    test::SeenBox error;
    test::ModalScript script;
    script
        .then([&](QWidget*) {
            TypeCaption("Fresh");
            Select(catList, {"Angle", "Time"});
            add->click();
            ok->click();
        })
        .thenMessageBox(&error)
        .then([&](QWidget* modal) {
            EXPECT_EQ(modal, &dialog);
            EXPECT_EQ(Texts(picked), (Names{"Angle", "Time"}));
            EXPECT_EQ(caption->text(), QStringLiteral("Fresh"));
            cancel->click();
        });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(error.title, QStringLiteral("Quantova"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(Catalogue.Caption, "Old");
    EXPECT_EQ(CategoryNames(), Names{"Area"});
}

TEST_F(InstallCatTest, SplitterKeepsBothListsAtLeast35PixelsWide)
{
    StartWith("P", {"Area"});
    Run([&] {
        auto* splitter = Child<QSplitter>("Splitter");
        ASSERT_NE(splitter, nullptr);
        QWidget* handle = splitter->handle(1);
        for (const int dx : {-200, 400}) {
            SCOPED_TRACE(dx);
            const QPoint from = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, from + QPoint(dx, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(dx, 0));
            EXPECT_EQ((dx < 0 ? catList : picked)->width(), 35);
            EXPECT_EQ(picked->geometry().right(), splitter->width() - 1);
        }
        cancel->click();
    });
}

}  // namespace
}  // namespace qv
