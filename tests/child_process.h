#pragma once
// Ending a program a test started: its exit status once it ended by itself.

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/types.h>
#include <sys/wait.h>

namespace childprocess {

// Waits up to `patience` for the process to end; its exit status, or -1 when it was ended
// by a signal or had to be killed.
inline int waitForEnd(pid_t pid, std::chrono::seconds patience) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(20ms);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

} // namespace childprocess
