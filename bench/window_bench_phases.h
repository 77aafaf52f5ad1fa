#pragma once

#include "phase_clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct WindowBenchConfig {
    std::uint32_t records = 1000000;
    std::uint32_t steps = 1000; // "next record" presses
    std::string folder;        // where both sides put their files
};

// What a user of the main window waits for, in the order they happen. Each
// phase's answer is the record number shown afterwards (the SQLite rowid).
inline constexpr const char* kPhaseSetUp = "set up: records and 26 tags";
inline constexpr const char* kPhaseOpen = "open file, first record shown";
inline constexpr const char* kPhaseSortCity = "sort by City";
inline constexpr const char* kPhaseLast = "last record";
inline constexpr const char* kPhaseFirst = "first record";
inline constexpr const char* kPhaseNext = "next record, all presses";

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runWindowSide(const WindowBenchConfig& config);
std::vector<PhaseResult> runSqliteWindowSide(const WindowBenchConfig& config);

} // namespace quorvel::bench
