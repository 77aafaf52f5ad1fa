#pragma once

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

// What the presort tells whoever watches it, and how it learns of a cancel.
class TPresortProgress {
public:
    virtual ~TPresortProgress() = default;
    // "Reading database records...", "Reading record N" for every record
    // number that is a multiple of 100, "Sorting Zip Codes...".
    virtual void ShowStatus(const QString& text) = 0;
    // Asked right after each status text, never after every record: a
    // window lets its messages run in ShowStatus, and that is the expensive
    // part on a million records.
    virtual bool CancelRequested() = 0;
};

// Shows nothing and is never cancelled (the command line, tests).
class TSilentPresortProgress : public TPresortProgress {
public:
    void ShowStatus(const QString&) override {}
    bool CancelRequested() override { return false; }
};

// Counts the records of the address cursor's current selection, read in
// record number order, by ZIP. The cursor's order and current record are
// put back afterwards, also when cancelled (then nothing is returned).
// Needs a ZIP field; a table without one counts every record as not
// presorted under "".
std::optional<TPresortCount> CountPresortPieces(quorvel::TDataset& addresses, TPresortProgress& progress);

} // namespace labels
