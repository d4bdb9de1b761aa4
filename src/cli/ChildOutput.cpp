// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChildOutput.h"

#include "catalogue/Cp1252.h"
#include "cli/CliErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv::cli {
namespace {

bool IsUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
        i += n;
    }
    return true;
}

// A stream of the child, passed on by whole lines.
struct Relay {
    int fd;
    std::FILE* to;
    std::string pending;

    // False at the end of the stream.
    bool Pass()
    {
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) return true;
        if (got <= 0) {
            if (!pending.empty()) std::fprintf(to, "%s\n", CleanLine(pending).c_str());
            pending.clear();
            std::fflush(to);
            return false;
        }
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t newline; (newline = pending.find('\n')) != std::string::npos;) {
            std::fprintf(to, "%s\n", CleanLine(pending.substr(0, newline)).c_str());
            pending.erase(0, newline + 1);
        }
        std::fflush(to);
        return true;
    }
};

}  // namespace

std::string CleanLine(const std::string& line)
{
    return Printable(IsUtf8(line) ? line : Cp1252ToUtf8(line));
}

int RunWithCleanOutput(std::vector<std::string> argv, std::FILE* out, std::FILE* err)
{
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) return -1;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    std::vector<char*> cargv;
    for (std::string& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned != 0) {
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        return -1;
    }

    Relay relays[] = {{outPipe[0], out, {}}, {errPipe[0], err, {}}};
    bool open[] = {true, true};
    while (open[0] || open[1]) {
        pollfd p[2] = {{open[0] ? relays[0].fd : -1, POLLIN, 0}, {open[1] ? relays[1].fd : -1, POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i)
            if (open[i] && (p[i].revents & (POLLIN | POLLHUP | POLLERR))) open[i] = relays[i].Pass();
    }
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace qv::cli
