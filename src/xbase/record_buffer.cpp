#include "xbase/record_buffer.h"

#include "xbase/dbf/field_codec.h"

#include <algorithm>

namespace xbase {

std::string RecordImage::memoText(int fieldIndex) const
{
    std::string text;
    if (!table_.readMemo(bytes_.data(), fieldIndex, &text))
        return {};
    return text;
}

RecordBuffer::RecordBuffer(DbfTable& table)
    : table_(table),
      current_(static_cast<std::size_t>(table.recordLength())),
      original_(current_.size()),
      storedImage_(table, original_, recno_),
      currentImage_(table, current_, recno_)
{
    blank(1, false);
}

std::string RecordBuffer::memoText(int fieldIndex) const
{
    const auto pending = pendingMemos_.find(fieldIndex);
    if (pending != pendingMemos_.end())
        return pending->second;
    std::string text;
    if (!table_.readMemo(current_.data(), fieldIndex, &text))
        return {};
    return text;
}

Status RecordBuffer::load(std::uint32_t recno)
{
    Status s = table_.readRecord(recno, current_.data());
    if (!s) {
        blank(table_.recordCount() + 1, false);
        return s;
    }
    recno_ = recno;
    pendingMemos_.clear();
    dirty_ = false;
    pendingAppend_ = false;
    originalKept_ = false; // taken at the first change: most loaded records are only read
    return Status::ok();
}

void RecordBuffer::keepOriginal()
{
    if (!originalKept_)
        original_ = current_;
    originalKept_ = true;
}

void RecordBuffer::blank(std::uint32_t recno, bool pendingAppend)
{
    table_.blankRecord(current_.data());
    original_ = current_;
    originalKept_ = true;
    recno_ = recno;
    pendingMemos_.clear();
    dirty_ = pendingAppend;
    pendingAppend_ = pendingAppend;
}

Status RecordBuffer::setField(int field, std::string_view value)
{
    const Schema& fields = table_.schema();
    if (field < 0 || field >= static_cast<int>(fields.size()))
        return Status::invalidArgument("no such field");
    if (fields[static_cast<std::size_t>(field)].type == 'M') {
        setMemo(field, std::string(value));
        return Status::ok();
    }
    keepOriginal();
    Status s = putFieldText(current_.data(), fields[static_cast<std::size_t>(field)], value);
    if (s)
        dirty_ = true;
    return s;
}

Status RecordBuffer::setBytes(std::string_view bytes)
{
    if (bytes.size() != current_.size())
        return Status::invalidArgument("a record of " + std::to_string(current_.size()) + " bytes was expected, not " +
                                       std::to_string(bytes.size()));
    keepOriginal();
    std::copy(bytes.begin(), bytes.end(), current_.begin());
    dirty_ = true;
    return Status::ok();
}

void RecordBuffer::setMemo(int field, std::string text)
{
    keepOriginal();
    pendingMemos_[field] = std::move(text);
    dirty_ = true;
}

void RecordBuffer::setDeletionFlag(bool on)
{
    keepOriginal();
    current_[0] = on ? '*' : ' ';
    dirty_ = true;
}

Status RecordBuffer::writeMemos()
{
    // Synced together by the table before it stores the record: one memo
    // sync per record however many memo fields changed.
    for (const auto& [field, text] : pendingMemos_) {
        Status s = table_.writeMemo(current_.data(), field, text, dbf::MemoSync::Deferred);
        if (!s)
            return s;
    }
    pendingMemos_.clear();
    return Status::ok();
}

void RecordBuffer::markStored()
{
    original_ = current_;
    originalKept_ = true;
    dirty_ = false;
    pendingAppend_ = false;
}

} // namespace xbase
