// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fetches a rates document: over HTTP or HTTPS with libcurl, or from a file
// given as a "file:" address or a plain path. Every failure is an
// ERatesError whose message says what went wrong in words a user can act on.

#include "builtin/PublishedRates.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

namespace qv {

namespace msg {
inline constexpr const char* UnsupportedAddress = "\"%s\" is neither an http or https address nor a file";
inline constexpr const char* HostNotFound =
    "The server %s cannot be found. Check the address and the network connection";
inline constexpr const char* CannotConnect = "Cannot connect to %s. Check the network connection";
inline constexpr const char* TimedOut = "%s did not answer within %s seconds";
inline constexpr const char* HttpStatus = "%s answered with HTTP status %s";
inline constexpr const char* TooLarge = "The answer from %s is larger than %s bytes";
inline constexpr const char* FileTooLarge = "The file %s is larger than %s bytes";
inline constexpr const char* SecureConnection = "The secure connection to %s failed: %s";
inline constexpr const char* DownloadFailed = "Cannot download the rates from %s: %s";
inline constexpr const char* InsecureRedirect =
    "%s sent the download on to an address that is not secure (http). Quantova follows a secure address only "
    "to another secure one";
inline constexpr const char* AnswerUnreadable =
    "The answer from %s cannot be read: a header line is too long, or the memory ran out";
inline constexpr const char* RatesCancelled = "The update of the rates was cancelled";
}  // namespace msg

// The user cancelled the fetch; nothing was changed.
class ERatesCancelled : public ERatesError {
public:
    ERatesCancelled() : ERatesError(msg::RatesCancelled) {}
};

struct FetchOptions {
    std::chrono::milliseconds Timeout{15000};  // for the whole transfer
    std::uint64_t MaxBytes = std::uint64_t{1024} * 1024;
    std::stop_token Stop;  // a requested stop ends the fetch with ERatesCancelled
    // Bytes received so far and the expected total (0 while unknown); called
    // on the fetching thread.
    std::function<void(std::uint64_t received, std::uint64_t total)> Progress;
};

// The document's bytes. Raises ERatesError (ERatesCancelled on a stop) and,
// for a file that cannot be opened, EFileError.
std::string FetchDocument(const std::string& source, const FetchOptions& options = {});

// The message for a libcurl result code, for `address` (the server's host)
// with libcurl's own `detail`.
std::string DownloadErrorMessage(int curlCode, const std::string& address, const std::string& detail,
                                 std::chrono::milliseconds timeout);

}  // namespace qv
