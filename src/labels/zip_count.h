#pragma once

#include "labels/zip_scan.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {
class TDataset;
}

namespace labels {

// One code of a ZIP count and how many records carry it.
struct TZipTally {
    QString code;
    std::int64_t count = 0;
    bool operator==(const TZipTally&) const = default;
};

// How many selected records carry each ZIP code. A code is the first five
// characters of the ZIP field (trailing blanks removed). It is a postal code
// when it has five characters, starts with a digit and lies between "00000"
// and "99999-999" by character codes; any other non-empty code is kept
// apart under its own text, and an empty ZIP counts as blank.
//
// This test is the ZIP report's own and deliberately not the presort's:
// the presort also counts codes shorter than five characters.
struct TZipCount {
    std::vector<TZipTally> codes;  // ascending by character codes
    std::vector<TZipTally> others; // ascending by character codes
    std::int64_t blank = 0;
    bool operator==(const TZipCount&) const = default;
};

// The count's progress is that of any read through the ZIP codes.
using TZipCountProgress = TZipScanProgress;
using TSilentZipCountProgress = TSilentZipScanProgress;

// Whether a code (the first five characters of a ZIP) counts as a postal code.
bool IsCountedZipCode(QStringView code);

// Counts the ZIP codes of the records the dataset's query selects, reading
// them in record number order. The dataset's order and current record are
// the same afterwards as before. Nothing when the user cancelled.
std::optional<TZipCount> CountZipCodes(quorvel::TDataset& addresses, TZipCountProgress& progress);

// The counts with the postal codes merged by their first `characters`
// characters (3 for the 3-digit areas); other codes and blank as they were.
TZipCount GroupZipCodes(const TZipCount& counts, int characters);

// 1234567 as "1,234,567", whatever the user's locale.
QString FormatZipCount(std::int64_t count);

// The lines of the ZIP report: a line per postal code (the code padded or
// cut to ten characters, then the count with thousands separators), two
// empty lines, a line per other code, and "BLANK" last, also when no ZIP
// is blank.
QStringList ZipReportLines(const TZipCount& counts);

// The code of a report line (its first five characters, trailing blanks
// removed) and its whole count text, however long it is.
QString ZipReportLineCode(const QString& line);
QString ZipReportLineCount(const QString& line);

} // namespace labels
