// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesChecks.h"

#include "builtin/CurrencyFile.h"
#include "builtin/PublishedRates.h"
#include "builtin/RatesMerge.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ShownText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RatesChecks, RefusesDatesThatCannotBeRightStatingBothDates)
{
    const struct {
        const char* date;
        const char* fileDate;
        const char* refusal;  // "" when accepted
    } cases[] = {
        {"2026-12-07", "2026-12-04", ""},
        {"2026-12-10", "", ""},
        {"2026-12-04", "2026-12-04", "" /* the same day again */},
        {"1999-01-04", "", ""},
        {"2026-12-11", "", "The rates are dated December 11, 2026, more than two days after today, December 8, 2026"},
        {"9999-12-31", "", "The rates are dated December 31, 9999, more than two days after today, December 8, 2026"},
        {"1999-01-01", "",
         "The rates are dated January 1, 1999, before the first reference rates of the euro, of January 4, 1999"},
        {"0000-01-01", "",
         "The rates are dated January 1, 0000, before the first reference rates of the euro, of January 4, 1999"},
        {"1999-06-01", "2026-12-04",
         "The rates are dated June 1, 1999, older than those in the rates file, of December 4, 2026"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        try {
            CheckRatesDate(c.date, c.fileDate, "2026-12-08");
            EXPECT_STREQ(c.refusal, "");
        } catch (const ERatesError& e) {
            EXPECT_EQ(e.what(), std::string(c.refusal));
        }
    }
}

// An older document leaves the file as it was.
TEST(RatesChecks, TheUpdateRefusesAnOlderDocumentAndKeepsTheFile)
{
    test::TempDir dir;
    UpdateCurrencyFile(dir.path(), {"2026-12-04", {{"USD", 1.1645L}}}, "https://example.invalid/");
    const std::string before = test::ReadFileText(dir.file("Currency.txt"));
    EXPECT_THROW(UpdateCurrencyFile(dir.path(), {"2026-12-03", {{"USD", 1.2L}}}, "https://example.invalid/"),
                 ERatesError);
    EXPECT_EQ(test::ReadFileText(dir.file("Currency.txt")), before);
}

// A file near the reader's limit that the update would push over it stays as
// it was: the reader would refuse the result, and Currency with it.
TEST(RatesChecks, TheUpdateRefusesAResultTheReaderWouldRefuse)
{
    test::TempDir dir;
    std::string text = DefaultCurrencyFileText();
    while (text.size() < MaxTextFileSize - 40) text += "// padding padding padding padding padding\r\n";
    text.resize(MaxTextFileSize - 40);
    text += "\r\n";
    test::WriteFileText(dir.file("Currency.txt"), text);
    try {
        UpdateCurrencyFile(dir.path(), {"2026-12-04", {{"USD", 1.1645L}, {"ISK", 150.1L}}}, "https://example.invalid/");
        ADD_FAILURE() << "updated";
    } catch (const ERatesError& e) {
        EXPECT_EQ(e.what(), "With these rates, " + dir.file("Currency.txt") +
                                " would be larger than 1 MiB, the most Quantova reads; it was left as it was");
    }
    EXPECT_EQ(test::ReadFileText(dir.file("Currency.txt")), text);
}

// Text from outside data in a message: no control characters, a sane length.
TEST(ShownText, ReplacesControlsAndCutsLongTexts)
{
    EXPECT_EQ(ShownText("2026-12-07"), "2026-12-07");
    EXPECT_EQ(ShownText("a\nb\x1b[2J\x7f"), "a?b?[2J?");
    EXPECT_EQ(ShownText(std::string(900000, '9')), std::string(64, '9') + "...");
    EXPECT_EQ(ShownText("ab\xC3\xA9", 3), "ab...") << "never half a character";
    const PublishedRates rates{std::string(900000, '1'), {{"USD", 1.1L}}};
    try {
        CheckPublishedRates(rates);
        ADD_FAILURE();
    } catch (const ERatesError& e) {
        EXPECT_LT(std::string(e.what()).size(), 200u);
    }
}

}  // namespace
}  // namespace qv
