// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace qv::test {
namespace {

// Waits up to 50 ms for `fd` to become readable; false on a timeout.
bool Readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 50) > 0;
}

void SendAll(int fd, const std::string& data)
{
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;  // the client went away
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer(HttpResponse response) : response_(std::move(response))
{
    // Ports 18300-18399 are this project's for test servers; take the first free one.
    for (int port = 18300; port < 18400 && port_ == 0; ++port) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(listener_, 8) == 0) {
            port_ = port;
        } else {
            ::close(listener_);
            listener_ = -1;
        }
    }
    if (port_ == 0) throw std::runtime_error("no free port for the test server");
    thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer()
{
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

void LocalHttpServer::SetResponse(HttpResponse response)
{
    std::lock_guard lock(mutex_);
    response_ = std::move(response);
}

std::string LocalHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalHttpServer::Serve()
{
    while (!stop_) {
        if (!Readable(listener_)) continue;
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0) continue;
        Answer(connection);
        ::close(connection);
    }
}

void LocalHttpServer::Answer(int connection)
{
    std::string request;
    char buffer[4096];
    while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
        if (!Readable(connection)) continue;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) return;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    ++requests_;
    HttpResponse response;
    {
        std::lock_guard lock(mutex_);
        response = response_;
    }
    if (response.Silent) {
        // Hold the connection open without a word until the client gives up.
        while (!stop_) {
            if (Readable(connection) && ::recv(connection, buffer, sizeof buffer, 0) <= 0) return;
        }
        return;
    }
    std::string head = "HTTP/1.1 " + std::to_string(response.Status) + " Test\r\nContent-Type: text/xml\r\n";
    if (response.SendLength) head += "Content-Length: " + std::to_string(response.Body.size()) + "\r\n";
    SendAll(connection, head + "Connection: close\r\n\r\n" + response.Body);
}

}  // namespace qv::test
