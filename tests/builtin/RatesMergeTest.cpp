// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesMerge.h"
#include "builtin/CurrencyFile.h"
#include "builtin/WordRead.h"
#include "expr/FormatValue.h"
#include "expr/NumberText.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qv {
namespace {

using test::ReadFileText;
using test::TempDir;
using test::WriteFileText;

PublishedRates SomeRates()
{
    return {"2026-12-07", {{"USD", 1.1645L}, {"JPY", 181.02L}, {"GBP", 0.87345L}, {"PLN", 4.2270L}, {"CZK", 24.219L}}};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    return lines;
}

const TUnit* FindUnit(const TCategory& c, const std::string& symbol)
{
    for (int i = 0; i < c.UnitCount(); ++i)
        if (c.UnitAt(i).Symbol == symbol) return &c.UnitAt(i);
    return nullptr;
}

TEST(RateText, TenSignificantDigitsAsPlainDecimal)
{
    const struct {
        Extended value;
        const char* text;
    } rows[] = {
        {1.1645L, "1.1645"},
        {2.0L, "2.0"},
        {1.0L / 3.0L, "0.3333333333"},
        {1.1645L / 181.02L, "0.00643299083"},
        {0.0000123456789012L, "0.0000123456789"},
        {0.0000987654321987L, "0.0000987654322"},
        {9.99999999999L, "10.0"},
        {1234567890123.0L, "1234567890000.0"},
        {307.30L, "307.3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(RateText(row.value), row.text);
    }
}

TEST(PublishedRatesCheck, RefusesWhatCannotBeMerged)
{
    const struct {
        const char* name;
        PublishedRates rates;
        const char* message;
    } rows[] = {
        {"date of another form",
         {"07.12.2026", {{"USD", 1.1L}}},
         "The date of the rates, \"07.12.2026\", is not a date of the form YYYY-MM-DD"},
        {"no such day",
         {"2026-02-29", {{"USD", 1.1L}}},
         "The date of the rates, \"2026-02-29\", is not a date of the form YYYY-MM-DD"},
        {"month 13",
         {"2026-13-01", {{"USD", 1.1L}}},
         "The date of the rates, \"2026-13-01\", is not a date of the form YYYY-MM-DD"},
        {"no rates", {"2026-12-07", {}}, "The document holds no exchange rates"},
        {"lower-case code",
         {"2026-12-07", {{"USD", 1.1L}, {"jpy", 181.0L}}},
         "\"jpy\" is not a currency code of three capital letters"},
        {"code with a blank",
         {"2026-12-07", {{"USD", 1.1L}, {"J Y", 181.0L}}},
         "\"J Y\" is not a currency code of three capital letters"},
        {"repeated code", {"2026-12-07", {{"USD", 1.1L}, {"USD", 1.2L}}}, "The currency USD is listed more than once"},
        {"euro listed",
         {"2026-12-07", {{"USD", 1.1L}, {"EUR", 1.0L}}},
         "The document lists a rate of the euro against itself"},
        {"zero rate", {"2026-12-07", {{"USD", 1.1L}, {"JPY", 0.0L}}}, "The rate of JPY is not a positive number"},
        {"negative rate", {"2026-12-07", {{"USD", -1.1L}}}, "The rate of USD is not a positive number"},
        {"no US dollar", {"2026-12-07", {{"JPY", 181.0L}}}, msg::NoUsdRate},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            CheckPublishedRates(row.rates);
            ADD_FAILURE() << "accepted";
        } catch (const ERatesError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
    EXPECT_NO_THROW(CheckPublishedRates({"2024-02-29", {{"USD", 1.1L}}}));
}

class RatesUpdateTest : public testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator('.'); }

    const TCategory& Import()
    {
        ImportCurrencyCategory(catalogue, dir.path());
        return catalogue.CategoryAt(catalogue.CategoryCount() - 1);
    }

    TempDir dir;
    TCategories catalogue;
};

TEST_P(RatesUpdateTest, OverTheDefaultFile)
{
    const RatesUpdate update = UpdateCurrencyFile(dir.path(), SomeRates(), "https://example.test/rates.xml");
    EXPECT_EQ(update.Changed, 28) << "5 published, 23 fixed to the euro";
    EXPECT_EQ(update.Added, 3);
    EXPECT_EQ(CurrencyRatesDate(dir.path()), "December 7, 2026");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Currency.txt.saving")));

    const std::string text = ReadFileText(dir.file("Currency.txt"));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 182u);
    EXPECT_EQ(lines[3], "//   https://example.test/rates.xml");
    EXPECT_EQ(lines[4], "// Accurate as of April 16, 1998 EST") << "the day of the rows without a mark";
    EXPECT_EQ(lines[12], "AFA Afghanistan Afghani                   0.0002105") << "unpublished rows keep their bytes";
    EXPECT_EQ(lines[179], "CZK Czech Koruna                          0.04808208431  2026-12-07 ECB");
    EXPECT_EQ(lines[180], "EUR Euros                                 1.1645  2026-12-07 ECB");
    EXPECT_EQ(lines[181], "PLN Polish Zloty                          0.2754908919  2026-12-07 ECB");
    for (std::size_t i = 12; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(lines[i].rfind('.'), 43u) << "decimal point in column 44";
    }
    for (unsigned char c : text) EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127));

    const TCategory& c = Import();
    ASSERT_EQ(c.UnitCount(), 170);
    struct {
        const char* symbol;
        const char* name;
        const char* rate;
    } expected[] = {
        {"JPY", "Japanese Yen", "0.00643299083"},
        {"GBP", "British Pounds", "1.333218845"},
        {"EUR", "Euros", "1.1645"},
        {"AFA", "Afghanistan Afghani", "0.0002105"},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row.symbol);
        const TUnit* unit = FindUnit(c, row.symbol);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->Definition, row.name);
        Extended rate;
        ASSERT_TRUE(TryReadNumberAnySeparator(row.rate, rate));
        EXPECT_EQ(unit->Factor, rate);
    }
}

