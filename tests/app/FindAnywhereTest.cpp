// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "app/Settings.h"
#include "builtin/BuildCats.h"
#include "catalogue/Packages.h"
#include "support/ModalScript.h"
#include "widgets/DataEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTest>

namespace qv::test {
namespace {

class FindAnywhere : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.path()) + QStringLiteral("config"));
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.path()) + QStringLiteral("none"));
    }
    void OpenAll() { Open(ListBuiltInCategories()); }
    // Ends the window and the package, as at the end of a run.
    void Close()
    {
        window.reset();
        ResetPackageState();
    }

    QWidget* Box() const { return Find<QWidget>("FindAnywhere"); }
    QLineEdit* Edit() const { return Find<QLineEdit>("FindAnywhereEdit"); }
    QListWidget* List() const { return Find<QListWidget>("FindAnywhereList"); }
    QStringList Lines() const
    {
        QStringList lines;
        for (int row = 0; row < List()->count(); ++row) lines << List()->item(row)->text();
        return lines;
    }
    void Type(const QString& text)
    {
        Edit()->selectAll();
        QTest::keyClick(Edit(), Qt::Key_Backspace);
        for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, Edit(), Qt::Key_unknown, QString(ch), {});
    }
    // Ctrl+K, the text, then the keys.
    void Search(const QString& text, std::initializer_list<Qt::Key> keys = {Qt::Key_Return})
    {
        Press(Grid(), Qt::Key_K, Qt::ControlModifier);
        Type(text);
        for (Qt::Key key : keys) QTest::keyClick(Edit(), key);
    }
    QString CurrentCategory() const { return Categories()->currentItem()->text(); }
    QString EntryUnit() const { return Find<QComboBox>("EntryUnit")->currentText(); }
    QString Value() const { return Find<QLineEdit>("EntryValue")->text(); }
    QString Highlighted() const
    {
        return Grid()->currentRow() < 0 ? QString() : Grid()->item(Grid()->currentRow(), 0)->text();
    }
};

TEST_F(FindAnywhere, CtrlKOpensTheBoxFromEveryControlAndEscGivesTheFocusBack)
{
    Open();
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);  // a caret that blinks would differ between pictures
    for (const char* name : {"EntryValue", "Grid2", "LBCategories", "EntryUnit", "EntryPrecision"}) {
        SCOPED_TRACE(name);
        auto* control = Find<QWidget>(name);
        control->setFocus();
        auto* edit = qobject_cast<QLineEdit*>(control);
        // Leaving a field writes its value back, which puts the caret at the end.
        if (edit) edit->end(false);
        const QImage closed = window->grab().toImage();
        if (edit) edit->setCursorPosition(0);
        const QString before = Find<QLineEdit>("EntryValue")->text();
        Press(control, Qt::Key_K, Qt::ControlModifier);
        ASSERT_TRUE(Box()->isVisible());
        EXPECT_TRUE(Edit()->hasFocus());
        EXPECT_EQ(Box()->y(), Find<QWidget>("ToolBar1")->height()) << "over the controls, under the tool bar";
        // Ctrl+K is not the field's "delete to the end of the line".
        EXPECT_EQ(Find<QLineEdit>("EntryValue")->text(), before);
        QTest::keyClick(Edit(), Qt::Key_Escape);
        EXPECT_FALSE(Box()->isVisible());
        EXPECT_TRUE(control->hasFocus());
        EXPECT_EQ(window->grab().toImage(), closed) << "closed, the window is as it was";
    }
    QApplication::setCursorFlashTime(flashTime);
    EXPECT_EQ(Box()->accessibleName(), QStringLiteral("Find Anywhere"));
    EXPECT_EQ(Edit()->accessibleName(), QStringLiteral("Find Anywhere"));
}

