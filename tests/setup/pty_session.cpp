#include "tests/setup/pty_session.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stats::test {

PtySession::PtySession(const std::function<int()>& body) {
    winsize size{};
    size.ws_row = 50;
    size.ws_col = 80;
    child_ = forkpty(&master_, nullptr, nullptr, &size);
    if (child_ == 0) {
        _exit(body());
    }
}

PtySession::~PtySession() {
    if (child_ > 0) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) {
        close(master_);
    }
}

bool PtySession::readSome(std::chrono::milliseconds wait) {
    pollfd ready{master_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(wait.count())) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got <= 0) {
        return false; // the child closed the terminal
    }
    screen_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

bool PtySession::waitFor(std::string_view text, std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const std::size_t at = screen_.find(text, seen_); at != std::string::npos) {
            seen_ = at + text.size();
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        if (!readSome(std::chrono::milliseconds(100))) {
            usleep(10'000);
        }
    }
}

void PtySession::type(std::string_view keys) {
    while (!keys.empty()) {
        const ssize_t written = write(master_, keys.data(), keys.size());
        if (written <= 0) {
            return;
        }
        keys.remove_prefix(static_cast<std::size_t>(written));
    }
}

void PtySession::enter(std::string_view line) {
    type(line);
    type("\r");
}

int PtySession::exitCode() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (child_ > 0 && std::chrono::steady_clock::now() < deadline) {
        // Reading keeps the child from blocking on a full terminal.
        if (!readSome(std::chrono::milliseconds(50))) {
            usleep(10'000);
        }
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            child_ = -1;
            while (readSome(std::chrono::milliseconds(10))) {
            }
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
    }
    return -1;
}

} // namespace stats::test
