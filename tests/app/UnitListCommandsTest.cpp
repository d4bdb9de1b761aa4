// SPDX-License-Identifier: GPL-3.0-or-later
// Finding units in the list by typing, and copying or saving the listed rows.
#include "MainWindowFixture.h"

#include "catalogue/Packages.h"
#include "expr/NumberText.h"
#include "support/ModalScript.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <filesystem>

namespace qv::test {
namespace {

class UnitList : public MainWindowFixture {
protected:
    QLineEdit* FilterEdit() const { return Find<QLineEdit>("FilterEdit"); }
    QWidget* FilterBar() const { return Find<QWidget>("FilterBar"); }

    // Replaces the filter text key by key, as a person types it.
    void TypeFilter(const QString& text)
    {
        FilterEdit()->selectAll();
        QTest::keyClick(FilterEdit(), Qt::Key_Backspace);
        for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, FilterEdit(), Qt::Key_unknown, QString(ch), {});
    }

    QStringList Labels() const
    {
        QStringList labels;
        for (int row = 0; row < Grid()->rowCount(); ++row) labels << Grid()->item(row, 0)->text();
        return labels;
    }
};

TEST_F(UnitList, FilterShowsTheMatchingUnits)
{
    Open();
    Catalogue.CategoryAt(0).AppendUnit("m\xE8",
                                       "M\xE8tres fran\xE7"
                                       "ais",
                                       1.0L);  // mè (Mètres français)
    const QRect closedGrid = Grid()->geometry();
    Press(Grid(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(FilterBar()->isVisible());
    EXPECT_TRUE(FilterEdit()->hasFocus());
    EXPECT_EQ(FilterBar()->geometry(), QRect(closedGrid.topLeft(), QSize(closedGrid.width(), 25)));
    EXPECT_EQ(Grid()->geometry(), closedGrid.adjusted(0, 25, 0, 0)) << "the list is shorter by the bar";

    struct Case {
        const char* typed;
        QStringList rows;
    };
    const Case cases[] = {
        {"FEET", {QStringLiteral("ft (feet)"), QStringLiteral("ft surv (feet, U.S. survey)")}},
        {"fathom", {QStringLiteral("f (fathoms)")}},
        {"metres francais", {QString::fromUtf8("m\u00E8 (M\u00E8tres fran\u00E7ais)")}},
        {"\u00C7AIS", {QString::fromUtf8("m\u00E8 (M\u00E8tres fran\u00E7ais)")}},
        {"\u4E2D", {}},
        {"furlongs!", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypeFilter(QString::fromUtf8(c.typed));
        EXPECT_EQ(Labels(), c.rows);
        EXPECT_EQ(Find<QLabel>("FilterHint")->text(),
                  c.rows.isEmpty() ? QStringLiteral("No unit matches.") : QString());
        EXPECT_EQ(Find<QAction>("CopyTable")->isEnabled(), !c.rows.isEmpty());
        EXPECT_EQ(Find<QAction>("HideUnit")->isEnabled(), !c.rows.isEmpty()) << "no row, no unit to act on";
    }
}

TEST_F(UnitList, SelectionStatusLineAndClosing)
{
    Open();
    ClickRow(RowOf(QStringLiteral("ft (feet)")));
    const QString ftStatus = Status(0);
    Press(Grid(), Qt::Key_Slash);
    TypeFilter(QStringLiteral("mile"));
    EXPECT_EQ(Labels(),
              (QStringList{QStringLiteral("mi (miles, statute)"), QStringLiteral("nmi (nautical miles, U.S.)")}));
    EXPECT_EQ(Grid()->currentRow(), 0) << "the selected unit has no row: the first row is highlighted";
    EXPECT_EQ(Status(0), ftStatus) << "and the status line still names it";

    QTest::keyClick(FilterEdit(), Qt::Key_Return);
    EXPECT_EQ(Status(0), QStringLiteral("Length, 1 m = 0.000621371 mi"));
    EXPECT_TRUE(FilterEdit()->hasFocus());
    QTest::keyClick(FilterEdit(), Qt::Key_Down);
    EXPECT_TRUE(Grid()->hasFocus());

    Press(Grid(), Qt::Key_Slash);
    QTest::keyClick(FilterEdit(), Qt::Key_Escape);
    EXPECT_FALSE(FilterBar()->isVisible());
    EXPECT_TRUE(FilterEdit()->text().isEmpty());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Grid()->rowCount(), 38);
    EXPECT_EQ(Grid()->mapTo(window.get(), QPoint(0, 0)).y(), 87) << "the list is back in its place";
    EXPECT_EQ(Grid()->item(Grid()->currentRow(), 0)->text(), QStringLiteral("mi (miles, statute)"));
}

TEST_F(UnitList, FilterStaysWithItsCategory)
{
    Open();
    Press(Grid(), Qt::Key_F, Qt::ControlModifier);
    TypeFilter(QStringLiteral("yard"));
    Press(Grid(), Qt::Key_N);  // a rebuild of the same category keeps the filter
    EXPECT_EQ(Labels(), QStringList{QStringLiteral("yd (yards)")});
    SelectCategory(2);
    EXPECT_TRUE(FilterEdit()->text().isEmpty());
    EXPECT_EQ(Grid()->rowCount(), Catalogue.CategoryAt(2).VisibleUnitCount());
    EXPECT_TRUE(FilterBar()->isVisible());
}

TEST_F(UnitList, CopyTableWithACommaSeparator)
{
    SetDecimalSeparator(',');
    Open();
    Press(Grid(), Qt::Key_Slash);
    TypeFilter(QStringLiteral("inch"));
    Press(Grid(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const QString micro = ValueOf(QString::fromUtf8("\u00B5in (microinches)"));
    const QString inch = ValueOf(QStringLiteral("in (inches)"));
    EXPECT_EQ(inch, QStringLiteral("39,3701"));
    EXPECT_EQ(copied->text(), QString::fromUtf8("\u00B5in\tmicroinches\t") + micro + QStringLiteral("\nin\tinches\t") +
                                  inch + QStringLiteral("\n"));
    EXPECT_TRUE(copied->html().contains(QStringLiteral("<tr><td>in</td><td>inches</td><td>39,3701</td></tr>")))
        << copied->html().toStdString();
}

TEST_F(UnitList, SaveTableWritesCsvOrSaysWhyNot)
{
    Open();
    Catalogue.CategoryAt(0).AppendUnit("say", "feet, \"so to speak\"", 0.3048L);
    EnterValue(QStringLiteral("2"));
    Press(Grid(), Qt::Key_Slash);
    TypeFilter(QStringLiteral("feet"));

    auto saveAs = [](const std::string& path) {
        return [path](QWidget* modal) {
            // Typed into the dialog's name field, as a person does.
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(qobject_cast<QFileDialog*>(modal) && name);
            name->setText(QString::fromStdString(path));
            static_cast<QDialog*>(modal)->accept();
        };
    };
    const std::string good = dir.file("table.csv");
    {
        ModalScript script;
        script.then(saveAs(good));
        Press(Grid(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(ReadFileText(good), "Length,2,m\r\n"
                                  "ft,feet,6.56168\r\n"
                                  "ft surv,\"feet, U.S. survey\",6.56167\r\n"
                                  "say,\"feet, \"\"so to speak\"\"\",6.56168\r\n");

    const std::string bad = dir.file("missing/table.csv");
    SeenBox seen;
    {
        ModalScript script;
        script.then(saveAs(bad)).thenMessageBox(&seen);
        Press(FilterEdit(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QString::fromStdString("Cannot create file " + bad + " (No such file or directory)"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

}  // namespace
}  // namespace qv::test
