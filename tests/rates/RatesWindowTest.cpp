// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowFixture.h"
#include "app/RatesCommand.h"
#include "app/RatesHint.h"
#include "builtin/BuildCats.h"
#include "builtin/CurrencyFile.h"
#include "builtin/PublishedRates.h"
#include "builtin/RateProvenance.h"
#include "catalogue/Packages.h"
#include "dialogs/UpdateRates.h"
#include "support/LocalHttpServer.h"
#include "support/ModalScript.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qv {
namespace {

using test::HttpResponse;
using test::LocalHttpServer;
using test::ModalScript;
using test::SeenBox;

std::string DailyRates()
{
    return test::ReadFileText(QUANTOVA_RATES_DATA "/eurofxref-daily.xml");
}

// A message or hint without its count of old rates, which follows the clock.
QString WithoutOldCount(QString text)
{
    static const QRegularExpression count(QStringLiteral("(\\. |; )\\d+ rates? (are|is) older than 30 days"));
    return text.remove(count);
}

// Types `source` into the rates dialog and presses Update.
ModalScript::Step UpdateFrom(const std::string& source)
{
    return [source](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), QStringLiteral("FrmUpdateRates"));
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("EdtSource"));
        EXPECT_TRUE(edit->text().isEmpty()) << "the default sources";
        EXPECT_EQ(edit->placeholderText(), QStringLiteral("the default sources"));
        EXPECT_EQ(modal->findChild<QLabel*>(QStringLiteral("LblStatus"))->text(),
                  QStringLiteral("Empty: the European Central Bank, then FloatRates."));
        edit->setText(QString::fromStdString(source));
        modal->findChild<QPushButton*>(QStringLiteral("BtnUpdate"))->click();
    };
}

class RatesWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ResetPackageState();
        ProgramDir = dir.path();
        Catalogue.Caption = "Custom Category";
        PackageCaptions = {"Custom Category"};
        PackageFiles = {""};
    }
    void TearDown() override { ResetPackageState(); }

    void Build(std::vector<std::string> categories) { BuildBuiltInCategories(Catalogue, categories, dir.path()); }

    test::TempDir dir;
    LocalHttpServer server{HttpResponse{.Body = DailyRates()}};
    TFrmUpdateRates dialog;
    const int program_ = (dialog.SetProgram(QStringLiteral(QUANTOVA_UPDATE_RATES_BINARY)), 0);
};

TEST_F(RatesWindow, UpdateOffersToInstallCurrencyAgain)
{
    Build({"Currency", "Length"});
    Catalogue.CategoryAt(0).AppendUnit("XXX", "my own", 2.0L);
    Catalogue.CategoryAt(0).UnitAt(Catalogue.CategoryAt(0).UnitCount() - 1).Custom = true;
    QListWidget list;
    list.addItems({QStringLiteral("Length"), QStringLiteral("Currency")});
    QLabel status;
    ShowRatesHints(ProgramDir, &list, &status, "Currency");
    EXPECT_EQ(list.item(1)->toolTip(),
              QStringLiteral("Exchange rates of April 16, 1998 EST (Currency.txt); 166 rates are older than 30 days"));
    EXPECT_EQ(status.toolTip(), list.item(1)->toolTip());

    SeenBox seen;
    ModalScript script;
    script.then(UpdateFrom(server.Url())).thenMessageBox(&seen, QMessageBox::Yes);
    EXPECT_TRUE(UpdateRatesCommand(nullptr, dialog));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(WithoutOldCount(seen.text).toStdString(),
              "Rates of December 7, 2026: 53 currencies changed, 8 of them added.\n\n" +
                  std::string(msg::ReinstallCurrencyQuestion) + " " + msg::ReinstallCurrencyCustomUnits);

    ASSERT_EQ(Catalogue.CategoryCount(), 2);
    const TCategory& currency = Catalogue.CategoryAt(1);
    EXPECT_EQ(currency.Name, "Currency");
    EXPECT_EQ(currency.UnitCount(), 175) << "the default 167, 8 added, no custom unit";
    EXPECT_EQ(currency.UnitAt(170).Symbol, "EUR") << "added rows follow the last row, by name";
    EXPECT_EQ(currency.UnitAt(170).Factor, 1.1645L);

    ShowRatesHints(ProgramDir, &list, &status, "Length");
    EXPECT_EQ(WithoutOldCount(list.item(1)->toolTip()),
              QStringLiteral("Exchange rates of December 7, 2026 (Currency.txt)"));
    EXPECT_EQ(list.item(0)->toolTip(), QString());
    EXPECT_EQ(status.toolTip(), QString());
}

