// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Starts `body` in a forked child process and returns at once; Unix only.
inline pid_t startChild(const std::function<bool()>& body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body() ? 0 : 1);
    return pid;
}

// Waits for a child startChild() started; true when its `body` returned true.
inline bool childSucceeded(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs `prepare` then `body` in a forked child process, so that what they
// change (limits, user, signals) stays there; true when `body` returned true.
inline bool runInChild(const std::function<void()>& prepare, const std::function<bool()>& body)
{
    return childSucceeded(startChild([&] {
        prepare();
        return body();
    }));
}

// A forked child process that runs `body` until this object goes, which ends
// it. Unix only.
struct ForkedChild {
    explicit ForkedChild(const std::function<void()>& body)
        : pid(fork())
    {
        if (pid == 0) {
            body();
            _exit(0);
        }
    }
    ~ForkedChild()
    {
        // -1, a fork that failed, would be every process this user may end.
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;
    const pid_t pid;
};

// Gives up root in a child process, where permission bits would not stop it:
// the child then runs as nobody. Ends the child when that fails.
inline void dropRootInChild()
{
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(2);
}
