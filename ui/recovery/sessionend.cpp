// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/sessionend.h"

#include "ui/recovery/recoverykeeper.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is written by the handler, [1] read by the event loop.
int signalSockets[2] = {-1, -1};
constexpr int endingSignals[] = {SIGTERM, SIGHUP, SIGINT};

} // namespace

SessionEnd::SessionEnd(RecoveryKeeper &keeper, QObject *parent)
    : QObject(parent), m_keeper(keeper)
{
    if (signalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        signalSockets[0] = signalSockets[1] = -1;
    }
    if (signalSockets[0] >= 0) {
        // A handler must never block, also when signals pile up unread.
        ::fcntl(signalSockets[0], F_SETFL, ::fcntl(signalSockets[0], F_GETFL) | O_NONBLOCK);
        m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
        struct sigaction action = {};
        action.sa_handler = &SessionEnd::handle;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : endingSignals)
            ::sigaction(signal, &action, nullptr);
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { commitData(); });
#endif
}

SessionEnd::~SessionEnd()
{
    // Past here a signal ends the program the default way.
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : endingSignals)
        ::sigaction(signal, &action, nullptr);
}

void SessionEnd::handle(int signal)
{
    // Only async-signal-safe calls here: write(), and errno kept.
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = saved;
}

void SessionEnd::readSignal()
{
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) != 1)
        return;
    end();
}

void SessionEnd::commitData()
{
    // Not the end yet: the session manager may still cancel the log-out, and
    // ends the program itself when it goes on. Leaving the event loops here
    // would also end an open question as if answered.
    m_keeper.keep();
}

void SessionEnd::end()
{
    m_keeper.keepAndStop();
    m_ended = true;
    // exit() rather than quit(): quit() would close the window, and closing
    // asks the question that nobody can answer now.
    QCoreApplication::exit(0);
}
