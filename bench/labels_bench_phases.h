#pragma once

#include "phase_clock.h"

#include <QGuiApplication>

#include <memory>

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

// The design, in pixels at 96 an inch: an address block of four lines of
// 10-point Arial (name, street, city line, nothing else) and the POSTNET
// barcode of the ZIP below it.
inline constexpr int kPixelsPerInch = 96;
inline constexpr int kBlockLeft = 5;
inline constexpr int kBlockTop = 5;
inline constexpr int kBlockWidth = 237;
inline constexpr int kBlockHeight = 64;
inline constexpr int kBarcodeTop = 72;
inline constexpr int kFontPoints = 10;

// Each phase's answer: the pages made, and for the last one a hash of
// every text in page order, which both sides must agree on.
inline constexpr const char* kPhasePdf = "labels to PDF";
inline constexpr const char* kPhasePreview = "preview recording";
inline constexpr const char* kPhaseTexts = "texts drawn (hash)";

// "<folder>/people.dbf" with its 26 tags: `labels` generated addresses,
// none deleted.
std::string labelsAddressFile(const LabelsBenchConfig& config);
void prepareLabelsAddressFile(const LabelsBenchConfig& config);

// A running hash of the texts drawn, page by page, in drawing order.
class TextHash {
public:
    void add(int page, const std::string& text);
    long long value() const { return static_cast<long long>(hash_ & 0x7fffffffffffffffULL); }

private:
    std::uint64_t hash_ = 1469598103934665603ULL;
};

// The application object each side's process needs for fonts and PDF
// writing, on the offscreen platform.
class OffscreenApplication {
public:
    OffscreenApplication();

private:
    int argc_ = 1;
    char name_[13] = "bench_labels";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// Each side; a failure throws std::runtime_error with a readable message.
std::vector<PhaseResult> runLabelsSide(const LabelsBenchConfig& config);
std::vector<PhaseResult> runDirectLabelsSide(const LabelsBenchConfig& config);

} // namespace quorvel::bench
