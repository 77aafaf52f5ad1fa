// The reference side of the presort benchmark: SQLite groups the rows by
// the first five characters of the ZIP code with the presort's counting
// test, and the passes are written here again over its grouped rows, in
// plain standard C++. Only the table of area distribution centres is
// shared with our side (it is data, not work); a fault in our passes then
// shows as a disagreement instead of being copied.
#include "address_table_sqlite.h"
#include "presort_bench_phases.h"

#include "labels/adc_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace quorvel::bench {

namespace {

// The presort's counting test on the first five characters: a digit
// first, and between "00000" and "99999-999" as bytes. SQLite keeps the
// field unpadded, where our side sees blanks; a blank sorts below every
// character of both bounds, so the end of the text decides alike.
const std::string kZip5 = "substr(ZIP, 1, 5)";
const std::string kCounted =
    "(substr(ZIP, 1, 1) BETWEEN '0' AND '9' AND " + kZip5 + " >= '00000' AND " + kZip5 + " <= '99999-999')";

struct Group {
    std::string zip;
    long long pieces;
};

// The rows of a grouping query: a code and its count.
std::vector<Group> groups(Database& db, const std::string& sql)
{
    Statement query(db, sql);
    std::vector<Group> rows;
    while (query.step())
        rows.push_back({query.text(0), query.column(1)});
    return rows;
}

struct Grouped {
    std::array<std::vector<Group>, 10> byDigit; // counted, ascending
    std::vector<Group> notPresorted;            // whole codes, ascending
};

// The counted records by their first five characters (trailing blanks
// dropped, as the list keeps them), then the others by their whole code.
// Two scans with plain tests cost SQLite less than one that works out
// which group a row belongs to.
Grouped groupRows(Database& db, const std::string& condition)
{
    Grouped grouped;
    for (Group& group : groups(db, "SELECT rtrim(" + kZip5 + ") AS z, COUNT(*) FROM address WHERE " + condition +
                                       " AND " + kCounted + " GROUP BY z ORDER BY z"))
        grouped.byDigit[static_cast<std::size_t>(group.zip[0] - '0')].push_back(std::move(group));
    grouped.notPresorted = groups(db, "SELECT rtrim(ZIP) AS z, COUNT(*) FROM address WHERE " + condition +
                                          " AND NOT " + kCounted + " GROUP BY z ORDER BY z");
    return grouped;
}

struct Row {
    std::string group;
    std::string zip;
    long long pieces;
};

// Index into the ADC table for each numeric 3-digit prefix; -1 for none.
std::array<int, 1000> adcOfPrefix()
{
    std::array<int, 1000> entryOf;
    entryOf.fill(-1);
    const auto table = labels::AdcTable();
    // Later entries first, so that the first entry holding a prefix wins.
    for (std::size_t entry = table.size(); entry-- > 0;) {
        std::istringstream prefixes(table[entry].prefixes);
        for (int prefix; prefixes >> prefix;)
            entryOf[static_cast<std::size_t>(prefix)] = static_cast<int>(entry);
    }
    return entryOf;
}

int prefixNumber(const std::string& zip)
{
    if (zip.size() < 3)
        return -1;
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        if (zip[i] < '0' || zip[i] > '9')
            return -1;
        number = number * 10 + (zip[i] - '0');
    }
    return number;
}

