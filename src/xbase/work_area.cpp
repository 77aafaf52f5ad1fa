#include "xbase/work_area.h"

#include <algorithm>
#include <cctype>

namespace xbase {

WorkArea::WorkArea(std::unique_ptr<DbfTable> table, const EngineSettings& settings)
    : table_(std::move(table)), settings_(settings), buffer_(std::make_unique<RecordBuffer>(*table_))
{
}

WorkArea::~WorkArea() { close(); }

Status WorkArea::open(const std::string& path, OpenMode mode, const EngineSettings& settings,
                      std::unique_ptr<WorkArea>* out)
{
    std::unique_ptr<DbfTable> table;
    Status s = DbfTable::open(path, mode, &table);
    if (!s)
        return s;
    std::unique_ptr<WorkArea> area(new WorkArea(std::move(table), settings));
    s = area->openStructuralIndex(mode);
    if (!s)
        return s;
    area->goTop();
    *out = std::move(area);
    return Status::ok();
}

// The structural index opens with its table whenever one lies next to it.
// A table whose index file is missing or unreadable still opens, without
// orders and with the problem kept, so that the caller can offer to rebuild
// the index instead of losing access to the records.
Status WorkArea::openStructuralIndex(OpenMode mode)
{
    const std::string path = findStructuralIndex(table_->path());
    if (path.empty())
        return Status::ok();
    OpenIndex index;
    index.path = path;
    index.structural = true;
    Status s = IndexFile::open(path, mode, &index.file);
    if (s.code() == Status::Code::Locked)
        return s;
    if (!s) {
        indexProblem_ = Status::corruption("index " + path + ": " + s.message());
        return Status::ok();
    }
    index.suspect = index.marked = index.file->staleMark();
    index.compileOrders(table_->schema());
    indexes_.push_back(std::move(index)); // the first: nothing else is open yet
    return Status::ok();
}

Status WorkArea::close()
{
    if (!table_)
        return Status::ok();
    Status s = commit();
    Status flushed = flushIndexes();
    if (s && flushed)
        clearMarks();
    walker_.reset();
    indexes_.clear();
    buffer_.reset();
    table_.reset();
    return s ? flushed : s;
}

int WorkArea::orderCount() const
{
    int count = 0;
    for (const OpenIndex& index : indexes_)
        count += static_cast<int>(index.orders.size());
    return count;
}

std::unique_ptr<IndexCursor> WorkArea::cursorFor(int order) const
{
    for (const OpenIndex& index : indexes_) {
        if (order < 0)
            break;
        if (order < static_cast<int>(index.orders.size()))
            return index.file->cursor(order);
        order -= static_cast<int>(index.orders.size());
    }
    return nullptr;
}

const TagKeys& WorkArea::orderKeys(int order) const
{
    for (const OpenIndex& index : indexes_) {
        if (order < 0)
            break;
        if (order < static_cast<int>(index.orders.size()))
            return index.orders[static_cast<std::size_t>(order)];
        order -= static_cast<int>(index.orders.size());
    }
    static const TagKeys none;
    return none; // callers check the order number first
}

const TagInfo& WorkArea::orderInfo(int order) const { return orderKeys(order).info(); }

std::vector<const TagKeys*> WorkArea::allOrders() const
{
    std::vector<const TagKeys*> orders;
    for (const OpenIndex& index : indexes_)
        for (const TagKeys& keys : index.orders)
            orders.push_back(&keys);
    return orders;
}

int WorkArea::findOrder(std::string_view tagName) const
{
    const auto sameName = [tagName](const std::string& name) {
        return name.size() == tagName.size() &&
               std::equal(name.begin(), name.end(), tagName.begin(), [](char a, char b) {
                   return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
               });
    };
    for (int i = 0; i < orderCount(); ++i)
        if (sameName(orderInfo(i).name))
            return i;
    return -1;
}

Status WorkArea::setOrder(int order)
{
    if (order < -1 || order >= orderCount())
        return Status::invalidArgument("no order number " + std::to_string(order + 1));
    Status s = commit();
    if (!s)
        return s;
    if (order >= 0 && !orderKeys(order).usable())
        return Status::notSupported("order " + orderInfo(order).name + " cannot be used: its expression does not compile");
    order_ = order;
    scopeTop_.reset();
    scopeBottom_.reset();
    resetWalker();
    return Status::ok();
}

std::string WorkArea::structuralIndexPath() const
{
    for (const OpenIndex& index : indexes_)
        if (index.structural)
            return index.path;
    return {};
}

Status WorkArea::copyStructure(const std::string& path) const { return table_->copyStructure(path); }

Status WorkArea::lockRecord()
{
    if (eof_)
        return Status::invalidArgument("no current record to lock");
    Status s = table_->lockRecord(recNo());
    if (s)
        heldLocks_.insert(recNo());
    return s;
}

Status WorkArea::unlockRecord()
{
    if (eof_)
        return Status::ok();
    heldLocks_.erase(recNo());
    return table_->unlockRecord(recNo());
}

} // namespace xbase
