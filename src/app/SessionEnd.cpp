// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionEnd.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace qv {
namespace {

int SignalPipe[2] = {-1, -1};

extern "C" void WriteSignalByte(int)
{
    // Only async-signal-safe calls here.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(SignalPipe[1], &byte, 1);
    errno = saved;
}

void EndLikeAClose(const QPointer<QWidget>& window)
{
    // Closing the window commits a typed value, as a click on its close box
    // does; quitting ends every event loop, also that of an open dialog.
    if (window) window->close();
    QCoreApplication::quit();
}

}  // namespace

void CloseOnSessionEnd(QWidget* mainWindow)
{
    const QPointer<QWidget> window(mainWindow);
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, mainWindow, [window] { EndLikeAClose(window); },
        Qt::DirectConnection);

    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [window] {
        char bytes[16];
        while (::read(SignalPipe[0], bytes, sizeof bytes) > 0) {
        }
        EndLikeAClose(window);
    });
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

}  // namespace qv
