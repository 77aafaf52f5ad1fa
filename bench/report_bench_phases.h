#pragma once

#include "mail_sides.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct ReportBenchConfig {
    std::uint32_t records = 100000; // every record live, none without a last name
    std::string folder;             // the address file and both sides' PDFs
};

// Each phase's answer is the pages made; then report 1 is recorded for a
// preview (kPhasePreview) and the last phase (kPhaseTexts) is a hash of
// every text of report 1 in page order, which both sides must agree on.
inline constexpr const char* kPhaseList = "report 1 to PDF";
inline constexpr const char* kPhaseAllFields = "report 4 to PDF";

// The title both sides print on every page.
inline constexpr const char* kReportTitle = "Members";

// "<folder>/people.dbf": `records` generated addresses, none deleted.
std::string reportAddressFile(const ReportBenchConfig& config);

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runReportSide(const ReportBenchConfig& config);
std::vector<PhaseResult> runDirectReportSide(const ReportBenchConfig& config);

} // namespace quorvel::bench
