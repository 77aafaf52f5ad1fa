#pragma once

#include "phase_clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct PresortBenchConfig {
    std::uint32_t records = 1000000; // the nationwide mix, one record in 50 deleted
    std::string folder;              // both sides' files and lists
};

inline constexpr const char* kPhaseSetUp = "set up: records, 26 indexes";
inline constexpr const char* kPhasePresortAll = "presort, all records";
inline constexpr const char* kPhasePresortFiltered = "presort, filtered (.or.)";
inline constexpr const char* kPhaseZipCounts = "ZIP counts";

// The filtered presort's selection, as a user types it: an ".or." that
// must not reach the deleted records.
inline constexpr const char* kFilterExpression = "DATE >= \"2015\" .or. UPPER(CODES) = \"VIP\"";
// The same condition in SQL. Both compare texts by their bytes; "=" in an
// xBase filter means "starts with".
inline constexpr const char* kFilterSql = "(DATE >= '2015' OR substr(upper(CODES), 1, 3) = 'VIP')";

std::string ourAddressFile(const PresortBenchConfig& config);
std::string referenceDatabase(const PresortBenchConfig& config);

// What a phase answers, made comparable: a hash of its rows in order (a
// presort's GROUP, ZIP and PIECES; the ZIP counts' code and count).
class RowHash {
public:
    void add(const std::string& field);
    void endRow();
    // Nine digits, to fit the report's columns.
    long long value() const { return static_cast<long long>(hash_ % 1000000000ULL); }

private:
    void mix(unsigned char c);
    std::uint64_t hash_ = 1469598103934665603ULL;
};

// Each side in a process of its own: making its file (timed for the record)
// and then the phases on it. A failure throws std::runtime_error.
std::vector<PhaseResult> prepareOurAddressFile(const PresortBenchConfig& config);
std::vector<PhaseResult> runOurPresortSide(const PresortBenchConfig& config);
std::vector<PhaseResult> prepareReferenceDatabase(const PresortBenchConfig& config);
std::vector<PhaseResult> runReferencePresortSide(const PresortBenchConfig& config);

} // namespace quorvel::bench
