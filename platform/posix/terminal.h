#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <termios.h>

namespace stats::platform {

// The controlling terminal (/dev/tty), in line mode with echo while the object lives, so that a
// host that keeps the terminal raw still gets a usable form; the old mode is put back after.
class Terminal {
  public:
    Terminal();
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // False when the process has no controlling terminal.
    bool isOpen() const { return fd_ >= 0; }

    void write(std::string_view text);

    // One line as typed, without its line end; nothing once the input has ended (Ctrl-D on an
    // empty line, or the terminal went away).
    std::optional<std::string> readLine();

  private:
    int fd_ = -1;
    bool restoreMode_ = false;
    termios savedMode_{};
    std::string pending_;
};

} // namespace stats::platform
