#pragma once

#include "labels/presort_count.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// From the tally to the order of a presorted run: 5-digit packages, 3-digit
// packages, ADC groups, the ZIPs no centre takes, and the records that were
// not counted at all.
namespace labels {

// A package needs this many pieces.
inline constexpr std::uint32_t kPresortPackageMinimum = 10;

// The header of the records that are not presorted: the last line of a
// list, without ZIP lines; the run prints those records behind it.
inline constexpr char kNotPresortedHeader[] = "** Not presorted";
inline constexpr char kUnknownHeader[] = "** Unknown";

// One ZIP line of the list with the header of its group as written
// ("** 5-digit 30301", "** ADC FARGO ND  580"). For the records not
// presorted, `zip` is the whole ZIP field as counted in notPresortedByZip.
struct TPresortLine {
    QString group;
    QString zip;
    std::uint32_t pieces = 0;
};

// The lines of PRESORT.PSL: for each first digit 0 to 9 the 5-digit pass,
// then the 3-digit pass, the rest left over; all 5-digit packages, then all
// 3-digit packages, then the ADC groups in table order, then "** Unknown"
// with the ZIPs no centre takes; and "** Not presorted" alone when any
// record was not counted.
QStringList BuildPresortList(const TPresortCount& count);

// The same groups row by row, in list order, the records not presorted
// last (one row per distinct ZIP field, ascending): their pieces add up to
// the records counted.
std::vector<TPresortLine> PresortGroups(const TPresortCount& count);

} // namespace labels