TEST_F(RatesWindow, WithoutCurrencyOrWhenDeclinedThePackageStays)
{
    const std::string file = dir.file("daily.xml");
    test::WriteFileText(file, DailyRates());
    Build({"Length"});
    SeenBox seen;
    ModalScript script;
    script.then(UpdateFrom(file)).thenMessageBox(&seen, QMessageBox::Ok);
    EXPECT_FALSE(UpdateRatesCommand(nullptr, dialog));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(WithoutOldCount(seen.text),
              QStringLiteral("Rates of December 7, 2026: 53 currencies changed, 8 of them added."));

    Build({"Currency"});
    script.then(UpdateFrom(server.Url())).thenMessageBox(&seen, QMessageBox::No);
    EXPECT_FALSE(UpdateRatesCommand(nullptr, dialog));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(WithoutOldCount(seen.text).toStdString(),
              "Rates of December 7, 2026: no currency changed.\n\n" + std::string(msg::ReinstallCurrencyQuestion));
    EXPECT_EQ(Catalogue.CategoryAt(1).UnitCount(), 175) << "built from the file updated before";
    EXPECT_EQ(Catalogue.CategoryCount(), 2);
}

TEST_F(RatesWindow, ErrorsAndCancelLeaveTheFileAlone)
{
    Build({"Length"});
    const std::string path = dir.file(CurrencyFileName);
    ASSERT_FALSE(std::filesystem::exists(path));

    server.SetResponse(HttpResponse{.Status = 404});
    ModalScript failing;
    failing.then(UpdateFrom(server.Url()));
    try {
        UpdateRatesCommand(nullptr, dialog);
        ADD_FAILURE() << "no error";
    } catch (const ERatesError& e) {
        EXPECT_STREQ(e.what(), "127.0.0.1 answered with HTTP status 404");
    }

    // A silent server: the dialog stays responsive and Cancel ends the child
    // long before the timeout.
    server.SetResponse(HttpResponse{.Silent = true});
    dialog.SetTimeout(std::chrono::seconds(30));
    bool busy = false;
    ModalScript script;
    script.then([this, &busy](QWidget* modal) {
        UpdateFrom(server.Url())(modal);
        QTimer::singleShot(100, modal, [modal, &busy] {
            busy = !modal->findChild<QPushButton*>(QStringLiteral("BtnUpdate"))->isEnabled();
            modal->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
        });
    });
    EXPECT_FALSE(UpdateRatesCommand(nullptr, dialog));
    EXPECT_TRUE(busy);
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(Catalogue.CategoryCount(), 1);
}

// The dialog against a stand-in for the helper: a shell script that writes
// the lines it is given, and then waits, ends or dies as a real one might.
struct ChildCase {
    const char* name;
    const char* script;
    enum { None, CancelButton, EscapeKey } stop = None;
    // What the command ends with: the message box's text, nothing (cancelled),
    // or the error's text.
    const char* shown = nullptr;
    const char* error = nullptr;
};

const ChildCase ChildCases[] = {
    {"reinstall is offered when the helper says so",
     "printf 'progress\\t512\\t1024\\n'; while [ ! -e go ]; do sleep 0.02; done\n"
     "printf 'status\\tMerging\\nreinstall\\n'; printf 'done\\t%s\\n' 'Rates of May 4, 2026:\\tmany\\\\changed'",
     ChildCase::None, "Rates of May 4, 2026:\tmany\\changed.\n\nInstall the Currency category again"},
    {"no reinstall line, no offer", "printf 'done\\tRates of May 4, 2026: no currency changed\\n'", ChildCase::None,
     "Rates of May 4, 2026: no currency changed."},
    {"a failure is the error", "printf 'failed\\tThe document holds no exchange rates\\n'; exit 6", ChildCase::None,
     nullptr, "The document holds no exchange rates"},
    {"a file error names the file", "printf 'file-error\\tCannot write %%s\\t/data/Currency.txt\\t\\n'; exit 5",
     ChildCase::None, nullptr, "Cannot write /data/Currency.txt"},
    {"a child that ends without a result", "printf 'progress\\t1\\t0\\nnews\\tfrom a later version\\n'; exit 3",
     ChildCase::None, nullptr,
     "quantova-update-rates, which updates the rates, ended without a result (exit status 3)"},
    {"a child that dies", "kill -9 $$", ChildCase::None, nullptr,
     "quantova-update-rates, which updates the rates, ended without a result (it stopped abnormally)"},
    {"a child that hangs", "exec sleep 30", ChildCase::None, nullptr,
     "quantova-update-rates, which updates the rates, did not finish within 0.4 seconds and was stopped"},
    {"Cancel ends the child", "exec sleep 30", ChildCase::CancelButton},
    {"Esc ends the child", "trap '' TERM; while true; do sleep 0.05; done", ChildCase::EscapeKey},
};

