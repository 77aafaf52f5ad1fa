#pragma once

namespace quorvel {

// What the address rebuild is doing while the engine reports progress.
enum class TRebuildPhase { rpPacking, rpIndexing };

// Turns the engine's percentages into one gauge position (0 to 100) for the
// whole address rebuild. Packing is one pass and is shown as reported.
// Indexing builds 26 tags and each climbs from 0 to 100 again, so the
// climbs are added up and shown against 2100 points: the gauge is full
// after 21 tags and stays full for the rest, rather than running back to
// zero with every tag.
class TRebuildGauge {
public:
    static constexpr int kIndexingPoints = 2100;

    void startPacking();
    void startIndexing();
    // Back to the packing phase with nothing counted.
    void reset();

    // Takes one report from the engine and returns the gauge position.
    int report(int percent);

    TRebuildPhase phase() const { return phase_; }
    int lastPercent() const { return lastPercent_; }
    int total() const { return total_; }
    int position() const;

private:
    TRebuildPhase phase_ = TRebuildPhase::rpPacking;
    int lastPercent_ = 0;
    int total_ = 0;
};

} // namespace quorvel
