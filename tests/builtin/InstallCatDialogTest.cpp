#include "builtin/InstallCatDialog.h"

#include "app/Ansi.h"
#include "builtin/BuildCats.h"
#include "catalogue/Cp1252.h"
#include "catalogue/Packages.h"
#include "support/ModalScript.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Names = std::vector<std::string>;

Names Texts(const QListWidget* list)
{
    Names names;
    for (int i = 0; i < list->count(); ++i)
        names.push_back(FromQ(list->item(i)->text()));
    return names;
}

Names CategoryNames()
{
    Names names;
    for (int i = 0; i < Catalogue.CategoryCount(); ++i)
        names.push_back(Catalogue.CategoryAt(i).Name);
    return names;
}

Names SortedBuiltInNames()
{
    Names names = ListBuiltInCategories();
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareTextIgnoringCase(a, b) < 0; });
    return names;
}

Names Without(Names names, const Names& removed)
{
    std::erase_if(names, [&](const std::string& n) {
        return std::find(removed.begin(), removed.end(), n) != removed.end();
    });
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

class InstallCatDialogTest : public testing::Test {
protected:
    void TearDown() override { ResetPackageState(); }

    template <typename T> T* Child(const char* name)
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
        for (const std::string& name : categories)
            p.AppendCategory(name).AppendUnit("u", "unit", 1.0L);
        p.SaveToFile(dir.file(packageCaption + ".qv"));
        StartUp(dir.path(), {});
    }

    // Runs the dialog modally; `script` acts on it (and on any message box
    // it opens). A watchdog ends a test that leaves a window open.
    int Exec(test::ModalScript& script)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [this] {
            ADD_FAILURE() << "a window stayed open";
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &dialog) modal->close();
            dialog.done(QDialog::Rejected);
        });
        watchdog.start(10000);
        const int result = dialog.exec();
        EXPECT_TRUE(script.done()) << script.stepsLeft() << " steps left";
        return result;
    }

    // Runs the dialog with `inside` as the only step, which must close it.
    int Run(const std::function<void()>& inside)
    {
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            EXPECT_EQ(modal, &dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            inside();
            EXPECT_FALSE(dialog.isVisible()) << "the step left the dialog open";
        });
        return Exec(script);
    }

    // The state of a fresh showing; the messages must fit above the buttons.
    void ExpectFreshShowing(const char* message1, const char* message2, bool cancelOn)
    {
        EXPECT_EQ(label1->text(), ToQ(message1));
        EXPECT_EQ(label2->text(), ToQ(message2));
        for (QLabel* label : {label1, label2}) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << message1;
            EXPECT_GT(label->y(), add->geometry().bottom());
            EXPECT_LT(label->geometry().bottom(), ok->y());
        }
        EXPECT_LT(label1->geometry().bottom(), label2->y());
        EXPECT_EQ(cancel->isEnabled(), cancelOn);
        EXPECT_EQ(dialog.focusWidget(), catList);
        EXPECT_EQ(Texts(catList), SortedBuiltInNames());
        EXPECT_EQ(catList->currentRow(), 0);
        EXPECT_TRUE(catList->selectedItems().isEmpty());
        EXPECT_EQ(picked->count(), 0);
        ExpectButtons(true, false, false);
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
};

