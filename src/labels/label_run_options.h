#pragma once

#include "labels/label_geometry.h"
#include "labels/position_mask.h"
#include "output/print_status.h"

#include <QString>

namespace labels {

// Which records a run prints: "All records", "Records matching filter",
// "Only current record".
enum TRecordChoice { rcAllRecords, rcMatchingFilter, rcOnlyCurrent };

// What the user chose for one run on the "Print Labels" screen and in the
// position picker (or on the command line).
struct TLabelRunOptions {
    TRecordChoice records = rcMatchingFilter;
    bool startFromCurrent = false; // "Start from current record"
    bool presort = false;          // "Presort for Bulk Mail"
    TPositionMask mask = AllPositions();
    int copies = 1;        // of each label, 1 to 99
    int startPosition = 1; // 1-based, on the first sheet only
    bool preview = false;
};

inline constexpr int kMaxCopies = 99;

// Why the options cannot be run on the sheet, or empty when they can.
QString CheckRunOptions(const TLabelRunOptions& options, const TLabelGeometry& geometry);

// The label job's ending texts and cancel question.
output::TPrintJobTexts LabelJobTexts();

namespace messages {
QString designFileRemoved();
QString noPositionSelected();
QString recordOutOfRange();
// With `notPresorted` the list ends with the records the presort does not count.
QString presortOrder(bool notPresorted = false);
QString noRecordsSelected();
} // namespace messages

} // namespace labels
