#include "builtin/CurrencyFile.h"
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
    EXPECT_EQ(RatesUpdateMessage(update), "Rates of December 7, 2026: 30 currencies changed, 29 of them added");
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
        {"no rates", {.Status = 200, .Body = "<Envelope><Cube><Cube time='2026-12-07'/></Cube></Envelope>"}, msg::NoRates},
        {"zero rate", {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='0.0'")}, "The rate of JPY is not a positive number"},
        {"negative rate", {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='-181.02'")}, "The rate of JPY is not a positive number"},
        {"unreadable rate", {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY' rate='181,02'")}, "The rate of JPY, \"181,02\", is not a number"},
        {"missing rate", {.Status = 200, .Body = DailyRatesWith("'JPY' rate='181.02'", "'JPY'")}, "The rate of JPY, \"\", is not a number"},
        {"date form", {.Status = 200, .Body = DailyRatesWith("time='2026-12-07'", "time='07/12/2026'")}, "The date of the rates, \"07/12/2026\", is not a date"},
        {"no US dollar", {.Status = 200, .Body = DailyRatesWith("<Cube currency='USD' rate='1.1645'/>", "")}, msg::NoUsdRate},
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

TEST(DownloadErrorMessage, NamesTheCause)
{
    const auto timeout = std::chrono::milliseconds(15000);
    const struct {
        int code;
        const char* message;
    } rows[] = {
        {CURLE_COULDNT_RESOLVE_HOST, "The server host.test cannot be found. Check the address and the network connection"},
        {CURLE_COULDNT_CONNECT, "Cannot connect to host.test. Check the network connection"},
        {CURLE_OPERATION_TIMEDOUT, "host.test did not answer within 15 seconds"},
        {CURLE_PEER_FAILED_VERIFICATION, "The secure connection to host.test failed: detail"},
        {CURLE_RECV_ERROR, "Cannot download the rates from host.test: detail"},
        {CURLE_UNSUPPORTED_PROTOCOL, "host.test sent the download on to an address that is not secure (http). "
                                     "Quantova follows a secure address only to another secure one"},
        {CURLE_OUT_OF_MEMORY, "The answer from host.test cannot be read: a header line is too long, or the memory ran out"},
    };
    for (const auto& row : rows) EXPECT_EQ(DownloadErrorMessage(row.code, "host.test", "detail", timeout), row.message);
}

}  // namespace
}  // namespace qv
