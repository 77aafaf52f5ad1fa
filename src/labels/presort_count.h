#pragma once

#include "labels/zip_scan.h"

#include <QString>

#include <cstdint>
#include <map>
#include <optional>

namespace quorvel {
class TDataset;
}

namespace labels {

// Orders texts by their Windows-1252 character codes, as the list file and
// the address file store them (Unicode order differs for "€" and its kin).
struct TByCharacterCodes {
    bool operator()(const QString& left, const QString& right) const;
};

// Pieces by ZIP text, ascending by character codes.
using TZipPieces = std::map<QString, std::uint32_t, TByCharacterCodes>;

// The selected records by the ZIP text the presort counts them under.
struct TPresortCount {
    // Counted records by PresortZip, ascending by character codes.
    TZipPieces piecesByZip;
    // Records whose ZIP is not counted, by the whole ZIP field with trailing
    // blanks removed ("" for an empty one). They belong to no package.
    TZipPieces notPresortedByZip;
};

// The presort's progress is that of any read through the ZIP codes.
using TPresortProgress = TZipScanProgress;
using TSilentPresortProgress = TSilentZipScanProgress;

// Counts the records of the address cursor's current selection, read in
// record number order, by ZIP. The cursor's order and current record are
// put back afterwards, also when cancelled (then nothing is returned).
// Needs a ZIP field; a table without one counts every record as not
// presorted under "".
std::optional<TPresortCount> CountPresortPieces(quorvel::TDataset& addresses, TPresortProgress& progress);

} // namespace labels
