// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesEncoding.h"

#include "builtin/CurrencyFile.h"
#include "builtin/PublishedRates.h"
#include "builtin/RatesMerge.h"
#include "builtin/WordRead.h"
#include "catalogue/Category.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A rates file as an editor saved it is read with its names right, and an
// update writes it back in the same encoding, byte-order mark included.
TEST(RatesEncoding, FilesFromEditorsReadRightAndKeepTheirEncoding)
{
    const std::string rows = "// rates\r\nCHF Schweizer Fr%s 0.7\r\n";
    const auto file = [&rows](const char* bom, const char* letter) {
        std::string text = rows;
        text.replace(text.find("%s"), 2, std::string(letter) + "nkli");
        return bom + text;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* fileLetter;  // how the update writes the letter back
        const char* bom;
    } cases[] = {
        {"Windows-1252", file("", "\xE4"), "\xE4", ""},
        {"UTF-8", file("", "\xC3\xA4"), "\xC3\xA4", ""},
        {"UTF-8 with a byte-order mark", file("\xEF\xBB\xBF", "\xC3\xA4"), "\xC3\xA4", "\xEF\xBB\xBF"},
        {"not UTF-8 after a byte-order mark", file("\xEF\xBB\xBF", "\xE4"), "\xE4", "\xEF\xBB\xBF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteFileText(dir.file("Currency.txt"), c.bytes);
        TCategories package;
        TCategory& currency = package.AppendCategory("Currency");
        TWordReader reader(dir.file("Currency.txt"));
        ReadCurrencyRows(currency, reader);
        ASSERT_EQ(currency.UnitCount(), 2);
        EXPECT_EQ(currency.UnitAt(1).Definition, "Schweizer Fr\xE4nkli");

        UpdateCurrencyFile(dir.path(), {"2026-12-04", {{"USD", 1.1645L}, {"CHF", 0.93L}}}, "https://example.invalid/");
        const std::string after = test::ReadFileText(dir.file("Currency.txt"));
        EXPECT_TRUE(after.starts_with(std::string(c.bom) + "//")) << after;
        EXPECT_NE(after.find(std::string("Fr") + c.fileLetter + "nkli"), std::string::npos) << after;
        EXPECT_NE(after, c.bytes) << "the rate changed";
    }
}

// A character Windows-1252 lacks reads as '?', and the update, which would
// lose it, leaves the file alone.
TEST(RatesEncoding, CharactersOutsideWindows1252AreNeverLost)
{
    test::TempDir dir;
    const std::string bytes = "PLN Polish z\xC5\x82oty 0.27\r\n";
    test::WriteFileText(dir.file("Currency.txt"), bytes);
    EXPECT_EQ(TWordReader(dir.file("Currency.txt")).Lines.at(0).RawLine, "PLN Polish z?oty 0.27");
    EXPECT_THROW(UpdateCurrencyFile(dir.path(), {"2026-12-04", {{"USD", 1.1645L}}}, "https://example.invalid/"),
                 ERatesError);
    EXPECT_EQ(test::ReadFileText(dir.file("Currency.txt")), bytes);
}

}  // namespace
}  // namespace qv
