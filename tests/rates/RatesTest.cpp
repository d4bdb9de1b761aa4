// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/CurrencyFile.h"
#include "builtin/RateProvenance.h"
#include "rates/FloatRatesDocument.h"
#include "rates/RatesDocument.h"
#include "rates/UpdateRates.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <thread>

namespace qv {
namespace {

using test::HttpResponse;
using test::LocalHttpServer;
using test::ReadFileText;
using test::TempDir;
using test::WriteFileText;

std::string DailyRates()
{
    return ReadFileText(QUANTOVA_RATES_DATA "/eurofxref-daily.xml");
}

std::string FloatRatesFeed()
{
    return ReadFileText(QUANTOVA_RATES_DATA "/floatrates-usd.xml");
}

// `text` with its first `what` replaced.
std::string With(std::string text, const std::string& what, const std::string& replacement)
{
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), replacement);
}

// The daily document with one line replaced.
std::string DailyRatesWith(const std::string& line, const std::string& replacement)
{
    std::string text = DailyRates();
    const std::size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return text.replace(at, line.size(), replacement);
}

TEST(RatesDocument, ReadsTheNewestDayOfTheBanksFormat)
{
    const PublishedRates daily = ParseRatesDocument(DailyRates());
    EXPECT_EQ(daily.Date, "2026-12-07");
    ASSERT_EQ(daily.Rates.size(), 30u);
    EXPECT_EQ(daily.Rates[0].Code, "USD");
    EXPECT_EQ(daily.Rates[0].PerEuro, 1.1645L);
    EXPECT_EQ(daily.Rates[19].Code, "IDR");
    EXPECT_EQ(daily.Rates[19].PerEuro, 19412.55L);

    const PublishedRates history = ParseRatesDocument(
        "<Envelope><Cube><Cube time='2026-12-04'><Cube currency='USD' rate='1.1'/></Cube>"
        "<Cube time='2026-12-07'><Cube currency='USD' rate='1.2'/><Cube currency='JPY' rate='+180'/></Cube>"
        "</Cube></Envelope>");
    EXPECT_EQ(history.Date, "2026-12-07");
    ASSERT_EQ(history.Rates.size(), 2u);
    EXPECT_EQ(history.Rates[1].PerEuro, 180.0L);
}

class RatesDownload : public testing::Test {
protected:
    void SetUp() override { WriteFileText(path, before); }

    // Runs an update that must fail with a message starting with `message`
    // and leave the rates file as it was.
    void ExpectRefused(const std::string& source, const std::string& message, const FetchOptions& options = {})
    {
        try {
            UpdateRatesFrom(dir.path(), source, options);
            ADD_FAILURE() << "no error";
        } catch (const EQuantovaError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message) << e.what();
        }
        EXPECT_EQ(ReadFileText(path), before);
    }

    TempDir dir;
    const std::string path = dir.file(CurrencyFileName);
    const std::string before = "// edited by hand\r\nGBP British Pounds 1.25\r\nXBT Bitcoin 90000\r\n";
    LocalHttpServer server{HttpResponse{.Body = DailyRates()}};
};

TEST_F(RatesDownload, FromAServerAFileAndAFileAddress)
{
    std::uint64_t received = 0;
    FetchOptions options;
    options.Progress = [&received](std::uint64_t now, std::uint64_t) { received = now; };
    RatesUpdate update = UpdateRatesFrom(dir.path(), server.Url(), options);
    EXPECT_EQ(update.Changed, 30);
    EXPECT_EQ(update.Added, 29);
    EXPECT_EQ(received, DailyRates().size());
    const std::string updated = ReadFileText(path);
    EXPECT_NE(updated.find("//   " + server.Url() + "\r\n"), std::string::npos);
    EXPECT_NE(updated.find("XBT Bitcoin 90000\r\n"), std::string::npos);

    WriteFileText(path, before);
    const std::string document = dir.file("daily rates.xml");
    WriteFileText(document, DailyRates());
    EXPECT_EQ(UpdateRatesFrom(dir.path(), document).Changed, 30);
    EXPECT_EQ(UpdateRatesFrom(dir.path(), "file://" + dir.path() + "daily%20rates.xml").Changed, 0);
    EXPECT_EQ(ReadFileText(path).find("//   " + server.Url()), std::string::npos) << "the header names the file";
    EXPECT_EQ(server.Requests(), 1);
}

