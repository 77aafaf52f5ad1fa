#pragma once

#include "mail_sides.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::bench {

struct EnvelopesBenchConfig {
    std::uint32_t envelopes = 1000; // one envelope per record, every record live
    std::string folder;             // the address file, the design and both sides' PDFs
};

// #10 envelopes (9.5 x 4.125 inches) fed in landscape, on paper of their
// own size: the design lands on the page at (0, 0).
// The address block's corner in the address area, in pixels at 96 an inch.
inline constexpr int kBlockLeft = 384;
inline constexpr int kBlockTop = 168;

// Each phase's answer: the pages made, and for the last one a hash of
// every text in page order, which both sides must agree on.
inline constexpr const char* kPhasePdf = "envelopes to PDF";

// "<folder>/people.dbf": `envelopes` generated addresses, none deleted.
std::string envelopesAddressFile(const EnvelopesBenchConfig& config);

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runEnvelopesSide(const EnvelopesBenchConfig& config);
std::vector<PhaseResult> runDirectEnvelopesSide(const EnvelopesBenchConfig& config);

} // namespace quorvel::bench