// The passes: per first digit the 5-digit packages (10 pieces or more),
// runs of one 3-digit prefix worth 10 pieces or more, the rest left over;
// then the leftovers by ADC in table order, then the unknown ones.
std::vector<Row> presortRows(const Grouped& grouped)
{
    std::vector<Row> fiveDigit, threeDigit;
    std::vector<Group> leftover;
    for (const std::vector<Group>& digit : grouped.byDigit) {
        std::vector<Group> rest;
        for (const Group& group : digit) {
            if (group.pieces > 9)
                fiveDigit.push_back({"** 5-digit " + group.zip, group.zip, group.pieces});
            else
                rest.push_back(group);
        }
        for (std::size_t first = 0; first < rest.size();) {
            const std::string prefix = rest[first].zip.substr(0, 3);
            std::size_t end = first;
            long long pieces = 0;
            for (; end < rest.size() && rest[end].zip.substr(0, 3) == prefix; ++end)
                pieces += rest[end].pieces;
            for (std::size_t i = first; i < end; ++i) {
                if (pieces > 9)
                    threeDigit.push_back({"** 3-digit " + prefix, rest[i].zip, rest[i].pieces});
                else
                    leftover.push_back(rest[i]);
            }
            first = end;
        }
    }
    static const std::array<int, 1000> entryOf = adcOfPrefix();
    const auto table = labels::AdcTable();
    std::vector<std::vector<const Group*>> byEntry(table.size());
    std::vector<Row> unknown;
    for (const Group& group : leftover) {
        const int prefix = prefixNumber(group.zip);
        const int entry = prefix < 0 ? -1 : entryOf[static_cast<std::size_t>(prefix)];
        if (entry < 0)
            unknown.push_back({"** Unknown", group.zip, group.pieces});
        else
            byEntry[static_cast<std::size_t>(entry)].push_back(&group);
    }
    std::vector<Row> rows = std::move(fiveDigit);
    rows.insert(rows.end(), threeDigit.begin(), threeDigit.end());
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        for (const Group* group : byEntry[entry])
            rows.push_back({std::string("** ADC ") + table[entry].name, group->zip, group->pieces});
    rows.insert(rows.end(), unknown.begin(), unknown.end());
    for (const Group& group : grouped.notPresorted)
        rows.push_back({"** Not presorted", group.zip, group.pieces});
    return rows;
}

// The list file from the rows, written whole and synced before it
// replaces the old one, as our side writes it.
void writeList(const std::string& path, const std::vector<Row>& rows)
{
    std::string bytes, group;
    for (const Row& row : rows) {
        if (row.group != group) {
            group = row.group;
            bytes += group + "\r\n";
        }
        if (group != "** Not presorted")
            bytes += row.zip + "\r\n";
    }
    const std::string temporary = path + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written = fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                         fsync(fd) == 0;
    if (fd >= 0)
        close(fd);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot write " + path);
}

long long presort(Database& db, const std::string& condition, const std::string& list)
{
    const std::vector<Row> rows = presortRows(groupRows(db, condition));
    writeList(list, rows);
    RowHash hash;
    for (const Row& row : rows) {
        hash.add(row.group);
        hash.add(row.zip);
        hash.add(std::to_string(row.pieces));
        hash.endRow();
    }
    return hash.value();
}

// The ZIP counts' own test: five characters that pass the presort's test.
// A code is the first five characters of the field as read, blanks within
// them kept: "2000 AB" is the code "2000 ", where the presort lists "2000".
// The other codes follow, the blank ones sorting first among them.
long long zipCounts(Database& db)
{
    const std::string postal = "(length(" + kZip5 + ") = 5 AND " + kCounted + ")";
    RowHash hash;
    const auto add = [&hash](const Group& group) {
        hash.add(group.zip);
        hash.add(std::to_string(group.pieces));
        hash.endRow();
    };
    for (const Group& group : groups(db, "SELECT " + kZip5 + " AS z, COUNT(*) FROM address WHERE NOT ISDEL AND " +
                                             postal + " GROUP BY z ORDER BY z"))
        add(group);
    long long blank = 0;
    for (const Group& group : groups(db, "SELECT " + kZip5 + " AS z, COUNT(*) FROM address WHERE NOT ISDEL AND NOT " +
                                             postal + " GROUP BY z ORDER BY z")) {
        if (group.zip.empty())
            blank = group.pieces;
        else
            add(group);
    }
    add({"BLANK", blank});
    return hash.value();
}

} // namespace

std::vector<PhaseResult> prepareReferenceDatabase(const PresortBenchConfig& config)
{
    const std::string path = referenceDatabase(config);
    std::remove(path.c_str());
    std::vector<PhaseResult> log;
    PhaseClock(log).run(kPhaseSetUp, [&] {
        Database db(path);
        createAddressTable(db, "address");
        appendAddressRecords(db, "address", config.records, false, AddressMix::Nationwide);
        buildAddressIndexes(db);
        return static_cast<long long>(config.records);
    });
    return log;
}

std::vector<PhaseResult> runReferencePresortSide(const PresortBenchConfig& config)
{
    Database db(referenceDatabase(config));
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    const std::string list = config.folder + "/reference.psl";
    clock.run(kPhasePresortAll, [&] { return presort(db, "NOT ISDEL", list); });
    clock.run(kPhasePresortFiltered,
              [&] { return presort(db, std::string(kFilterSql) + " AND NOT ISDEL", list); });
    clock.run(kPhaseZipCounts, [&] { return zipCounts(db); });
    return log;
}

} // namespace quorvel::bench
