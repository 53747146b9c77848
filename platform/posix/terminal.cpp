#include "platform/posix/terminal.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace stats::platform {

Terminal::Terminal() : fd_(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    if (fd_ < 0 || ::tcgetattr(fd_, &savedMode_) != 0) {
        return;
    }
    termios lineMode = savedMode_;
    lineMode.c_lflag |= ICANON | ECHO | ECHOE;
    lineMode.c_iflag |= ICRNL;
    lineMode.c_oflag |= OPOST | ONLCR;
    restoreMode_ = ::tcsetattr(fd_, TCSADRAIN, &lineMode) == 0;
}

Terminal::~Terminal() {
    if (restoreMode_) {
        ::tcsetattr(fd_, TCSADRAIN, &savedMode_);
    }
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void Terminal::write(std::string_view text) {
    while (isOpen() && !text.empty()) {
        const ssize_t written = ::write(fd_, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return; // the terminal went away; the next read ends the form
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::optional<std::string> Terminal::readLine() {
    while (isOpen()) {
        if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line;
        }
        char buffer[512];
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            // Ctrl-D after some text hands that text over as the last line.
            if (pending_.empty()) {
                return std::nullopt;
            }
            return std::exchange(pending_, std::string());
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

} // namespace stats::platform
