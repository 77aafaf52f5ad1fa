#pragma once

#include <QStringList>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace quorvel {

class TDataset;

// The rows of a dataset's query in its current order, read a page at a time
// with the engine's cursor, so that a grid over a million records reads only
// what it shows. Row numbers are counted from 0.
//
// The cursor is the dataset's own: every read puts it back on the dataset's
// current record before it returns, and nothing is read while the dataset
// is being edited (a move would post the edit).
//
// Where a page starts is remembered even after its values are dropped, so
// going back to a place once seen costs a page, not a walk from the top.
// Reaching an unseen row walks from the nearest known row, the first or the
// last one.
class TBrowsePages {
public:
    static constexpr int kPageSize = 64;
    static constexpr std::size_t kCachedPages = 32;

    TBrowsePages(TDataset& dataset, QStringList columns);

    // Forgets every row and counts the query's records again (after records
    // changed, the query or the order did). After a shortfall the engine's
    // count is not trusted: the records are counted by walking them.
    void reset();
    int rowCount() const { return rows_; }
    const QStringList& columns() const { return columns_; }

    // The values of the row's columns as the dataset reads them; null when
    // the row cannot be read (out of range, the dataset busy, or the query
    // held fewer records than it counted, see shortfall()).
    const QStringList* rowValues(int row);
    // The row's record number; 0 when it cannot be read.
    std::uint32_t recordAt(int row);
    // The row a record is shown in; -1 when there are no rows. A record the
    // query does not select gives the row of the record that follows it.
    int rowOf(std::uint32_t recno);
    // Reads the row's page again when next asked (its record changed).
    void forgetRow(int row);

    // Set when a walk ran out of records before the counted end: the number
    // of rows there really are. A caller should reset() then.
    bool shortfall() const { return shortfall_; }
    // Records the cursor stepped over or read so far, for tests and
    // benchmarks that check the reading stays bounded.
    std::uint64_t recordsVisited() const { return visited_; }

private:
    struct Page {
        std::vector<std::uint32_t> recnos;
        std::vector<QStringList> values;
        std::uint64_t lastUse = 0;
    };

    Page* page(int row);
    bool readPage(int pageNumber, Page& into);
    bool moveToRow(int row);
    bool skip(long count);
    QStringList currentValues() const;
    int walkToKnownRow(std::uint32_t recno);
    bool selected(std::uint32_t recno);
    void remember(int row, std::uint32_t recno);
    void dropOldestPage();
    bool busy() const;
    int countByWalking();

    TDataset& dataset_;
    QStringList columns_;
    int rows_ = 0;
    bool shortfall_ = false;
    std::uint64_t visited_ = 0;
    std::uint64_t useClock_ = 0;
    std::unordered_map<int, Page> pages_;      // by page number
    std::map<int, std::uint32_t> anchors_;     // row -> record, where walks may start
    std::unordered_map<std::uint32_t, int> rowsOfRecords_; // anchors and cached rows
};

} // namespace quorvel
