#include "store/browse_pages.h"

#include "store/dataset.h"
#include "store/query_selection.h"
#include "xbase/apollo.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace quorvel {

namespace {

constexpr std::uint32_t kTop = 0;
constexpr std::uint32_t kBottom = std::numeric_limits<std::uint32_t>::max();

// Puts the cursor back on the record it was on, whatever happened between.
class TCursorKeeper {
public:
    explicit TCursorKeeper(xbase::TApollo& engine)
        : engine_(engine), recno_(engine.sx_Eof() ? 0 : engine.sx_RecNo()) { }
    ~TCursorKeeper()
    {
        if (recno_ != 0)
            engine_.sx_Go(recno_);
        else
            engine_.sx_GoTop();
    }
    TCursorKeeper(const TCursorKeeper&) = delete;
    TCursorKeeper& operator=(const TCursorKeeper&) = delete;

private:
    xbase::TApollo& engine_;
    std::uint32_t recno_;
};

// Where a walk to a row begins: the first or last record, or a row seen before.
struct TWalkStart {
    int row = 0;
    std::uint32_t recno = kTop;
};

} // namespace

TBrowsePages::TBrowsePages(TDataset& dataset, QStringList columns) : dataset_(dataset), columns_(std::move(columns))
{
    reset();
}

void TBrowsePages::reset()
{
    pages_.clear();
    anchors_.clear();
    rowsOfRecords_.clear();
    const bool countWasWrong = shortfall_;
    shortfall_ = false;
    if (!dataset_.Active())
        rows_ = 0;
    else if (countWasWrong && !busy())
        rows_ = countByWalking();
    else
        rows_ = static_cast<int>(std::min<std::uint32_t>(dataset_.QueryRecCount(), std::numeric_limits<int>::max()));
}

int TBrowsePages::countByWalking()
{
    xbase::TApollo& engine = dataset_.engine();
    const TCursorKeeper keeper(engine);
    int count = 0;
    // A record that cannot be read ends the count rather than the program.
    for (bool moved = engine.sx_GoTop(); moved && !engine.sx_Eof() && count < std::numeric_limits<int>::max();
         moved = engine.sx_Skip(1))
        ++count;
    visited_ += static_cast<std::uint64_t>(count);
    return count;
}

bool TBrowsePages::busy() const { return !dataset_.Active() || dataset_.isEditing(); }

const QStringList* TBrowsePages::rowValues(int row)
{
    Page* found = page(row);
    if (!found)
        return nullptr;
    const std::size_t index = static_cast<std::size_t>(row % kPageSize);
    return index < found->values.size() ? &found->values[index] : nullptr;
}

std::uint32_t TBrowsePages::recordAt(int row)
{
    Page* found = page(row);
    if (!found)
        return 0;
    const std::size_t index = static_cast<std::size_t>(row % kPageSize);
    return index < found->recnos.size() ? found->recnos[index] : 0;
}

void TBrowsePages::forgetRow(int row)
{
    const auto found = pages_.find(row / kPageSize);
    if (found == pages_.end())
        return;
    for (std::size_t i = 0; i < found->second.recnos.size(); ++i) {
        const int cachedRow = found->first * kPageSize + static_cast<int>(i);
        if (anchors_.count(cachedRow) == 0)
            rowsOfRecords_.erase(found->second.recnos[i]);
    }
    pages_.erase(found);
}

TBrowsePages::Page* TBrowsePages::page(int row)
{
    if (row < 0 || row >= rows_)
        return nullptr;
    const int number = row / kPageSize;
    auto found = pages_.find(number);
    if (found == pages_.end()) {
        if (busy())
            return nullptr;
        Page fresh;
        if (!readPage(number, fresh))
            return nullptr;
        if (pages_.size() >= kCachedPages)
            dropOldestPage();
        found = pages_.emplace(number, std::move(fresh)).first;
    }
    found->second.lastUse = ++useClock_;
    return &found->second;
}

bool TBrowsePages::readPage(int pageNumber, Page& into)
{
    xbase::TApollo& engine = dataset_.engine();
    const TCursorKeeper keeper(engine);
    const int first = pageNumber * kPageSize;
    const int end = std::min(rows_, first + kPageSize);
    if (!moveToRow(first))
        return false;
    for (int row = first; row < end; ++row) {
        if (row > first && !skip(1))
            break;
        const std::uint32_t recno = engine.sx_RecNo();
        into.recnos.push_back(recno);
        into.values.push_back(currentValues());
        rowsOfRecords_[recno] = row;
    }
    if (into.recnos.empty())
        return false;
    remember(first, into.recnos.front());
    return true;
}

QStringList TBrowsePages::currentValues() const
{
    QStringList values;
    values.reserve(columns_.size());
    for (const QString& column : columns_)
        values << dataset_.FieldAsString(column);
    return values;
}

