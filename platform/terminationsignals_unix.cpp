// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationsignals.h"

#include <QCoreApplication>

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP };

// A signal handler may do almost nothing safely: it writes one byte to a
// socket, and the event loop reads it there like any other event.
int g_socket[2] = { -1, -1 };

void writeByte(int)
{
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: with the socket full, the program is ending already.
    (void)!::write(g_socket[1], &byte, 1);
    errno = saved;
}

void restoreDefaults()
{
    for (const int number : kSignals) {
        struct sigaction old { };
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler == writeByte)
            std::signal(number, SIG_DFL);
    }
}
}

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_socket) != 0)
        return;
    for (const int end : g_socket)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_socket[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_socket[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::received);
    struct sigaction action { };
    action.sa_handler = writeByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        struct sigaction old { };
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    restoreDefaults();
    delete m_notifier;
    ::close(g_socket[0]);
    ::close(g_socket[1]);
}

void TerminationSignals::received()
{
    char byte = 0;
    (void)!::read(g_socket[0], &byte, 1);
    m_notifier->setEnabled(false);
    restoreDefaults();
    // The road of the window's 退出 button, without its question: the
    // desktop, not the user, asks here, and cannot answer.
    QCoreApplication::exit(0);
}
