// A one-line progress bar on the terminal, drawn only when the stream is an
// interactive terminal so that logs and pipes stay clean.
#pragma once

#include <cstdio>

namespace thornbrake::cli {

class ProgressBar {
public:
    explicit ProgressBar(std::FILE* stream);
    ~ProgressBar();  // clears the line
    void Show(int done, int total);

private:
    std::FILE* stream_;
    bool enabled_;
    int lastWidth_ = -1;
};

}  // namespace thornbrake::cli
