#pragma once

#include <cstdio>
#include <string>

namespace quorvel::cli {

// A one-line progress bar on stderr, drawn only when stderr is a terminal
// so that scripts and logs get clean output. Fed the engine's 0-100 reports;
// a report lower than the previous one starts the next step (the next tag).
class ProgressBar {
public:
    ProgressBar(std::string label, int steps);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    bool update(int percent); // always true: the command line has no cancel
    void finish();

private:
    void draw();

    std::string label_;
    int steps_;
    int step_ = 1;
    int percent_ = -1;
    bool shown_;
};

} // namespace quorvel::cli
