#include "cli/progress_bar.h"

#include <unistd.h>

namespace quorvel::cli {

namespace {
constexpr int kBarWidth = 30;
}

ProgressBar::ProgressBar(std::string label, int steps)
    : label_(std::move(label)), steps_(steps < 1 ? 1 : steps), shown_(isatty(STDERR_FILENO) != 0)
{
}

ProgressBar::~ProgressBar() { finish(); }

bool ProgressBar::update(int percent)
{
    if (percent < percent_ && step_ < steps_)
        ++step_;
    if (percent == percent_)
        return true;
    percent_ = percent;
    draw();
    return true;
}

void ProgressBar::draw()
{
    if (!shown_)
        return;
    const int filled = percent_ * kBarWidth / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') + std::string(static_cast<std::size_t>(kBarWidth - filled), ' ');
    if (steps_ > 1)
        std::fprintf(stderr, "\r%s %d/%d [%s] %3d%%", label_.c_str(), step_, steps_, bar.c_str(), percent_);
    else
        std::fprintf(stderr, "\r%s [%s] %3d%%", label_.c_str(), bar.c_str(), percent_);
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (shown_ && percent_ >= 0)
        std::fputc('\n', stderr);
    shown_ = false;
}

} // namespace quorvel::cli