TEST_F(InstallCatDialogTest, FirstStartOffersOnlyOkAndCreatesTheProposedPackage)
{
    int result = -1;
    const StartUpResult started = StartUp(dir.path(), [&] {
        result = Run([&] {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quantova - Installing Categories"));
            EXPECT_EQ(dialog.size(), QSize(244, 265));
            EXPECT_EQ(caption->text(), QStringLiteral("Custom Category"));
            EXPECT_FALSE(caption->isReadOnly());
            ExpectFreshShowing(installtext::NoPackage1, installtext::NoPackage2, false);

            // No way out but OK.
            Key(catList, Qt::Key_Escape);
            EXPECT_FALSE(dialog.close());
            cancel->click();
            EXPECT_TRUE(dialog.isVisible());

            Select(catList, {"Length"});
            add->click();
            Key(caption, Qt::Key_Return);
        });
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(started.HasPackage);
    EXPECT_EQ(Catalogue.Caption, "Custom Category");
    EXPECT_EQ(CategoryNames(), Names{"Length"});
    EXPECT_EQ(PackageCaptions, Names{"Custom Category"});
    EXPECT_EQ(PackageFiles, Names{""});

    // The next showing starts afresh, now with a package to reinstall into.
    result = Run([&] {
        EXPECT_EQ(caption->text(), QStringLiteral("Custom Category"));
        ExpectFreshShowing(installtext::Reinstall1, installtext::Reinstall2, true);
        Key(catList, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(InstallCatDialogTest, EmptyPackageReceivesTheCategoriesUnderItsOwnCaption)
{
    StartWith("Empty", {"Area"});
    Catalogue.RemoveCategory(0);
    Run([&] {
        EXPECT_EQ(caption->text(), QStringLiteral("Empty"));
        EXPECT_TRUE(caption->isReadOnly());
        ExpectFreshShowing(installtext::EmptyPackage1, installtext::EmptyPackage2, false);
        EXPECT_FALSE(dialog.close());
        Select(catList, {"Time"});
        add->click();
        ok->click();
    });
    EXPECT_EQ(Catalogue.Caption, "Empty");
    EXPECT_EQ(CategoryNames(), Names{"Time"});
    EXPECT_EQ(PackageCaptions, Names{"Empty"});
}

TEST_F(InstallCatDialogTest, ReinstallKeepsThePackageAndMovesTheCategoryToTheEnd)
{
    StartWith("P", {"Area", "Length", "Time"});
    const int result = Run([&] {
        EXPECT_EQ(caption->text(), QStringLiteral("P"));
        EXPECT_FALSE(caption->isReadOnly());
        Select(catList, {"Length"});
        add->click();
        ok->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Time", "Length"}));
    EXPECT_EQ(Catalogue.CategoryAt(2).UnitCount(), 38);
    EXPECT_EQ(PackageCaptions, Names{"P"});
}

TEST_F(InstallCatDialogTest, CancelChangesNothing)
{
    StartWith("P", {"Area"});
    const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    const int result = Run([&] {
        TypeCaption("Other");
        Select(catList, {"Area", "Time"});
        add->click();
        cancel->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Catalogue.Caption, "P");
    EXPECT_EQ(CategoryNames(), Names{"Area"});
    EXPECT_EQ(Catalogue.CategoryAt(0).UnitCount(), 1);
    EXPECT_EQ(PackageCaptions, Names{"P"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), filesBefore);
}

TEST_F(InstallCatDialogTest, NamesArriveInOrderOfChoiceAndOkNeedsAChoiceAndACaption)
{
    StartUp(dir.path(), [&] {
        Run([&] {
            Select(catList, {"Time"});
            add->click();
            Select(catList, {"Length", "Angle", "Area"});
            add->click();
            // One press moves a selection in the order of the left list.
            EXPECT_EQ(Texts(picked), (Names{"Time", "Angle", "Area", "Length"}));
            EXPECT_EQ(Texts(catList), Without(SortedBuiltInNames(), {"Time", "Angle", "Area", "Length"}));
            ExpectButtons(true, true, true);

            Select(picked, {"Time", "Length"});
            del->click();
            EXPECT_EQ(Texts(picked), (Names{"Angle", "Area"}));
            EXPECT_EQ(Texts(catList), Without(SortedBuiltInNames(), {"Angle", "Area"}));
            Select(picked, {"Angle", "Area"});
            del->click();
            EXPECT_EQ(Texts(catList), SortedBuiltInNames());
            ExpectButtons(true, false, false);
            Key(caption, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible()) << "nothing chosen";

            catList->selectAll();
            add->click();
            EXPECT_EQ(Texts(picked), SortedBuiltInNames());
            ExpectButtons(false, true, true);
            Select(picked, Without(SortedBuiltInNames(), {"Time", "Area"}));
            del->click();
            EXPECT_EQ(Texts(picked), (Names{"Area", "Time"}));

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

TEST_F(InstallCatDialogTest, KeysAndDoubleClicksMoveNamesInTheFocusedList)
{
    StartWith("P", {"Area"});
    Run([&] {
        // Enter moves names in a list even while OK is enabled.
        Select(catList, {"Mass"});
        Key(catList, Qt::Key_Return);
        Select(catList, {"Angle", "Power"});
        Key(catList, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Texts(picked), (Names{"Mass", "Angle", "Power"}));

        Select(picked, {"Angle"});
        Key(picked, Qt::Key_Return);
        EXPECT_EQ(Texts(picked), (Names{"Mass", "Power"}));
        Select(picked, {"Mass"});
        Key(picked, Qt::Key_Delete);
        EXPECT_EQ(Texts(picked), Names{"Power"});
        EXPECT_EQ(Texts(catList), Without(SortedBuiltInNames(), {"Power"}));

        // Ctrl+A selects every name of the focused list only.
        picked->clearSelection();
        Key(catList, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(catList->selectedItems().size(), catList->count());
        EXPECT_TRUE(picked->selectedItems().isEmpty());
        catList->clearSelection();
        Key(picked, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(picked->selectedItems().size(), 1);
        EXPECT_TRUE(catList->selectedItems().isEmpty());

        const auto doubleClick = [](QListWidget* list, const char* name) {
            QListWidgetItem* item = list->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0);
            ASSERT_NE(item, nullptr) << name;
            const QPoint at = list->visualItemRect(item).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(catList, "Acceleration");
        EXPECT_EQ(Texts(picked), (Names{"Power", "Acceleration"}));
        doubleClick(picked, "Power");
        EXPECT_EQ(Texts(picked), Names{"Acceleration"});

        // Enter in the caption field presses OK.
        Key(caption, Qt::Key_Return);
    });
    EXPECT_EQ(CategoryNames(), (Names{"Area", "Acceleration"}));
}

TEST_F(InstallCatDialogTest, ATakenCaptionIsMadeUniqueOnLeavingTheFieldOrPressingEnter)
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
    EXPECT_EQ(PackageCaptions, (Names{"Custom Category", "Custom Category2", "CUSTOM CATEGORY22"}));
}

TEST_F(InstallCatDialogTest, AFailedInstallIsShownAndKeepsTheDialogOpen)
{
    StartWith("Old", {"Area"});
    std::filesystem::create_directory(dir.file("Old.qv.saving"));
    test::SeenBox error;
    test::ModalScript script;
    script
        .then([&](QWidget*) {
            TypeCaption("Fresh");
            Select(catList, {"Angle", "Time"});
            add->click();
            QTimer::singleShot(0, ok, &QPushButton::click);
        })
        .thenMessageBox(&error)
        .then([&](QWidget* modal) {
            EXPECT_EQ(modal, &dialog);
            EXPECT_EQ(Texts(picked), (Names{"Angle", "Time"}));
            EXPECT_EQ(Texts(catList), Without(SortedBuiltInNames(), {"Angle", "Time"}));
            EXPECT_EQ(caption->text(), QStringLiteral("Fresh"));
            cancel->click();
        });
    EXPECT_EQ(Exec(script), QDialog::Rejected);
    EXPECT_TRUE(error.seen);
    EXPECT_EQ(error.title, QStringLiteral("Quantova"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(Catalogue.Caption, "Old");
    EXPECT_EQ(CategoryNames(), Names{"Area"});
    EXPECT_EQ(PackageCaptions, Names{"Old"});
}

TEST_F(InstallCatDialogTest, SplitterKeepsBothListsAtLeast35PixelsWide)
{
    StartWith("P", {"Area"});
    Run([&] {
        auto* splitter = Child<QSplitter>("Splitter");
        ASSERT_NE(splitter, nullptr);
        QWidget* handle = splitter->handle(1);
        EXPECT_EQ(catList->width(), 120);
        const auto drag = [&](int dx) {
            const QPoint from = handle->rect().center();
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, from + QPoint(dx, 0));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(dx, 0));
        };
        drag(-200);
        EXPECT_EQ(catList->width(), 35);
        EXPECT_EQ(picked->geometry().right(), splitter->width() - 1);
        drag(400);
        EXPECT_EQ(picked->width(), 35);
        EXPECT_EQ(picked->geometry().right(), splitter->width() - 1);
        cancel->click();
    });
}

}  // namespace
}  // namespace qv
