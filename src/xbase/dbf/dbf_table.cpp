// DbfTable: records, memos and record locks of an open table.

#include "xbase/dbf/dbf_table.h"

#include "xbase/dbf/field_codec.h"
#include "xbase/dbf/header_lock.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace xbase {

DbfTable::DbfTable(std::string path, OpenMode mode, std::unique_ptr<File> file, dbf::TableLayout layout)
    : path_(std::move(path)), mode_(mode), file_(std::move(file)), layout_(std::move(layout)),
      count_(layout_.storedCount), cache_(layout_.header.recordLength)
{
}

DbfTable::~DbfTable()
{
    // No record points at memos still deferred; this only keeps the memo
    // header's next-free block true for other programs.
    if (memosDeferred_)
        static_cast<void>(memo_->flush());
}

const std::string& DbfTable::memoPath() const
{
    static const std::string none;
    return memo_ ? memo_->path() : none;
}

std::uint64_t DbfTable::recordOffset(std::uint32_t recno) const
{
    return layout_.header.headerLength + std::uint64_t{recno - 1} * layout_.header.recordLength;
}

Status DbfTable::requireWritable() const
{
    if (mode_ == OpenMode::ReadOnly)
        return Status::invalidArgument(path_ + " is open read-only");
    return Status::ok();
}

Status DbfTable::requireExclusive(const char* operation) const
{
    if (mode_ != OpenMode::Exclusive)
        return Status::invalidArgument(std::string(operation) + " needs " + path_ + " opened exclusively");
    return Status::ok();
}

Status DbfTable::checkRecno(std::uint32_t recno) const
{
    if (recno == 0 || recno > count_)
        return Status::notFound(path_ + " has no record " + std::to_string(recno));
    return Status::ok();
}

Status DbfTable::refreshCount()
{
    unsigned char head[dbf::kHeaderSize];
    Status s = file_->readExact(0, head, sizeof head, "the table header");
    if (!s)
        return Status::corruption(path_ + ": " + s.message());
    const dbf::DbfHeader h = dbf::decodeHeader(head);
    if (h.headerLength != layout_.header.headerLength || h.recordLength != layout_.header.recordLength)
        return Status::corruption(path_ + ": the table header changed its layout while open");
    std::uint64_t size = 0;
    s = file_->size(&size);
    if (!s)
        return s;
    layout_.header.recordCount = h.recordCount;
    layout_.header.tableFlags = h.tableFlags;
    count_ = dbf::recordsPresent(h, size);
    cache_.clear();
    return Status::ok();
}

void DbfTable::blankRecord(unsigned char* buf) const
{
    std::memset(buf, ' ', static_cast<std::size_t>(recordLength()));
    for (const FieldInfo& f : schema())
        if (dbf::isBinaryField(f))
            std::memset(buf + f.offset, 0, static_cast<std::size_t>(f.width));
}

Status DbfTable::fillCache(std::uint32_t recno)
{
    const std::uint32_t n = std::min(cache_.fillCount(recno), count_ - recno + 1);
    unsigned char* data = cache_.prepare(recno, n);
    Status s = file_->readExact(recordOffset(recno), data, std::size_t{n} * layout_.header.recordLength, "its records");
    if (!s) {
        cache_.clear();
        return s.code() == Status::Code::Corruption ? Status::corruption(path_ + ": " + s.message()) : s;
    }
    return Status::ok();
}

Status DbfTable::readRecord(std::uint32_t recno, unsigned char* buf)
{
    Status s = checkRecno(recno);
    if (!s)
        return s;
    // Other users may change a shared table at any time: read it fresh.
    if (mode_ == OpenMode::Shared) {
        s = file_->readExact(recordOffset(recno), buf, layout_.header.recordLength, "its records");
        return s.code() == Status::Code::Corruption ? Status::corruption(path_ + ": " + s.message()) : s;
    }
    if (cache_.copyOut(recno, buf))
        return Status::ok();
    s = fillCache(recno);
    if (s)
        cache_.copyOut(recno, buf);
    return s;
}

Status DbfTable::writeDate()
{
    dbf::stampToday(&layout_.header);
    const auto head = dbf::encodeHeader(layout_.header);
    return file_->writeAt(dbf::kDateAndCountOffset, head.data() + dbf::kDateAndCountOffset, 3);
}

Status DbfTable::writeDateAndCount()
{
    dbf::stampToday(&layout_.header);
    layout_.header.recordCount = count_;
    const auto head = dbf::encodeHeader(layout_.header);
    return file_->writeAt(dbf::kDateAndCountOffset, head.data() + dbf::kDateAndCountOffset, dbf::kDateAndCountSize);
}

Status DbfTable::writeRecord(std::uint32_t recno, const unsigned char* buf)
{
    Status s = requireWritable();
    if (s)
        s = checkRecno(recno);
    if (s)
        s = syncDeferredMemos();
    if (s)
        s = file_->writeAt(recordOffset(recno), buf, layout_.header.recordLength);
    // The last-update date is set once per session; it rides on the record's sync.
    if (s && !dateStamped_)
        s = writeDate();
    if (s)
        s = file_->sync();
    if (!s)
        return s;
    dateStamped_ = true;
    cache_.update(recno, buf);
    return Status::ok();
}