TEST_P(RatesUpdateTest, OverAUserEditedFile)
{
    WriteFileText(dir.file("Currency.txt"), "// my own rates\n"
                                            "XBT Bitcoin  \t 90000.5   my note\n"
                                            "JPY Japanese Yen     0.0070   old\n"
                                            "GBP\tPounds\t1.25\n"
                                            "PLN Polish\n"
                                            "  Zloty\n"
                                            "0.25 after\n"
                                            "\n");
    const RatesUpdate update = UpdateCurrencyFile(dir.path(), SomeRates(), "/home/me/rates.xml");
    EXPECT_EQ(update.Changed, 5);
    EXPECT_EQ(update.Added, 2);
    EXPECT_EQ(Lines(ReadFileText(dir.file("Currency.txt"))),
              (std::vector<std::string>{
                  "// Updates at:",
                  "//   /home/me/rates.xml",
                  "// my own rates",
                  "XBT Bitcoin  \t 90000.5   my note",
                  "JPY Japanese Yen     0.00643299083  2026-12-07 ECB   old",
                  "GBP\tPounds\t1.333218845  2026-12-07 ECB",
                  "PLN Polish",
                  "  Zloty",
                  "0.2754908919  2026-12-07 ECB after",
                  "CZK Czech Koruna     0.04808208431  2026-12-07 ECB",
                  "EUR Euros            1.1645  2026-12-07 ECB",
                  "",
              }));

    const TCategory& c = Import();
    ASSERT_EQ(c.UnitCount(), 7);
    EXPECT_EQ(FindUnit(c, "XBT")->Factor, 90000.5L);
    EXPECT_EQ(FindUnit(c, "PLN")->Definition, "Polish Zloty");

    // The same rates again change nothing but keep the file readable.
    const std::string before = ReadFileText(dir.file("Currency.txt"));
    const RatesUpdate again = UpdateCurrencyFile(dir.path(), SomeRates(), "/home/me/rates.xml");
    EXPECT_EQ(again.Changed, 0);
    EXPECT_EQ(ReadFileText(dir.file("Currency.txt")), before);
}

