// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace qv::test {

struct HttpResponse {
    int Status = 200;
    std::string Body = {};
    bool SendLength = true;  // false: no Content-Length, the body ends with the connection
    bool Silent = false;     // accept and read the request, then never answer
};

// A small HTTP server on 127.0.0.1 for tests that download: it answers
// every request with the response set last, one connection at a time, on a
// thread of its own, until it is destroyed.
class LocalHttpServer {
public:
    explicit LocalHttpServer(HttpResponse response = {});
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void SetResponse(HttpResponse response);
    std::string Url(const std::string& path = "/eurofxref-daily.xml") const;
    int Port() const { return port_; }
    int Requests() const { return requests_; }

private:
    void Serve();
    void Answer(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::mutex mutex_;
    HttpResponse response_;
    std::thread thread_;
};

}  // namespace qv::test