TEST_F(RatesWindow, TheDialogFollowsItsChild)
{
    Build({"Currency"});
    for (const ChildCase& c : ChildCases) {
        SCOPED_TRACE(c.name);
        const std::string script = dir.file("child.sh");
        std::ofstream(script) << "#!/bin/sh\ncd '" << dir.path() << "'\n" << c.script << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        std::filesystem::remove(dir.file("go"));
        dialog.SetProgram(QString::fromStdString(script));
        dialog.SetTimeout(std::chrono::milliseconds(c.stop == ChildCase::None ? 100 : 30000),
                          std::chrono::milliseconds(300));

        int progress = -1;
        SeenBox seen;
        ModalScript modals;
        modals.then([&](QWidget* modal) {
            modal->findChild<QPushButton*>(QStringLiteral("BtnUpdate"))->click();
            auto* bar = modal->findChild<QProgressBar*>(QStringLiteral("Progress"));
            auto* poll = new QTimer(modal);
            poll->setObjectName(QStringLiteral("TestPoll"));  // removed after each case: it refers to the case
            QObject::connect(poll, &QTimer::timeout, modal, [&, bar, poll, modal] {
                if (!modal->isVisible()) {
                    poll->deleteLater();
                    return;
                }
                if (bar->maximum() == 1000) {  // the progress line has arrived
                    progress = bar->value();
                    test::WriteFileText(dir.file("go"), "");
                }
                if (c.stop == ChildCase::CancelButton)
                    modal->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
                else if (c.stop == ChildCase::EscapeKey)
                    QTest::keyClick(modal, Qt::Key_Escape);
                if (progress >= 0 || c.stop != ChildCase::None) poll->deleteLater();
            });
            poll->start(20);
        });
        const bool offer = c.shown && std::string(c.shown).find("Install") != std::string::npos;
        if (c.shown) modals.thenMessageBox(&seen, offer ? QMessageBox::No : QMessageBox::Ok);
        std::string error;
        bool reinstalled = false;
        try {
            reinstalled = UpdateRatesCommand(nullptr, dialog);
        } catch (const std::exception& e) {
            error = e.what();
        }
        qDeleteAll(dialog.findChildren<QTimer*>(QStringLiteral("TestPoll")));
        EXPECT_TRUE(modals.done());
        EXPECT_FALSE(reinstalled);
        EXPECT_EQ(error, c.error ? c.error : "");
        if (c.shown) {
            EXPECT_TRUE(seen.text.startsWith(QString::fromLatin1(c.shown))) << seen.text.toStdString();
        }
        if (std::string(c.script).starts_with("printf 'progress\\t512")) {
            EXPECT_EQ(progress, 500);
        }
    }
    EXPECT_EQ(Catalogue.CategoryCount(), 1);

    dialog.SetProgram(QStringLiteral("/nonexistent/quantova-update-rates"));
    ModalScript modals;
    modals.then(UpdateFrom(server.Url()));
    try {
        UpdateRatesCommand(nullptr, dialog);
        ADD_FAILURE() << "no error";
    } catch (const ERatesError& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Cannot run /nonexistent/quantova-update-rates: ")) << e.what();
    }
}

