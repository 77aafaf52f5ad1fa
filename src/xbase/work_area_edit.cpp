// Editing a work area. An edit lives in the record buffer until it is
// committed (explicitly or by moving): then the record is written durably,
// every order's key is replaced where it changed, and the indexes flushed.
#include "xbase/work_area.h"

namespace xbase {

Status WorkArea::writablePreconditions() const
{
    if (table_->mode() == OpenMode::ReadOnly)
        return Status::invalidArgument(table_->path() + " is open read-only");
    for (const OpenIndex& index : indexes_)
        if (!index.unusable.empty())
            return Status::notSupported("cannot keep the index current: " + index.unusable);
    return Status::ok();
}

Status WorkArea::replace(int field, std::string_view value)
{
    if (eof_ && !buffer_->isPendingAppend())
        return Status::invalidArgument("no current record to change");
    Status s = writablePreconditions();
    return s ? buffer_->setField(field, value) : s;
}

Status WorkArea::appendBlank()
{
    Status s = commit();
    if (!s)
        return s;
    s = writablePreconditions();
    if (!s)
        return s;
    // The record is written when it is committed, so that filling it in
    // costs one write and not two.
    buffer_->blank(table_->recordCount() + 1, true);
    eof_ = false;
    bof_ = false;
    return Status::ok();
}

Status WorkArea::discardChanges()
{
    if (!buffer_->isDirty())
        return Status::ok();
    if (buffer_->isPendingAppend()) {
        eof_ = true;
        return placeAtEof();
    }
    return buffer_->load(recNo());
}

Status WorkArea::putRecord(std::string_view bytes)
{
    if (eof_ && !buffer_->isPendingAppend())
        return Status::invalidArgument("no current record to change");
    Status s = writablePreconditions();
    return s ? buffer_->setBytes(bytes) : s;
}

Status WorkArea::appendRecords(const unsigned char* records, std::size_t count)
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s && count > 0)
        s = beginChange();
    std::uint32_t first = 0;
    if (s && count > 0)
        s = table_->appendRecords(records, count, &first);
    const auto length = static_cast<std::size_t>(table_->recordLength());
    for (std::size_t i = 0; s && i < count && !indexes_.empty(); ++i) {
        s = buffer_->setBytes({reinterpret_cast<const char*>(records + i * length), length});
        buffer_->setRecordNumber(first + static_cast<std::uint32_t>(i));
        buffer_->markStored();
        if (s)
            s = insertKeys();
    }
    if (s)
        s = flushIndexes();
    if (s && candidates_)
        s = refreshCandidates();
    if (!s)
        return s;
    return count > 0 ? go(first + static_cast<std::uint32_t>(count) - 1) : Status::ok();
}

Status WorkArea::commit()
{
    if (!buffer_ || !buffer_->isDirty())
        return Status::ok();
    Status s = writablePreconditions();
    if (s)
        s = beginChange();
    if (s)
        s = buffer_->writeMemos();
    if (s)
        s = storeRecord();
    if (s)
        s = updateKeys();
    if (s)
        s = flushIndexes();
    if (!s)
        return s;
    buffer_->markStored();
    updateCandidate();
    resetWalker();
    return Status::ok();
}

Status WorkArea::writeLocked()
{
    const bool ownLock = heldLocks_.count(recNo()) != 0;
    Status s = ownLock ? Status::ok() : table_->lockRecord(recNo());
    if (s)
        s = table_->writeRecord(recNo(), buffer_->bytes());
    if (!ownLock)
        table_->unlockRecord(recNo());
    return s;
}

// Other users of a shared table may have appended records since we looked.
void WorkArea::refreshShared()
{
    if (table_->mode() == OpenMode::Shared)
        table_->refreshCount();
}

Status WorkArea::storeRecord()
{
    if (!buffer_->isPendingAppend())
        return writeLocked();
    std::uint32_t recno = 0;
    Status s = table_->appendRecord(buffer_->bytes(), &recno);
    if (s)
        buffer_->setRecordNumber(recno);
    return s;
}

Status WorkArea::insertKeys()
{
    for (OpenIndex& index : indexes_) {
        for (std::size_t tag = 0; tag < index.orders.size(); ++tag) {
            const std::optional<std::string> key = index.orders[tag].keyOf(*buffer_);
            Status s = key ? index.file->insertKey(static_cast<int>(tag), *key, recNo()) : Status::ok();
            if (!s)
                return s;
        }
    }
    return Status::ok();
}

// Replaces each order's key of the record where the edit changed it.
Status WorkArea::updateKeys()
{
    const bool appended = buffer_->isPendingAppend();
    if (appended)
        return insertKeys();
    for (OpenIndex& index : indexes_) {
        for (std::size_t tag = 0; tag < index.orders.size(); ++tag) {
            const TagKeys& keys = index.orders[tag];
            const std::optional<std::string> before = keys.keyOf(buffer_->stored());
            const std::optional<std::string> after = keys.keyOf(*buffer_);
            if (before == after)
                continue;
            const int t = static_cast<int>(tag);
            Status s = before ? index.file->removeKey(t, *before, recNo()) : Status::ok();
            // A unique order holds one record per key, which may be another.
            if (s.code() == Status::Code::NotFound && keys.info().unique)
                s = Status::ok();
            if (s && after)
                s = index.file->insertKey(t, *after, recNo());
            if (!s)
                return s;
        }
    }
    return Status::ok();
}

Status WorkArea::flushIndexes()
{
    for (OpenIndex& index : indexes_) {
        if (table_->mode() == OpenMode::ReadOnly)
            break;
        Status s = index.file->flush();
        if (!s)
            return s;
    }
    return Status::ok();
}

Status WorkArea::deleteRecord()
{
    if (eof_)
        return Status::invalidArgument("no current record to delete");
    buffer_->setDeletionFlag(true);
    return commit();
}

Status WorkArea::recall()
{
    if (eof_)
        return Status::invalidArgument("no current record to recall");
    buffer_->setDeletionFlag(false);
    return commit();
}

Status WorkArea::pack()
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s)
        s = beginChange();
    if (!s)
        return s;
    s = table_->pack([this](int percent) { return reportProgress(percent); });
    return s ? afterStructureChange() : s;
}

Status WorkArea::zap()
{
    Status s = commit();
    if (s)
        s = writablePreconditions();
    if (s)
        s = beginChange();
    if (s)
        s = table_->zap();
    return s ? afterStructureChange() : s;
}

// Record numbers changed: every order is rebuilt and what was computed
// from the old numbers is thrown away.
Status WorkArea::afterStructureChange()
{
    eof_ = true;
    buffer_->blank(table_->recordCount() + 1, false);
    Status s = rebuildAllOrders();
    if (s)
        s = refreshCandidates();
    Status top = goTop();
    return s ? top : s;
}

bool WorkArea::reportProgress(int percent) const { return !progress_ || progress_(percent); }

} // namespace xbase
