#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace quorvel::bench {

// What one side of a benchmark measured in one phase. `result` is the
// phase's answer (records counted, keys found, the record shown), which must
// agree between the two sides for the comparison to mean anything.
struct PhaseResult {
    std::string name;
    double seconds = 0;
    long long result = 0;
    long peakKb = 0; // the process's peak resident memory when the phase ended
};

long peakResidentKb();

// Times one phase and records it with the peak memory so far.
class PhaseClock {
public:
    explicit PhaseClock(std::vector<PhaseResult>& log) : log_(log) {}
    template <typename Work> void run(const char* name, Work&& work)
    {
        const auto start = std::chrono::steady_clock::now();
        const long long result = work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        log_.push_back({name, took.count(), result, peakResidentKb()});
    }

private:
    std::vector<PhaseResult>& log_;
};

} // namespace quorvel::bench
