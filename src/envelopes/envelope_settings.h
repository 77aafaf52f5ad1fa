#pragma once

#include "envelopes/envelope_feed.h"
#include "store/dataset_result.h"

#include <QString>

#include <optional>

namespace quorvel {
class TIniFile;
}

namespace output {
class TRPDevice;
}

// The envelope feed and the printer envelopes were last printed on, kept in
// the settings file so that every run starts where the last one ended.
//
// [Envelope Feed]    Orientation (0 portrait, 1 landscape; 1), Facing (0 up,
//                    1 down; 1), Position (0 left, 1 right, 2 center; 2),
//                    ClockWiseRotation (0/1; 0)
// [Envelope Printer] Printer ("name on port"), Bin, Paper (names as the
//                    device lists them), Orientation (0/1)
namespace envelopes {

// The feed as stored; a key that is absent or holds a value out of its
// range reads as its default.
TEnvelopeFeedDescription ReadEnvelopeFeed(const quorvel::TIniFile& ini);

// What "Envelope Printer" holds; empty texts and no orientation where keys
// are absent (or the orientation is no number), which leaves the device's
// own choice.
struct TEnvelopePrinterSettings {
    QString printer;
    QString bin;
    QString paper;
    std::optional<int> orientation;
};
TEnvelopePrinterSettings ReadEnvelopePrinter(const quorvel::TIniFile& ini);

// Selects the stored printer (by its name, the part before " on ", in any
// letter case), then its paper source and paper by name, then the
// orientation (1 landscape, anything else portrait). A name the device
// does not know leaves its current choice: printers come and go, and a run
// must still print.
void ApplyEnvelopePrinter(const TEnvelopePrinterSettings& settings, output::TRPDevice& device);

// Writes the device's printer, source, paper and orientation and the feed,
// all in one write of the file; a failure says why and changes nothing.
quorvel::TTableResult SaveEnvelopeSettings(quorvel::TIniFile& ini, const output::TRPDevice& device,
                                           const TEnvelopeFeedDescription& feed);

} // namespace envelopes
