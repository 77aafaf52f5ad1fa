#include "labels/presort_passes.h"

#include "labels/adc_table.h"

#include <array>
#include <span>
#include <utility>

namespace labels {

namespace {

using TTallyEntry = std::pair<QString, std::uint32_t>;
using TTallyList = std::vector<TTallyEntry>;

struct TPresortGroup {
    QString header;
    TTallyList zips;
};

// The counted ZIPs split by first digit, each list ascending (the map is).
std::array<TTallyList, 10> DigitLists(const TPresortCount& count)
{
    std::array<TTallyList, 10> lists;
    for (const auto& [zip, pieces] : count.piecesByZip)
        lists[static_cast<std::size_t>(zip.at(0).unicode() - u'0')].emplace_back(zip, pieces);
    return lists;
}

// Every ZIP with enough pieces alone is a package; the others stay.
TTallyList FiveDigitPass(const TTallyList& list, std::vector<TPresortGroup>& packages)
{
    TTallyList remaining;
    for (const TTallyEntry& entry : list) {
        if (entry.second >= kPresortPackageMinimum)
            packages.push_back({QStringLiteral("** 5-digit ") + entry.first, {entry}});
        else
            remaining.push_back(entry);
    }
    return remaining;
}

// Neighbours with the same first three characters that have enough pieces
// together are a package; the others are left over.
void ThreeDigitPass(const TTallyList& list, std::vector<TPresortGroup>& packages, TTallyList& leftover)
{
    for (std::size_t begin = 0; begin < list.size();) {
        const QString prefix = list[begin].first.left(3);
        std::size_t end = begin;
        std::uint32_t pieces = 0;
        for (; end < list.size() && list[end].first.left(3) == prefix; ++end)
            pieces += list[end].second;
        const TTallyList run(list.begin() + static_cast<std::ptrdiff_t>(begin),
                             list.begin() + static_cast<std::ptrdiff_t>(end));
        if (pieces >= kPresortPackageMinimum)
            packages.push_back({QStringLiteral("** 3-digit ") + prefix, run});
        else
            leftover.insert(leftover.end(), run.begin(), run.end());
        begin = end;
    }
}

// The leftover ZIPs by ADC entry, in table order, each keeping the
// leftover's order; the ZIPs no entry takes under "** Unknown" last.
std::vector<TPresortGroup> AdcPass(const TTallyList& leftover)
{
    const std::span<const TAdcEntry> table = AdcTable();
    std::vector<TTallyList> byEntry(table.size());
    TTallyList unknown;
    for (const TTallyEntry& entry : leftover) {
        const int adc = FindAdcEntry(entry.first);
        (adc < 0 ? unknown : byEntry[static_cast<std::size_t>(adc)]).push_back(entry);
    }
    std::vector<TPresortGroup> groups;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!byEntry[i].empty())
            groups.push_back({QStringLiteral("** ADC ") + QLatin1String(table[i].name), std::move(byEntry[i])});
    }
    if (!unknown.empty())
        groups.push_back({QLatin1String(kUnknownHeader), std::move(unknown)});
    return groups;
}

// The groups in list order: 5-digit packages, 3-digit packages, ADC groups
// and the unknown ZIPs, then the records not presorted.
std::vector<TPresortGroup> PresortPlan(const TPresortCount& count)
{
    std::vector<TPresortGroup> fiveDigit;
    std::vector<TPresortGroup> threeDigit;
    TTallyList leftover;
    for (const TTallyList& list : DigitLists(count))
        ThreeDigitPass(FiveDigitPass(list, fiveDigit), threeDigit, leftover);
    std::vector<TPresortGroup> groups = std::move(fiveDigit);
    groups.insert(groups.end(), threeDigit.begin(), threeDigit.end());
    for (TPresortGroup& group : AdcPass(leftover))
        groups.push_back(std::move(group));
    if (!count.notPresortedByZip.empty()) {
        groups.push_back({QLatin1String(kNotPresortedHeader),
                          TTallyList(count.notPresortedByZip.begin(), count.notPresortedByZip.end())});
    }
    return groups;
}

bool IsNotPresorted(const TPresortGroup& group) { return group.header == QLatin1String(kNotPresortedHeader); }

} // namespace

QStringList BuildPresortList(const TPresortCount& count)
{
    QStringList lines;
    for (const TPresortGroup& group : PresortPlan(count)) {
        lines.append(group.header);
        // The run finds the records not presorted itself, by the counting test.
        if (IsNotPresorted(group))
            continue;
        for (const TTallyEntry& zip : group.zips)
            lines.append(zip.first);
    }
    return lines;
}

std::vector<TPresortLine> PresortGroups(const TPresortCount& count)
{
    std::vector<TPresortLine> rows;
    for (const TPresortGroup& group : PresortPlan(count)) {
        for (const TTallyEntry& zip : group.zips)
            rows.push_back({group.header, zip.first, zip.second});
    }
    return rows;
}

} // namespace labels