// As when the focus leaves the field otherwise, an entry it refuses is
// reported and keeps the focus; an accepted one is converted first.
TEST_F(FindAnywhere, TheValueFieldIsCheckedBeforeTheBoxOpens)
{
    Open();
    auto* value = Find<QLineEdit>("EntryValue");
    value->setFocus();
    value->setText(QStringLiteral("2*(3"));
    SeenBox seen;
    ModalScript script;
    script.thenMessageBox(&seen);
    Press(value, Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Entry could not be evaluated"))) << seen.text.toStdString();
    EXPECT_FALSE(Box()->isVisible());
    EXPECT_EQ(window->focusWidget(), value);

    value->setText(QStringLiteral("2*3"));
    Press(value, Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(Box()->isVisible());
    EXPECT_EQ(value->text(), QStringLiteral("6"));
    EXPECT_EQ(ValueOf(EntryUnit()), QStringLiteral("6")) << "converted";
}

TEST_F(FindAnywhere, TypingListsUnitsOfEveryCategoryBestFirst)
{
    OpenAll();
    const struct {
        const char* typed;
        std::vector<const char*> first;
    } cases[] = {
        {"knot", {"knot (knots) — Velocity (Speed)"}},
        {"psi", {"psi (pounds/inch², lbf/in²) — Pressure (Stress)"}},
        // m² as typed plainly, then the symbols that begin so.
        {"m2", {"m² (meters²) — Area", "m²/s (meters²/second) — Kinematic Viscosity (Coefficient of Consolidation)"}},
        {"acre", {"a (acres) — Area", "a-ft (acre feet) — Volume"}},
        {"degC", {"C° (Celsius) — Temperature"}},
        // The symbol, symbols and aliases ("mile") that begin so, then words.
        {"mil",
         {"mil (mils) — Length", "mi (miles, statute) — Length", "mm (millimeters) — Length",
          "millennium (millenia) — Time", "c m (circular mils) — Area"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Search(QString::fromUtf8(c.typed), {});
        QStringList first;
        for (const char* line : c.first) first << QString::fromUtf8(line);
        EXPECT_EQ(Lines().mid(0, first.size()), first);
        EXPECT_EQ(List()->currentRow(), 0);
        QTest::keyClick(Edit(), Qt::Key_Escape);
    }
    Search(QStringLiteral("mil"), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
    EXPECT_EQ(List()->currentRow(), 1);
    Type(QStringLiteral("zzzz"));
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("No unit matches.")});
}

TEST_F(FindAnywhere, GoingThereSetsCategoryEntryUnitValueAndHighlight)
{
    const struct {
        const char* typed;
        std::vector<Qt::Key> keys;
        const char* category;
        const char* unit;
        const char* value;
        const char* highlighted;  // and its row in sight; null: as it was
        const char* status;
    } cases[] = {
        // A unit: the value shown stays (7, typed in Length).
        {"knot", {Qt::Key_Return}, "Velocity (Speed)", "knot (knots)", "7", nullptr, nullptr},
        {"5 kn to km/h",
         {Qt::Key_Return},
         "Velocity (Speed)",
         "knot (knots)",
         "5",
         "kph (kilometers/hour)",
         "Velocity (Speed), 1 knot = 1.852 kph"},
        {"12*2.54 in to ft",
         {Qt::Key_Return},
         "Length",
         "in (inches)",
         "30.48",
         "ft (feet)",
         "Length, 1 in = 0.0833333 ft"},
        {"2 kn", {Qt::Key_Return}, "Velocity (Speed)", "knot (knots)", "2", nullptr, nullptr},
        // "m" is in two categories: Enter alone does nothing, Down picks.
        {"3 m",
         {Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return},
         "Metric Prefixes",
         "m (milli)",
         "3",
         nullptr,
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        OpenAll();
        EnterValue(QStringLiteral("7"));
        Press(Grid(), Qt::Key_K, Qt::ControlModifier);
        Type(QString::fromUtf8(c.typed));
        for (Qt::Key key : c.keys) QTest::keyClick(Edit(), key);
        EXPECT_FALSE(Box()->isVisible());
        EXPECT_EQ(CurrentCategory(), QString::fromUtf8(c.category));
        EXPECT_EQ(EntryUnit(), QString::fromUtf8(c.unit));
        EXPECT_EQ(Value(), QString::fromUtf8(c.value));
        if (c.highlighted) {
            EXPECT_EQ(Highlighted(), QString::fromUtf8(c.highlighted));
            EXPECT_TRUE(Grid()->viewport()->rect().contains(Grid()->visualItemRect(Grid()->currentItem())));
            EXPECT_EQ(Status(0), QString::fromUtf8(c.status));
        }
        Close();
    }
}

TEST_F(FindAnywhere, DoubleClickGoesThere)
{
    OpenAll();
    Search(QStringLiteral("psi"), {});
    const QRect line = List()->visualItemRect(List()->item(0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_FALSE(Box()->isVisible());
    EXPECT_EQ(CurrentCategory(), QStringLiteral("Pressure (Stress)"));
    EXPECT_EQ(EntryUnit(), QStringLiteral("psi (pounds/inch\u00B2, lbf/in\u00B2)"));
}

TEST_F(FindAnywhere, RecentPlacesAreListedAfterARestartMostRecentFirst)
{
    OpenAll();
    Search(QStringLiteral("knot"));
    Search(QStringLiteral("2 psi"));
    Search(QStringLiteral("knot"));
    Close();

    OpenAll();
    Press(Grid(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(Lines(), (QStringList{QStringLiteral("knot (knots) \u2014 Velocity (Speed)"),
                                    QStringLiteral("psi (pounds/inch\u00B2, lbf/in\u00B2) \u2014 Pressure (Stress)")}));
    Close();

    // Eight are kept; a unit the package no longer holds is left out.
    for (int i = 0; i < 9; ++i) RememberRecentPlace({QStringLiteral("Length"), QStringLiteral("u%1").arg(i)});
    RememberRecentPlace({QStringLiteral("Length"), QStringLiteral("ft")});
    const QList<RecentPlace> kept = ReadRecentPlaces();
    ASSERT_EQ(kept.size(), MaxRecentPlaces);
    EXPECT_EQ(kept.front().Unit, QStringLiteral("ft"));
    EXPECT_EQ(kept.back().Unit, QStringLiteral("u2"));
    Open();
    Press(Grid(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(Lines(), QStringList{QStringLiteral("ft (feet) \u2014 Length")});
}

}  // namespace
}  // namespace qv::test
