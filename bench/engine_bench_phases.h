#pragma once

#include "phase_clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

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

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runSqliteSide(const EngineBenchConfig& config);
std::vector<PhaseResult> runXbaseSide(const EngineBenchConfig& config);

} // namespace quorvel::bench