TEST_P(RatesUpdateTest, AnUnreadableFileIsLeftAlone)
{
    const struct {
        const char* text;
        std::string reason;
    } files[] = {
        {"AAA One 1\r\nBBB Two\r\n", "This file either invalid or incomplete."},
        {"AAA One 1;5\r\nJPY Japanese Yen 0.007\r\n",
         "the row of JPY does not read as a row; look at the line before it"},
    };
    for (const auto& file : files) {
        WriteFileText(dir.file("Currency.txt"), file.text);
        try {
            UpdateCurrencyFile(dir.path(), SomeRates(), "x");
            ADD_FAILURE() << file.text;
        } catch (const ERatesError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "The rates file " + dir.file("Currency.txt") + " cannot be updated: " + file.reason);
        }
        EXPECT_EQ(ReadFileText(dir.file("Currency.txt")), file.text);
    }
    const std::string broken = files[0].text;
    WriteFileText(dir.file("Currency.txt"), broken);

    PublishedRates noUsd = SomeRates();
    noUsd.Rates.erase(noUsd.Rates.begin());
    EXPECT_THROW(UpdateCurrencyFile(dir.path(), noUsd, "x"), ERatesError);
    EXPECT_EQ(ReadFileText(dir.file("Currency.txt")), broken);

    // ABC takes its rate from the date line, which the update rewrites.
    const std::string runsOn = "ABC Alphabet\r\n// Accurate as of April 16, 1998 EST\r\nGBP British Pounds 1.6832\r\n";
    WriteFileText(dir.file("Currency.txt"), runsOn);
    try {
        UpdateCurrencyFile(dir.path(), SomeRates(), "x");
        FAIL();
    } catch (const ERatesError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The rates file " + dir.file("Currency.txt") + " cannot be updated: " + msg::RowsRunIntoHeader);
    }
    EXPECT_EQ(ReadFileText(dir.file("Currency.txt")), runsOn);
}

// The second source, in US dollars per unit: one code the bank publishes
// too, two it does not, one fixed to the euro, one the file lacks.
SourceRates FloatRates()
{
    return {FloatRatesSource,
            "https://float.test/usd.xml",
            {{"JPY", 1.0L / 150.0L, "2026-12-08"},
             {"DZD", 1.0L / 129.5L, "2026-12-08", "Algerian Dinar"},
             {"KES", 1.0L / 129.0L, "2026-12-08"},
             {"XOF", 1.0L / 600.0L, "2026-12-08"},
             {"GEL", 0.37L, "2026-12-08", "Georgian Lari"}}};
}

TEST(RateOrigins, DaysOfTheHeaderAndOfTheMarks)
{
    const struct {
        const char* text;
        const char* iso;
    } headers[] = {
        {"April 16, 1998 EST", "1998-04-16"},
        {"December 7, 2026 (European Central Bank)", "2026-12-07"},
        {"February 29, 2026", ""},
        {"April 16, 19", ""},
        {"Apr 16, 1998", ""},
        {"April 16 1998", ""},
    };
    for (const auto& header : headers) EXPECT_EQ(IsoFromLongDate(header.text), header.iso) << header.text;
    EXPECT_EQ(ReadRateOrigins("x\r\n// Accurate as of December 4, 2026 (reference rates)\r\n").HeaderDate,
              "2026-12-04");
    EXPECT_EQ(ReadRateOrigins("x\r\nno date\r\n").HeaderDate, "");

    const RatesFileOrigins origins = ReadRateOrigins("// Accurate as of April 16, 1998 EST\r\n"
                                                     "AAA One 1.5  2026-12-07 EUR fixed  my note\r\n"
                                                     "BBB Two 2.5  2026-13-07 ECB\r\n"
                                                     "CCC Three 3.5  2026-12-08 mybank today\r\n");
    EXPECT_EQ(origins.Rows.at("AAA").Source, "EUR fixed");
    EXPECT_EQ(origins.Rows.at("BBB").Date, "1998-04-16") << "no day, no mark";
    EXPECT_EQ(origins.Rows.at("BBB").Source, "");
    EXPECT_EQ(origins.Rows.at("CCC").Source, "mybank");
    EXPECT_EQ(ShortDate("2026-12-08"), "8 Dec 2026");
}

