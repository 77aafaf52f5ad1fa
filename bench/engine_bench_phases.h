#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

// What one side of the engine benchmark measured in one phase. `result` is
// the phase's answer (records counted, keys found), which must agree between
// the two sides for the comparison to mean anything.
struct PhaseResult {
    std::string name;
    double seconds = 0;
    long long result = 0;
    long peakKb = 0; // the process's peak resident memory when the phase ended
};

struct EngineBenchConfig {
    std::uint32_t records = 1000000;
    std::uint32_t seeks = 10000;
    std::string folder; // where both sides put their files
};

// Phase names, shared so the report can line the two sides up.
inline constexpr const char* kPhaseAppendPlain = "append records, no memos";
inline constexpr const char* kPhaseAppend = "append records";
inline constexpr const char* kPhaseIndex = "build 26 indexes";
inline constexpr const char* kPhaseCountIndexed = "count LNAME=JO (index)";
inline constexpr const char* kPhaseCountScan = "count LNAME=JO (full scan)";
inline constexpr const char* kPhaseSeek = "seek random keys";
inline constexpr const char* kPhaseScanCity = "scan in CITY order";

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

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runSqliteSide(const EngineBenchConfig& config);
std::vector<PhaseResult> runXbaseSide(const EngineBenchConfig& config);

} // namespace quorvel::bench
