// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace qv::test {

CliChild StartCli(const std::vector<std::string>& argv, const std::string& home, const std::string& inputFile,
                  bool ignoreSigpipe)
{
    // A child that ends before reading all its input must not end the test.
    std::signal(SIGPIPE, SIG_IGN);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    if (!ignoreSigpipe) sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    int in[2] = {-1, -1}, out[2], err[2];
    if (inputFile.empty() && ::pipe2(in, O_CLOEXEC) != 0) return {};
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (inputFile.empty())
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, inputFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);

    std::vector<std::string> env{"XDG_DATA_HOME=" + home, "HOME=" + home};
    for (char** e = environ; *e; ++e) {
        const std::string_view v(*e);
        if (!v.starts_with("XDG_DATA_HOME=") && !v.starts_with("HOME=")) env.emplace_back(v);
    }
    std::vector<char*> cargv, cenv;
    for (const std::string& a : argv) cargv.push_back(const_cast<char*>(a.c_str()));
    cargv.push_back(nullptr);
    for (std::string& e : env) cenv.push_back(e.data());
    cenv.push_back(nullptr);

    CliChild child;
    const int spawned = posix_spawnp(&child.pid, cargv[0], &actions, &attributes, cargv.data(), cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (inputFile.empty()) ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    if (spawned != 0) child.pid = -1;
    child.in = in[1];
    child.out = out[0];
    child.err = err[0];
    return child;
}

bool ReadLineWithin(int fd, int timeoutMs, std::string& line)
{
    line.clear();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                                std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char c = 0;
        if (::read(fd, &c, 1) != 1) return false;
        if (c == '\n') return true;
        line += c;
    }
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

int WaitWithin(pid_t pid, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

CliResult RunCli(const std::vector<std::string>& argv, const std::string& home, const std::string& input)
{
    CliChild child = StartCli(argv, home);
    CliResult result;
    if (child.pid < 0) return result;
    std::thread feeder([&] {
        for (std::size_t done = 0; done < input.size();) {
            const ssize_t wrote = ::write(child.in, input.data() + done, input.size() - done);
            if (wrote <= 0) break;
            done += static_cast<std::size_t>(wrote);
        }
        ::close(child.in);
    });
    std::thread errors([&] { result.err = ReadAll(child.err); });
    result.out = ReadAll(child.out);
    feeder.join();
    errors.join();
    ::close(child.out);
    ::close(child.err);
    result.status = WaitWithin(child.pid, 60000);
    return result;
}

}  // namespace qv::test
