// SPDX-License-Identifier: GPL-3.0-or-later
// quantova-update-rates: the rates update of both programs, so that neither
// links a network library. quantova-cli runs it, found beside itself, for
// "--update-rates"; the window runs it with "--lines" from its Update Rates
// dialog.
//
//     quantova-update-rates [--lines] [--decimal-separator C] DATA_FOLDER [URL|FILE...]
//
// With no source it takes the default ones (the central bank, then
// FloatRates). Prints the date of the rates and how many currencies changed,
// and why a source's rates are missing; when every source fails
// prints the same message as the window and exits with quantova-cli's
// statuses: 5 when the rates file cannot be read or written, 6 when the
// rates cannot be fetched or used, 2 for a wrong call. In builds with tests,
// QUANTOVA_RATES_TIMEOUT_MS (1 to 60000) shortens the timeout.
//
// With --lines it writes progress and the result as the lines of
// builtin/RatesLines.h instead, and SIGTERM or SIGINT stop the fetch (the
// rates file is then left as it was, unless it is already being written).
// --decimal-separator gives the window's separator, for reading the file.

#include "builtin/RatesLines.h"
#include "catalogue/FileAccess.h"
#include "expr/NumberText.h"
#include "rates/UpdateRates.h"

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <pthread.h>

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

void Write(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// The window's way: progress while fetching, then the result as lines. A
// SIGTERM (the window's Cancel) or SIGINT stops the fetch: the signals are
// taken by a thread of their own, which asks the fetch to stop.
int UpdateForWindow(const std::string& folder, const std::vector<std::string>& sources, qv::FetchOptions options)
{
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);  // before any thread starts, so all inherit it
    std::stop_source stop;
    std::thread([stops, stop]() mutable {
        int signal = 0;
        sigwait(&stops, &signal);
        stop.request_stop();
    }).detach();
    options.Stop = stop.get_token();
    std::uint64_t shown = UINT64_MAX;
    options.Progress = [&shown](std::uint64_t received, std::uint64_t total) {
        if (received == shown) return;
        shown = received;
        Write(qv::rates_lines::Line(qv::rates_lines::Progress, {std::to_string(received), std::to_string(total)}));
    };
    namespace lines = qv::rates_lines;
    try {
        const qv::RatesUpdate update = qv::UpdateRatesFrom(folder, sources, options);
        Write(lines::Line(lines::Reinstall));
        Write(lines::Line(lines::Done, {qv::RatesUpdateMessage(update)}));
        return 0;
    } catch (const qv::ERatesCancelled&) {
        return ExitRates;  // the window asked for it and says nothing
    } catch (const qv::ERatesError& e) {
        Write(lines::Line(lines::Failed, {e.what()}));
        return ExitRates;
    } catch (const qv::EFileError& e) {
        if (e.Pattern().empty())
            Write(lines::Line(lines::Failed, {e.what()}));
        else
            Write(lines::Line(lines::FileError, {e.Pattern(), e.Path(), e.UnsavedFile()}));
        return ExitFile;
    } catch (const std::exception& e) {
        Write(lines::Line(lines::Failed, {e.what()}));
        return ExitFile;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bool forWindow = false;
    char separator = 0;
    int at = 1;
    for (; at < argc && std::strncmp(argv[at], "--", 2) == 0; ++at) {
        if (std::strcmp(argv[at], "--lines") == 0) {
            forWindow = true;
        } else if (std::strcmp(argv[at], "--decimal-separator") == 0 && at + 1 < argc &&
                   std::strlen(argv[at + 1]) == 1) {
            separator = argv[++at][0];
        } else {
            break;
        }
    }
    if (argc - at < 1)
        return Fail(ExitUsage,
                    "usage: quantova-update-rates [--lines] [--decimal-separator C] DATA_FOLDER [URL|FILE...]");
    std::string folder = argv[at];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::vector<std::string> sources(argv + at + 1, argv + argc);

    qv::CreatePrivateFolder(folder);  // a user data folder made on first use
    qv::SetDecimalSeparator(separator ? separator : UserSeparator());
    qv::FetchOptions options;
#ifdef QUANTOVA_TEST_HOOKS
    if (const auto timeout = TestTimeout(std::getenv("QUANTOVA_RATES_TIMEOUT_MS"))) options.Timeout = *timeout;
#endif
    if (forWindow) return UpdateForWindow(folder, sources, options);
    try {
        const qv::RatesUpdate update = qv::UpdateRatesFrom(folder, sources, options);
        std::printf("%s\n", Sentence(qv::RatesUpdateMessage(update)).c_str());
        return std::fflush(stdout) == 0 ? 0 : ExitFile;
    } catch (const qv::ERatesError& e) {
        return Fail(ExitRates, e.what());
    } catch (const std::exception& e) {
        return Fail(ExitFile, e.what());
    }
}
