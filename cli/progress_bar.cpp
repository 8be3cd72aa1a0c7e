#include "progress_bar.h"

#include <unistd.h>

#include <string>

namespace thornbrake::cli {

constexpr int kBarWidth = 40;

ProgressBar::ProgressBar(std::FILE* stream)
    : stream_(stream), enabled_(::isatty(::fileno(stream)) != 0) {}

ProgressBar::~ProgressBar() {
    if (enabled_ && lastWidth_ >= 0) {
        std::fprintf(stream_, "\r%*s\r", kBarWidth + 24, "");
        std::fflush(stream_);
    }
}

void ProgressBar::Show(int done, int total) {
    if (!enabled_ || total <= 0) return;
    const int filled = done * kBarWidth / total;
    lastWidth_ = filled;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(stream_, "\r[%s] %d/%d runs", bar.c_str(), done, total);
    std::fflush(stream_);
}

}  // namespace thornbrake::cli
