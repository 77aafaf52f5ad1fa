#pragma once

#include "phase_clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct BrowseBenchConfig {
    std::uint32_t records = 1000000;
    std::string folder; // where both sides put their files
};

// The rows one screen of the browse grid shows.
inline constexpr int kScreenRows = 40;

// What a user of "Address Browse" waits for on a large file, in last-name
// order. Answers: rows counted, then rows shown.
inline constexpr const char* kPhaseSetUp = "set up: records and 26 tags";
inline constexpr const char* kPhaseOpen = "open browse, first screen";
inline constexpr const char* kPhaseLastScreen = "last screen";
inline constexpr const char* kPhaseMiddleScreen = "middle screen (scroll bar drag)";

std::vector<PhaseResult> runBrowseSide(const BrowseBenchConfig& config);
std::vector<PhaseResult> runSqliteBrowseSide(const BrowseBenchConfig& config);

} // namespace quorvel::bench
