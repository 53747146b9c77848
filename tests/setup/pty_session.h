#pragma once

// A child process whose controlling terminal is a pseudo-terminal of 80 columns, as an operator's
// terminal would be: the test types keys into it and reads what the screen shows.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace stats::test {

class PtySession {
  public:
    // Runs body in the child; its result becomes the child's exit code.
    explicit PtySession(const std::function<int()>& body);
    ~PtySession();
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;

    // Waits until text shows after what earlier waits found; false when it does not in time.
    bool waitFor(std::string_view text, std::chrono::seconds timeout = std::chrono::seconds(10));
    // Types a line and presses Enter.
    void enter(std::string_view line);
    void type(std::string_view keys);
    // The child's exit code once it ended, -1 when it did not end in time or was killed.
    int exitCode();

    const std::string& screen() const { return screen_; }

  private:
    bool readSome(std::chrono::milliseconds wait);

    int master_ = -1;
    pid_t child_ = -1;
    std::string screen_;
    std::size_t seen_ = 0;
};

} // namespace stats::test
