// SPDX-License-Identifier: GPL-3.0-or-later
#include "rates/RatesFetch.h"

#include "catalogue/FileAccess.h"
#include "catalogue/MessageText.h"
#include "catalogue/ShownText.h"
#include "rates/RatesDocument.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

namespace qv {
namespace {

bool StartsWithNoCase(const std::string& text, std::string_view prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string SecondsText(std::chrono::milliseconds timeout)
{
    const auto ms = timeout.count();
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += "." + fraction;
    }
    return text;
}

std::string PercentDecoded(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The path of a "file:" address: file:///path, file://localhost/path or
// file:/path. Another host is refused.
std::string FilePath(const std::string& source)
{
    std::string rest = source.substr(5);
    if (rest.compare(0, 2, "//") == 0) {
        const std::size_t slash = rest.find('/', 2);
        const std::string host = rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
        if (slash == std::string::npos || !(host.empty() || host == "localhost"))
            throw ERatesError(FormatMessage(msg::UnsupportedAddress, source));
        rest = rest.substr(slash);
    }
    return PercentDecoded(rest);
}

std::string ReadDocumentFile(const std::string& path, const FetchOptions& options)
{
    if (options.Stop.stop_requested()) throw ERatesCancelled();
    InputFile in = OpenForReading(path);
    if (in.size > options.MaxBytes)
        throw ERatesError(FormatMessage(msg::FileTooLarge, path, std::to_string(options.MaxBytes)));
    std::string text(static_cast<std::size_t>(in.size), '\0');
    if (std::fread(text.data(), 1, text.size(), in.file.get()) != text.size())
        throw EFileError(msg::CannotOpenFile, path);
    if (options.Progress) options.Progress(text.size(), text.size());
    return text;
}

struct Transfer {
    const FetchOptions* Options;
    std::string Body;
    bool TooLarge = false;
};

std::size_t Receive(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer->Body.size() + bytes > transfer->Options->MaxBytes) {
        transfer->TooLarge = true;
        return 0;  // ends the transfer with a write error
    }
    transfer->Body.append(data, bytes);
    return bytes;
}

int Progress(void* user, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    if (transfer->Options->Stop.stop_requested()) return 1;  // aborts the transfer
    if (transfer->Options->Progress)
        transfer->Options->Progress(static_cast<std::uint64_t>(received), static_cast<std::uint64_t>(total));
    return 0;
}

std::string HostOf(const std::string& url)
{
    std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> parts(curl_url(), curl_url_cleanup);
    char* host = nullptr;
    if (!parts || curl_url_set(parts.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        curl_url_get(parts.get(), CURLUPART_HOST, &host, 0) != CURLUE_OK)
        return url;
    std::string text = host;
    curl_free(host);
    return text;
}

std::string Download(const std::string& url, const FetchOptions& options)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) throw ERatesError(FormatMessage(msg::DownloadFailed, url, "out of memory"));
    Transfer transfer{&options, {}, false};
    char detail[CURL_ERROR_SIZE] = "";
    const long timeout = static_cast<long>(options.Timeout.count());
    const bool secure = StartsWithNoCase(url, "https://");
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    // A secure address never lets a redirection fall back to plain HTTP.
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, timeout);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeout);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // timeouts without signals, safe on a worker thread
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.MaxBytes));
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Quantova");
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Receive);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);

    const CURLcode code = curl_easy_perform(c);
    const std::string host = HostOf(url);
    if (code == CURLE_ABORTED_BY_CALLBACK || options.Stop.stop_requested()) throw ERatesCancelled();
    if (transfer.TooLarge || code == CURLE_FILESIZE_EXCEEDED)
        throw ERatesError(FormatMessage(msg::TooLarge, host, std::to_string(options.MaxBytes)));
    if (code != CURLE_OK)
        throw ERatesError(
            DownloadErrorMessage(code, host, *detail ? detail : curl_easy_strerror(code), options.Timeout));
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) throw ERatesError(FormatMessage(msg::HttpStatus, host, std::to_string(status)));
    return std::move(transfer.Body);
}

}  // namespace

std::string DownloadErrorMessage(int curlCode, const std::string& address, const std::string& detail,
                                 std::chrono::milliseconds timeout)
{
    switch (curlCode) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return FormatMessage(msg::HostNotFound, address);
    case CURLE_COULDNT_CONNECT: return FormatMessage(msg::CannotConnect, address);
    case CURLE_OPERATION_TIMEDOUT: return FormatMessage(msg::TimedOut, address, SecondsText(timeout));
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM: return FillMessage(msg::SecureConnection, {address, ShownText(detail, 200)});
    case CURLE_UNSUPPORTED_PROTOCOL:  // only a redirection can lead to another protocol
        return FillMessage(msg::InsecureRedirect, {address});
    case CURLE_OUT_OF_MEMORY: return FillMessage(msg::AnswerUnreadable, {address});
    default: return FillMessage(msg::DownloadFailed, {address, ShownText(detail, 200)});
    }
}

std::string FetchDocument(const std::string& source, const FetchOptions& options)
{
    if (StartsWithNoCase(source, "http://") || StartsWithNoCase(source, "https://")) return Download(source, options);
    if (StartsWithNoCase(source, "file:")) return ReadDocumentFile(FilePath(source), options);
    if (source.find("://") != std::string::npos || source.empty())
        throw ERatesError(FormatMessage(msg::UnsupportedAddress, source));
    return ReadDocumentFile(source, options);
}

}  // namespace qv
