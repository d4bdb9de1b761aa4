// quantova-update-rates: the rates update of quantova-cli. quantova-cli is
// linked statically, to start fast, and libcurl cannot be; so it runs this
// small program, found beside itself, for "--update-rates".
//
//     quantova-update-rates DATA_FOLDER [URL|FILE]
//
// Prints the date of the rates and how many currencies changed; on failure
// prints the same message as the window and exits with quantova-cli's
// statuses: 5 when the rates file cannot be read or written, 6 when the
// rates cannot be fetched or used, 2 for a wrong call. In builds with tests,
// QUANTOVA_RATES_TIMEOUT_MS (1 to 60000) shortens the timeout.

#include "catalogue/FileAccess.h"
#include "expr/NumberText.h"
#include "rates/UpdateRates.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <filesystem>
#include <string>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitFile = 5;
constexpr int ExitRates = 6;

// The window's rule: a message ends in a full stop unless it ends in one
// already, or in a closing bracket or the like.
std::string Sentence(std::string text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

// The window reads the rates file with the user's decimal separator (and
// '.'); so must the merge, or a row written with ',' would not be found.
char UserSeparator()
{
    std::setlocale(LC_NUMERIC, "");
    const std::string point = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return point.size() == 1 && static_cast<unsigned char>(point[0]) < 128 ? point[0] : '.';
}

#ifdef QUANTOVA_TEST_HOOKS
// The timeout a test asks for: whole milliseconds from 1 to 60000; anything
// else (0, negative, not a number) keeps the program's own.
std::optional<std::chrono::milliseconds> TestTimeout(const char* text)
{
    if (!text || !*text || std::strlen(text) > 5) return std::nullopt;
    for (const char* c = text; *c; ++c)
        if (*c < '0' || *c > '9') return std::nullopt;
    const long ms = std::strtol(text, nullptr, 10);
    if (ms < 1 || ms > 60000) return std::nullopt;
    return std::chrono::milliseconds(ms);
}
#endif

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "quantova-cli: %s\n", Sentence(message).c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) return Fail(ExitUsage, "usage: quantova-update-rates DATA_FOLDER [URL|FILE]");
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::string source = argc == 3 ? argv[2] : qv::DefaultRatesSource;

    qv::CreatePrivateFolder(folder);  // a user data folder made on first use
    qv::SetDecimalSeparator(UserSeparator());
    qv::FetchOptions options;
#ifdef QUANTOVA_TEST_HOOKS
    if (const auto timeout = TestTimeout(std::getenv("QUANTOVA_RATES_TIMEOUT_MS"))) options.Timeout = *timeout;
#endif
    try {
        const qv::RatesUpdate update = qv::UpdateRatesFrom(folder, source, options);
        std::printf("%s\n", Sentence(qv::RatesUpdateMessage(update)).c_str());
        return std::fflush(stdout) == 0 ? 0 : ExitFile;
    } catch (const qv::ERatesError& e) {
        return Fail(ExitRates, e.what());
    } catch (const std::exception& e) {
        return Fail(ExitFile, e.what());
    }
}