TEST_F(RatesDownload, BadAnswersChangeNothing)
{
    const std::string host = "127.0.0.1";
    const std::string tooLarge = "The answer from 127.0.0.1 is larger than 1048576 bytes";
    const std::string bigBody(1024 * 1024 + 1, ' ');
    const struct {
        const char* name;
        HttpResponse response;
        std::string message;
    } rows[] = {
        {"not found", {.Status = 404, .Body = "<html/>"}, host + " answered with HTTP status 404"},
        {"server error", {.Status = 503, .Body = ""}, host + " answered with HTTP status 503"},
        {"empty answer", {.Status = 200, .Body = ""}, "The document is not well-formed XML: No document element found"},
        {"cut short", {.Status = 200, .Body = DailyRates().substr(0, 700)}, "The document is not well-formed XML: "},
        {"a web page", {.Status = 200, .Body = "<html><body>Service unavailable</body></html>"}, msg::NoRates},
        {"no rates",
         {.Status = 200, .Body = "<Envelope><Cube><Cube time='2026-12-07'/></Cube></Envelope>"},
         msg::NoRates},
        {"zero rate",
         {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='0.0'")},
         "The rate of JPY is not a positive number"},
        {"negative rate",
         {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='-181.02'")},
         "The rate of JPY is not a positive number"},
        {"unreadable rate",
         {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='181,02'")},
         "The rate of JPY, \"181,02\", is not a number"},
        {"missing rate",
         {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY'")},
         "The rate of JPY, \"\", is not a number"},
        {"date form",
         {.Status = 200, .Body = DailyRatesWith("time='2026-12-07'", "time='07/12/2026'")},
         "The date of the rates, \"07/12/2026\", is not a date"},
        {"no US dollar",
         {.Status = 200, .Body = DailyRatesWith("<Cube currency='USD' rate='1.1645'/>", "")},
         msg::NoUsdRate},
        {"too large, announced", {.Status = 200, .Body = bigBody}, tooLarge},
        {"too large, streamed", {.Status = 200, .Body = bigBody, .SendLength = false}, tooLarge},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        server.SetResponse(row.response);
        ExpectRefused(server.Url(), row.message);
    }
}

TEST_F(RatesDownload, NetworkFailuresChangeNothing)
{
    std::string closed;
    {
        LocalHttpServer gone;
        closed = gone.Url();
    }
    ExpectRefused(closed, "Cannot connect to 127.0.0.1. Check the network connection");
    ExpectRefused("ftp://127.0.0.1/rates.xml", "\"ftp://127.0.0.1/rates.xml\" is neither an http or https address");
    ExpectRefused("file://elsewhere/rates.xml", "\"file://elsewhere/rates.xml\" is neither");
    ExpectRefused(dir.file("missing.xml"), "Cannot open file " + dir.file("missing.xml"));
    WriteFileText(dir.file("big.xml"), std::string(1024 * 1024 + 1, ' '));
    ExpectRefused(dir.file("big.xml"), "The file " + dir.file("big.xml") + " is larger than 1048576 bytes");

    server.SetResponse(HttpResponse{.Silent = true});
    FetchOptions quick;
    quick.Timeout = std::chrono::milliseconds(300);
    ExpectRefused(server.Url(), "127.0.0.1 did not answer within 0.3 seconds", quick);
}

TEST_F(RatesDownload, CancelWhileTheServerIsSilent)
{
    server.SetResponse(HttpResponse{.Silent = true});
    std::stop_source stop;
    FetchOptions options;
    options.Stop = stop.get_token();
    options.Timeout = std::chrono::seconds(20);  // a cancel that fails shows as a timeout
    std::jthread cancel([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop.request_stop();
    });
    ExpectRefused(server.Url(), msg::RatesCancelled, options);
    ExpectRefused(QUANTOVA_RATES_DATA "/eurofxref-daily.xml", msg::RatesCancelled, options);
}

TEST(FloatRatesDocument, ReadsTheFeedAndItsDates)
{
    EXPECT_FALSE(IsFloatRatesDocument(DailyRates()));
    ASSERT_TRUE(IsFloatRatesDocument(FloatRatesFeed()));
    const SourceRates feed = ParseFloatRatesDocument(FloatRatesFeed(), "feed.xml");
    EXPECT_EQ(feed.Source, "FloatRates");
    ASSERT_EQ(feed.Rates.size(), 9u);
    EXPECT_EQ(feed.Rates[3].Code, "DZD");
    EXPECT_EQ(feed.Rates[3].UsdPerUnit, 1.0L / 129.51820154L);
    EXPECT_EQ(feed.Rates[3].Date, "2026-12-08");
    EXPECT_EQ(feed.Rates[7].Name, "S\xE3o Tom\xE9 and Pr\xEDncipe Dobra") << "Windows-1252, as the rates file";

    const struct {
        const char* text;
        const char* iso;
    } dates[] = {
        {"Tue, 8 Dec 2026 12:00:02 GMT", "2026-12-08"},
        {"08 Dec 2026 23:59 +0100", "2026-12-08"},
        {"Mon, 8 Dec 2026 12:00:02 GMT", ""},  // a Tuesday
        {"Tue, 8 Dez 2026 12:00:02 GMT", ""},
        {"Mon, 31 Nov 2026 12:00:02 GMT", ""},
        {"Tue, 8 Dec 2026 24:00:00 GMT", ""},
        {"Tue, 8 Dec 2026", ""},
        {"2026-12-08", ""},
    };
    for (const auto& date : dates) EXPECT_EQ(IsoFromRfc822Date(date.text), date.iso) << date.text;
}

TEST_F(RatesDownload, FloatRatesBadAnswersChangeNothing)
{
    const std::string eur = "<exchangeRate>0.85873765</exchangeRate>";
    const std::string date = "<pubDate>Tue, 8 Dec 2026 12:00:02 GMT</pubDate>\n<baseCurrency>";
    const struct {
        const char* name;
        std::string body;
        std::string message;
    } rows[] = {
        {"cut short", FloatRatesFeed().substr(0, 900), "The document is not well-formed XML: "},
        {"zero rate", With(FloatRatesFeed(), eur, "<exchangeRate>0.0</exchangeRate>"),
         "The rate of EUR is not a positive number"},
        {"negative rate", With(FloatRatesFeed(), eur, "<exchangeRate>-0.85</exchangeRate>"),
         "The rate of EUR is not a positive number"},
        {"unreadable rate", With(FloatRatesFeed(), eur, "<exchangeRate>0,85</exchangeRate>"),
         "The rate of EUR, \"0,85\", is not a number"},
        {"missing rate", With(FloatRatesFeed(), eur, ""), "The rate of EUR, \"\", is not a number"},
        {"date form", With(FloatRatesFeed(), date, "<pubDate>2026-12-08</pubDate>\n<baseCurrency>"),
         "The date of the rate of EUR, \"2026-12-08\", is not a date of the form"},
        {"wrong weekday",
         With(FloatRatesFeed(), date, "<pubDate>Mon, 8 Dec 2026 12:00:02 GMT</pubDate>\n<baseCurrency>"),
         "The date of the rate of EUR, \"Mon, 8 Dec 2026 12:00:02 GMT\""},
        {"another base",
         With(FloatRatesFeed(), "<baseCurrency>USD</baseCurrency>\n<baseName>",
              "<baseCurrency>EUR</baseCurrency>\n<baseName>"),
         "The rates of the document are against \"EUR\", not the US dollar"},
        {"repeated code", With(FloatRatesFeed(), "<targetCurrency>GBP<", "<targetCurrency>EUR<"),
         "The currency EUR is listed more than once"},
        {"bad code", With(FloatRatesFeed(), "<targetCurrency>GBP<", "<targetCurrency>gbp<"),
         "\"gbp\" is not a currency code"},
        {"the dollar listed", With(FloatRatesFeed(), "<targetCurrency>GBP<", "<targetCurrency>USD<"),
         msg::DollarListed},
        {"too large", FloatRatesFeed() + std::string(1024 * 1024, ' '),
         "The answer from 127.0.0.1 is larger than 1048576 bytes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        server.SetResponse({.Status = 200, .Body = row.body, .SendLength = false});
        ExpectRefused(server.Url(), row.message);
    }
}

TEST_F(RatesDownload, TwoSourcesEarlierWinsAndAFailureIsNamed)
{
    LocalHttpServer second{HttpResponse{.Body = FloatRatesFeed()}};
    const RatesUpdate update = UpdateRatesFrom(dir.path(), {server.Url(), second.Url("/usd.xml")});
    EXPECT_TRUE(update.Failures.empty());
    const std::string both = ReadFileText(path);
    EXPECT_NE(both.find("//   " + server.Url() + " " + second.Url("/usd.xml") + "\r\n"), std::string::npos);
    const struct {
        const char* symbol;
        const char* date;
        const char* source;
    } rows[] = {
        {"JPY", "2026-12-07", "ECB"},        {"GBP", "2026-12-07", "ECB"},
        {"DZD", "2026-12-08", "FloatRates"}, {"XBT", "", ""},
        {"EUR", "2026-12-07", "ECB"},        {"XOF", "2026-12-07", "EUR fixed"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.symbol);
        const std::optional<RateOrigin> origin = RateOriginOf(both, row.symbol);
        ASSERT_TRUE(origin);
        EXPECT_EQ(origin->Date, row.date);
        EXPECT_EQ(origin->Source, row.source);
    }

    // The second source fails: the first one's rates are still written.
    WriteFileText(path, before);
    second.SetResponse({.Status = 503});
    const RatesUpdate failed = UpdateRatesFrom(dir.path(), {server.Url(), second.Url("/usd.xml")});
    ASSERT_EQ(failed.Failures.size(), 1u);
    EXPECT_EQ(failed.Failures[0],
              "The rates from " + second.Url("/usd.xml") + " are missing: 127.0.0.1 answered with HTTP status 503");
    EXPECT_NE(RatesUpdateMessage(failed).find(". " + failed.Failures[0]), std::string::npos);
    EXPECT_EQ(RateOriginOf(ReadFileText(path), "GBP")->Source, "ECB");
    EXPECT_FALSE(RateOriginOf(ReadFileText(path), "DZD"));

    // Both fail: each is named and the file stays.
    WriteFileText(path, before);
    server.SetResponse({.Status = 404});
    ExpectRefused(server.Url(), "127.0.0.1 answered with HTTP status 404");
    try {
        UpdateRatesFrom(dir.path(), {server.Url(), second.Url("/usd.xml")});
        ADD_FAILURE() << "no error";
    } catch (const ERatesError& e) {
        EXPECT_EQ(std::string(e.what()), "The rates from " + server.Url() +
                                             " are missing: 127.0.0.1 answered with HTTP status 404. The rates from " +
                                             second.Url("/usd.xml") +
                                             " are missing: 127.0.0.1 answered with HTTP status 503");
    }
    EXPECT_EQ(ReadFileText(path), before);
}

TEST(DownloadErrorMessage, NamesTheCause)
{
    const auto timeout = std::chrono::milliseconds(15000);
    const struct {
        int code;
        const char* message;
    } rows[] = {
        {CURLE_COULDNT_RESOLVE_HOST,
         "The server host.test cannot be found. Check the address and the network connection"},
        {CURLE_COULDNT_CONNECT, "Cannot connect to host.test. Check the network connection"},
        {CURLE_OPERATION_TIMEDOUT, "host.test did not answer within 15 seconds"},
        {CURLE_PEER_FAILED_VERIFICATION, "The secure connection to host.test failed: detail"},
        {CURLE_RECV_ERROR, "Cannot download the rates from host.test: detail"},
        {CURLE_UNSUPPORTED_PROTOCOL, "host.test sent the download on to an address that is not secure (http). "
                                     "Quantova follows a secure address only to another secure one"},
        {CURLE_OUT_OF_MEMORY,
         "The answer from host.test cannot be read: a header line is too long, or the memory ran out"},
    };
    for (const auto& row : rows) EXPECT_EQ(DownloadErrorMessage(row.code, "host.test", "detail", timeout), row.message);
}

}  // namespace
}  // namespace qv