TEST_F(RatesWindow, StatusNoteForAFreshAnOldAndANotInstalledRate)
{
    const std::string today = TodayIso();
    const std::string path = dir.file(CurrencyFileName);
    const std::string header = "// Accurate as of April 16, 1998 EST\r\n";
    test::WriteFileText(path, header + "GBP British Pounds 1.3332  " + today + " ECB\r\n" +
                                  "DZD Algerian Dinars 0.016129\r\n" + "JPY Japanese Yen 0.0064  " + today +
                                  " ECB\r\n");
    Build({"Currency"});
    TCategory& c = Catalogue.CategoryAt(0);
    ASSERT_EQ(c.UnitCount(), 4);
    // JPY's rate changed in the file after Currency was installed.
    test::WriteFileText(path, header + "GBP British Pounds 1.3332  " + today + " ECB\r\n" +
                                  "DZD Algerian Dinars 0.016129\r\n" + "JPY Japanese Yen 0.00651  " + today +
                                  " FloatRates\r\n");

    const QString day = QString::fromStdString(ShortDate(today));
    const struct {
        const char* name;
        std::int32_t entry, selected;
        QString note;
    } rows[] = {
        {"fresh", 0, 1, QStringLiteral("rate of %1, ECB").arg(day)},
        {"old", 0, 2, QStringLiteral("rate of 16 Apr 1998")},
        {"not installed", 3, 0, QStringLiteral("install Currency again to use the rates of %1").arg(day)},
        {"two currencies", 1, 2, QStringLiteral("GBP: rate of %1, ECB; DZD: rate of 16 Apr 1998").arg(day)},
        {"the dollar", 0, 0, QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        c.EntryIndex = row.entry;
        c.SelectedIndex = row.selected;
        EXPECT_EQ(CurrencyStatusNote(ProgramDir, c), row.note);
    }

    QTableWidget grid(4, 2);
    for (int r = 0; r < 4; ++r) grid.setItem(r, 0, new QTableWidgetItem());
    MarkOldRates(ProgramDir, c, &grid, {0, 1, 2, 3});
    EXPECT_TRUE(grid.item(0, 0)->toolTip().isEmpty() && grid.item(1, 0)->toolTip().isEmpty());
    const auto icon = [&grid](int row) { return grid.item(row, 0)->icon().cacheKey(); };
    EXPECT_TRUE(icon(0) == icon(1) && icon(1) != icon(2) && icon(2) == icon(3)) << "a clock on the last two";
    EXPECT_EQ(grid.item(2, 0)->toolTip(), QStringLiteral("Rate of 16 Apr 1998, older than 30 days"));
    EXPECT_EQ(grid.item(3, 0)->toolTip(), QStringLiteral("Install Currency again to use the rates of %1").arg(day));
    EXPECT_EQ(CurrencyRatesHint(ProgramDir, &c).toStdString(),
              "Install Currency again to use the rates of " + LongDate(today) + " (Currency.txt)");
}

class RatesMainWindow : public test::MainWindowFixture {
protected:
    LocalHttpServer server{HttpResponse{.Body = DailyRates()}};
};

TEST_F(RatesMainWindow, KeysAndButtonUpdateAndShowCurrencyAgain)
{
    Open({"Currency", "Length"});
    Find<TFrmUpdateRates>("FrmUpdateRates")->SetProgram(QStringLiteral(QUANTOVA_UPDATE_RATES_BINARY));
    SelectCategory(1);
    SeenBox seen;
    ModalScript script;
    script.then(UpdateFrom(server.Url())).thenMessageBox(&seen, QMessageBox::Yes);
    Press(Categories(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(script.done());
    ASSERT_EQ(Categories()->count(), 2);
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Currency")) << "installed again, and shown";
    EXPECT_EQ(Grid()->rowCount(), 175);
    const QString hint = QStringLiteral("Exchange rates of December 7, 2026 (Currency.txt)");
    EXPECT_EQ(WithoutOldCount(Categories()->currentItem()->toolTip()), hint);
    EXPECT_EQ(WithoutOldCount(Find<QLabel>("StatusPanel0")->toolTip()), hint);
    // The status line names the highlighted currency's day and source; a
    // row of 1998 carries the mark of an old rate.
    ClickRow(170);
    EXPECT_EQ(Grid()->item(170, 0)->text(), QStringLiteral("EUR (Euros)"));
    EXPECT_EQ(Find<QLabel>("StatusPanel0")->text(), QStringLiteral("Currency, 1 USD = 0.858738 EUR"));
    EXPECT_EQ(Find<QLabel>("StatusRates")->text(), QStringLiteral("rate of 7 Dec 2026, ECB"));
    EXPECT_TRUE(Find<QLabel>("StatusRates")->isVisible());
    SelectCategory(0);
    EXPECT_FALSE(Find<QLabel>("StatusRates")->isVisible()) << "Length has no rates";
    SelectCategory(1);
    EXPECT_EQ(Grid()->item(170, 0)->toolTip(), QString());
    EXPECT_EQ(Grid()->item(0, 0)->toolTip(), QString()) << "USD";
    EXPECT_NE(Grid()->item(1, 0)->icon().cacheKey(), Grid()->item(170, 0)->icon().cacheKey());
    EXPECT_EQ(Grid()->item(1, 0)->toolTip(), QStringLiteral("Rate of 16 Apr 1998, older than 30 days"));

    // The unit list's key and the tool bar button open the same dialog;
    // Esc before the update closes it with nothing done.
    for (QWidget* source : {static_cast<QWidget*>(Grid()), static_cast<QWidget*>(Find<QToolButton>("sbtnRates"))}) {
        ModalScript escape;  // a script of its own: the dialog is the same window each time
        escape.then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        if (source == Grid())
            Press(Grid(), Qt::Key_R, Qt::ControlModifier);
        else
            static_cast<QToolButton*>(source)->click();
        EXPECT_TRUE(escape.done());
    }
    EXPECT_EQ(Categories()->currentItem()->text(), QStringLiteral("Currency"));
}

}  // namespace
}  // namespace qv