TEST(MergeRates, EachRowFromItsSourceWithItsMark)
{
    const std::string today = "2026-12-08";
    const SourceRates bank = RatesInDollars(SomeRates(), EcbSource, "https://ecb.test/daily.xml");
    RatesUpdate both, bankOnly;
    const std::string merged = MergeRates(DefaultCurrencyFileText(), {bank, FloatRates()}, both, today);
    const std::string failed = MergeRates(DefaultCurrencyFileText(), {bank}, bankOnly, today);
    EXPECT_NE(merged.find("//   https://ecb.test/daily.xml https://float.test/usd.xml\r\n"), std::string::npos);

    const std::string usdPerDem = RateText(1.1645L / 1.95583L, 21);
    const std::string usdPerXof = RateText(1.1645L / 655.957L, 21);
    const struct {
        const char* name;
        const std::string* text;
        const char* symbol;
        std::string rate;
        const char* date;
        const char* source;
    } rows[] = {
        {"the bank's", &merged, "GBP", "1.333218845", "2026-12-07", "ECB"},
        {"the bank wins", &merged, "JPY", "0.00643299083", "2026-12-07", "ECB"},
        {"the second source's", &merged, "DZD", RateText(1.0L / 129.5L), "2026-12-08", "FloatRates"},
        {"added by the second", &merged, "GEL", "0.37", "2026-12-08", "FloatRates"},
        {"fixed to the euro", &merged, "DEM", usdPerDem, "2026-12-07", "EUR fixed"},
        {"fixed wins over a source", &merged, "XOF", usdPerXof, "2026-12-07", "EUR fixed"},
        {"left old", &merged, "AFA", "0.0002105", "1998-04-16", ""},
        {"its source failed", &failed, "DZD", "0.016129", "1998-04-16", ""},
        {"fixed without a second source", &failed, "DEM", usdPerDem, "2026-12-07", "EUR fixed"},
        {"one for one", &merged, "XEU", "1.1645", "2026-12-07", "EUR fixed"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<RateOrigin> origin = RateOriginOf(*row.text, row.symbol);
        ASSERT_TRUE(origin);
        Extended rate = 0.0L;
        ASSERT_TRUE(TryReadNumberAnySeparator(row.rate, rate));
        EXPECT_EQ(origin->Rate, rate);
        EXPECT_EQ(origin->Date, row.date);
        EXPECT_EQ(origin->Source, row.source);
    }
    EXPECT_NE(failed.find("\r\nDZD Algerian Dinars                       0.016129\r\n"), std::string::npos);
    EXPECT_NE(merged.find("\r\nXEU European Currency Units               1.1645  2026-12-07 EUR fixed\r\n"),
              std::string::npos);
    EXPECT_EQ(bankOnly.Old - both.Old, 2) << "DZD and KES stay old without the second source";
    EXPECT_EQ(RatesUpdateMessage(both).find("Rates of December 8, 2026: "), 0u);
    EXPECT_NE(RatesUpdateMessage(both).find(". " + std::to_string(both.Old) + " rates are older than 30 days"),
              std::string::npos);

    // The marks are read as nothing; the fixed rates convert exactly.
    TWordReader reader = TWordReader::FromText(merged);
    TCategory currency;
    ReadCurrencyRows(currency, reader);
    EXPECT_EQ(currency.UnitCount(), 171);
    const TUnit* eur = FindUnit(currency, "EUR");
    for (const auto& [symbol, perEuro] : {std::pair{"DEM", "1.95583"}, {"XOF", "655.957"}, {"ITL", "1936.27"}}) {
        SCOPED_TRACE(symbol);
        const TUnit* fixed = FindUnit(currency, symbol);
        ASSERT_NE(fixed, nullptr);
        EXPECT_EQ(FormatValue(eur->Factor / fixed->Factor, 18, false), perEuro);
    }
    EXPECT_EQ(FindUnit(currency, "DZD")->Definition, "Algerian Dinars");
    EXPECT_EQ(FindUnit(currency, "GEL")->Definition, "Georgian Lari");
    EXPECT_EQ(FindUnit(currency, "GBP")->Factor, RateOriginOf(merged, "GBP")->Rate);
}

INSTANTIATE_TEST_SUITE_P(Separators, RatesUpdateTest, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& p) {
                             return p.param == '.' ? std::string("Point") : std::string("Comma");
                         });

}  // namespace
}  // namespace qv