// Starts from whichever known place is nearest: the top, the bottom, or a
// row seen before on either side.
bool TBrowsePages::moveToRow(int row)
{
    TWalkStart start{0, kTop};
    const auto nearer = [&](int fromRow, std::uint32_t recno) {
        if (std::abs(row - fromRow) < std::abs(row - start.row))
            start = TWalkStart{fromRow, recno};
    };
    nearer(rows_ - 1, kBottom);
    const auto after = anchors_.lower_bound(row);
    if (after != anchors_.end())
        nearer(after->first, after->second);
    if (after != anchors_.begin())
        nearer(std::prev(after)->first, std::prev(after)->second);

    xbase::TApollo& engine = dataset_.engine();
    if (start.recno == kTop)
        engine.sx_GoTop();
    else if (start.recno == kBottom)
        engine.sx_GoBottom();
    else
        engine.sx_Go(start.recno);
    ++visited_;
    if (engine.sx_Eof()) {
        shortfall_ = true;
        return false;
    }
    return skip(row - start.row);
}

bool TBrowsePages::skip(long count)
{
    if (count == 0)
        return true;
    xbase::TApollo& engine = dataset_.engine();
    const bool moved = engine.sx_Skip(count);
    visited_ += static_cast<std::uint64_t>(std::abs(count));
    if (!moved || (count > 0 ? engine.sx_Eof() : engine.sx_Bof())) {
        shortfall_ = true;
        return false;
    }
    return true;
}

void TBrowsePages::remember(int row, std::uint32_t recno)
{
    anchors_[row] = recno;
    rowsOfRecords_[recno] = row;
}

void TBrowsePages::dropOldestPage()
{
    int oldest = -1;
    std::uint64_t oldestUse = std::numeric_limits<std::uint64_t>::max();
    for (const auto& [number, cached] : pages_) {
        if (cached.lastUse < oldestUse) {
            oldest = number;
            oldestUse = cached.lastUse;
        }
    }
    if (oldest >= 0)
        forgetRow(oldest * kPageSize);
}

int TBrowsePages::rowOf(std::uint32_t recno)
{
    if (rows_ == 0 || recno == 0)
        return -1;
    const auto known = rowsOfRecords_.find(recno);
    if (known != rowsOfRecords_.end())
        return known->second;
    if (busy())
        return -1;
    const TCursorKeeper keeper(dataset_.engine());
    const int row = walkToKnownRow(recno);
    if (row >= 0 && selected(recno))
        remember(row, recno);
    return row;
}

// Walks back and forth from the record in growing stretches until one side
// meets a row whose number is known, or an end of the selection: the cost
// is twice the distance to the nearer of them. A record that cannot be read
// gives up (-1) rather than walking on.
int TBrowsePages::walkToKnownRow(std::uint32_t recno)
{
    xbase::TApollo& engine = dataset_.engine();
    if (!engine.sx_Go(recno))
        return -1;
    ++visited_;
    if (!selected(recno)) {
        // Not a row itself: stand in for the record that follows it.
        engine.sx_Skip(1);
        if (engine.sx_Eof())
            return rows_ - 1;
        recno = engine.sx_RecNo();
        if (const auto known = rowsOfRecords_.find(recno); known != rowsOfRecords_.end())
            return known->second;
    }
    std::uint32_t back = recno;
    std::uint32_t forth = recno;
    int backSteps = 0;
    int forthSteps = 0;
    for (long stretch = kPageSize;; stretch *= 2) {
        if (!engine.sx_Go(back))
            return -1;
        for (long i = 0; i < stretch; ++i) {
            if (!engine.sx_Skip(-1))
                return -1;
            ++visited_;
            if (engine.sx_Bof())
                return std::min(backSteps, rows_ - 1);
            ++backSteps;
            back = engine.sx_RecNo();
            if (const auto known = rowsOfRecords_.find(back); known != rowsOfRecords_.end())
                return std::clamp(known->second + backSteps, 0, rows_ - 1);
        }
        if (!engine.sx_Go(forth))
            return -1;
        for (long i = 0; i < stretch; ++i) {
            if (!engine.sx_Skip(1))
                return -1;
            ++visited_;
            if (engine.sx_Eof())
                return std::clamp(rows_ - 1 - forthSteps, 0, rows_ - 1);
            ++forthSteps;
            forth = engine.sx_RecNo();
            if (const auto known = rowsOfRecords_.find(forth); known != rowsOfRecords_.end())
                return std::clamp(known->second - forthSteps, 0, rows_ - 1);
        }
    }
}

// Whether the query selects the record (deleted records never count).
bool TBrowsePages::selected(std::uint32_t recno)
{
    return QuerySelectsRecord(dataset_.engine(), recno);
}

} // namespace quorvel
