#include "host/progress_bar.h"

#include <string>

namespace ubaspring {

ProgressBar::ProgressBar(std::FILE* out, std::size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled && total > 0) {}

ProgressBar::~ProgressBar() {
    if (enabled_ && shownPercent_ >= 0) {
        std::fputc('\n', out_);
    }
}

void ProgressBar::update(std::size_t done) {
    if (!enabled_) {
        return;
    }
    const int percent = static_cast<int>(done * 100 / total_);
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kWidth - filled), '.');
    std::fprintf(out_, "\rscoring [%s] %3d%% %zu/%zu", bar.c_str(), percent, done, total_);
    std::fflush(out_);
}

} // namespace ubaspring
