// Running a piece of a test in a child process: as user nobody, since permission bits do not
// stop root (CI runs as root), or to keep a call that might block from hanging the test.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

// Runs `body` in a child process, as user nobody when `unprivileged`, and returns the text it
// answered; a child still running after 5 seconds is stopped and tells nothing.
inline std::string RunInChild(const std::function<std::string()>& body, bool unprivileged) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(5);
        const bool dropped =
            !unprivileged || ::geteuid() != 0 ||
            (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0);
        const std::string text = dropped ? body() : "could not drop privileges";
        (void)!::write(fds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

inline std::string RunUnprivileged(const std::function<std::string()>& body) {
    return RunInChild(body, true);
}
