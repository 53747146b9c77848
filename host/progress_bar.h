#pragma once

// A one-line progress bar for long logs, redrawn in place with a carriage return.

#include <cstddef>
#include <cstdio>

namespace ubaspring {

class ProgressBar {
  public:
    // Draws nothing unless enabled; redraws only when the shown percentage changes.
    ProgressBar(std::FILE* out, std::size_t total, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(std::size_t done);

  private:
    std::FILE* out_;
    std::size_t total_;
    bool enabled_;
    int shownPercent_ = -1;
};

// Logs longer than this get a progress bar when standard error is a terminal.
inline constexpr std::size_t kProgressBarThreshold = 1000;

} // namespace ubaspring