Status DbfTable::appendRecord(const unsigned char* buf, std::uint32_t* recno) { return appendRecords(buf, 1, recno); }

Status DbfTable::appendRecords(const unsigned char* bufs, std::size_t n, std::uint32_t* firstRecno)
{
    Status s = requireWritable();
    if (s)
        s = syncDeferredMemos();
    if (!s)
        return s;
    dbf::HeaderLock lock(*file_, mode_ == OpenMode::Shared);
    s = lock.acquire();
    if (s && mode_ == OpenMode::Shared)
        s = refreshCount();
    if (!s)
        return s;
    if (n > std::numeric_limits<std::uint32_t>::max() - count_)
        return Status::invalidArgument(path_ + " cannot hold more records");
    const std::uint32_t oldCount = count_;
    s = writeBeyondCount(bufs, n);
    if (s)
        s = countAppended(static_cast<std::uint32_t>(n));
    if (s)
        *firstRecno = oldCount + 1;
    return s;
}

// Records and end marker are on disk before the header counts them, so a
// crash leaves either the old count or the new, never a count that promises
// records that are not there.
Status DbfTable::writeBeyondCount(const unsigned char* bufs, std::size_t n)
{
    const std::uint64_t offset = recordOffset(count_ + 1);
    const std::size_t length = n * layout_.header.recordLength;
    Status s = file_->writeAt(offset, bufs, length);
    if (s)
        s = file_->writeAt(offset + length, &dbf::kEndOfData, 1);
    if (s)
        s = file_->sync();
    return s;
}

Status DbfTable::countAppended(std::uint32_t n)
{
    count_ += n;
    Status s = writeDateAndCount();
    if (s)
        s = file_->sync();
    if (!s) {
        count_ -= n;
        layout_.header.recordCount = count_;
        return s;
    }
    dateStamped_ = true;
    return Status::ok();
}

Status DbfTable::checkMemoField(int field) const
{
    if (field < 0 || static_cast<std::size_t>(field) >= schema().size())
        return Status::invalidArgument(path_ + " has no field number " + std::to_string(field));
    if (!dbf::isMemoField(schema()[static_cast<std::size_t>(field)]) || !memo_)
        return Status::invalidArgument(schema()[static_cast<std::size_t>(field)].name + " is not a memo field");
    return Status::ok();
}

Status DbfTable::readMemo(const unsigned char* rec, int field, std::string* text)
{
    Status s = checkMemoField(field);
    if (!s)
        return s;
    const FieldInfo& f = schema()[static_cast<std::size_t>(field)];
    std::uint32_t block = 0;
    if (!dbf::memoBlock(rec, f, &block))
        return Status::corruption(path_ + ": field " + f.name + " holds \"" + fieldBytes(rec, f) + "\", not a memo block");
    if (block == 0) {
        text->clear();
        return Status::ok();
    }
    return memo_->read(block, text);
}

// Every record write comes here first, so that no record reaches the disk
// pointing at memo bytes that are not there yet.
Status DbfTable::syncDeferredMemos()
{
    if (!memosDeferred_)
        return Status::ok();
    Status s = memo_->flush();
    if (s)
        memosDeferred_ = false;
    return s;
}

Status DbfTable::writeMemo(unsigned char* rec, int field, const std::string& text, dbf::MemoSync sync)
{
    Status s = requireWritable();
    if (s)
        s = checkMemoField(field);
    if (!s)
        return s;
    const FieldInfo& f = schema()[static_cast<std::size_t>(field)];
    std::uint32_t block = 0;
    if (!text.empty()) {
        std::uint32_t oldBlock = 0;
        if (!dbf::memoBlock(rec, f, &oldBlock))
            oldBlock = 0;
        // A shared memo file's header may only be written under its lock,
        // which a later sync would not hold.
        if (mode_ == OpenMode::Shared)
            sync = dbf::MemoSync::Now;
        s = memo_->write(oldBlock, text, &block, sync);
        if (!s)
            return s;
        memosDeferred_ = memosDeferred_ || sync == dbf::MemoSync::Deferred;
        if (f.width != 4 && std::to_string(block).size() > static_cast<std::size_t>(f.width))
            return Status::ioError(path_ + ": memo block " + std::to_string(block) + " does not fit field " + f.name);
    }
    dbf::putMemoBlock(rec, f, block);
    return Status::ok();
}

Status DbfTable::lockRecord(std::uint32_t recno)
{
    if (recno == 0)
        return Status::invalidArgument(path_ + " has no record 0");
    if (mode_ != OpenMode::Shared)
        return Status::ok();
    Status s = file_->lockRange(recordOffset(recno), layout_.header.recordLength);
    if (s.code() == Status::Code::Locked)
        return Status::locked("record " + std::to_string(recno) + " of " + path_ + " is locked by another user");
    return s;
}

Status DbfTable::unlockRecord(std::uint32_t recno)
{
    if (recno == 0 || mode_ != OpenMode::Shared)
        return Status::ok();
    return file_->unlockRange(recordOffset(recno), layout_.header.recordLength);
}

} // namespace xbase
