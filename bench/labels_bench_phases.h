#pragma once

#include "mail_sides.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct LabelsBenchConfig {
    std::uint32_t labels = 1000; // one label per record, every record live
    std::string folder;          // the address file, the design and both sides' PDFs
};

// Avery 5160 letter sheets: 3 x 10 labels of 2.625 x 1 inch.
inline constexpr double kLabelHeight = 1.0;
inline constexpr double kLabelWidth = 2.625;
inline constexpr int kAcross = 3;
inline constexpr int kDown = 10;
inline constexpr double kTopMargin = 0.5;
inline constexpr double kLeftMargin = 0.156;
inline constexpr double kHorizPitch = 2.781;
inline constexpr double kVertPitch = 1.0;

// The address block's corner in the label, in pixels at 96 an inch.
inline constexpr int kBlockLeft = 5;
inline constexpr int kBlockTop = 5;

// Each phase's answer: the pages made, and for the last one a hash of
// every text in page order, which both sides must agree on.
inline constexpr const char* kPhasePdf = "labels to PDF";

// "<folder>/people.dbf" with its 26 tags: `labels` generated addresses,
// none deleted.
std::string labelsAddressFile(const LabelsBenchConfig& config);
void prepareLabelsAddressFile(const LabelsBenchConfig& config);

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runLabelsSide(const LabelsBenchConfig& config);
std::vector<PhaseResult> runDirectLabelsSide(const LabelsBenchConfig& config);

} // namespace quorvel::bench
