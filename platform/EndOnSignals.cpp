// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndOnSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace dozewell {

namespace {
// The handler may do next to nothing: it hands the signal's number to the
// event loop through a socket, whose other end the loop watches.
int g_signalSocket[2] = {-1, -1};

void Caught(int signal)
{
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket[0], &number, 1);
    errno = saved;
}
} // namespace

void EndOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char number = 0;
        if (::read(g_signalSocket[1], &number, 1) == 1)
            QCoreApplication::exit(128 + number);
    });
    struct sigaction action = {};
    action.sa_handler = Caught;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

} // namespace dozewell
