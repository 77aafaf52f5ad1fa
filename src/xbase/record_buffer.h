#pragma once

#include "xbase/core/record.h"
#include "xbase/dbf/dbf_table.h"

#include <map>
#include <string>
#include <vector>

namespace xbase {

// The bytes of one record as stored, read as a RecordSource. Used for the
// record as it was before an edit, so that its old index keys can be
// computed and removed.
class RecordImage : public RecordSource {
public:
    RecordImage(DbfTable& table, const std::vector<unsigned char>& bytes, const std::uint32_t& recno)
        : table_(table), bytes_(bytes), recno_(recno) {}
    const Schema& schema() const override { return table_.schema(); }
    const unsigned char* recordBuffer() const override { return bytes_.data(); }
    std::uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int fieldIndex) const override;

private:
    DbfTable& table_;
    const std::vector<unsigned char>& bytes_;
    const std::uint32_t& recno_;
};

// The current record of a work area: its bytes with any edits, the bytes as
// stored, and memo texts replaced but not yet written. Expressions and index
// keys read it as the current record.
class RecordBuffer : public RecordSource {
public:
    explicit RecordBuffer(DbfTable& table);
    RecordBuffer(const RecordBuffer&) = delete;
    RecordBuffer& operator=(const RecordBuffer&) = delete;

    const Schema& schema() const override { return table_.schema(); }
    const unsigned char* recordBuffer() const override { return current_.data(); }
    std::uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int fieldIndex) const override;

    Status load(std::uint32_t recno);
    // A blank record that is not stored: the position past the last record,
    // or a record being appended (`pendingAppend`).
    void blank(std::uint32_t recno, bool pendingAppend);
    void setRecordNumber(std::uint32_t recno) { recno_ = recno; }

    Status setField(int field, std::string_view value);
    Status setBytes(std::string_view bytes);
    void setMemo(int field, std::string text);
    void setDeletionFlag(bool on);
    bool deletionFlag() const { return current_[0] == '*'; }

    bool isDirty() const { return dirty_; }
    bool isPendingAppend() const { return pendingAppend_; }
    // Stores replaced memo texts, putting their references into the record.
    Status writeMemos();
    // After a write: the edited bytes are now the stored ones.
    void markStored();

    // The record as stored: the bytes before the first change.
    const RecordImage& stored() const { return originalKept_ ? storedImage_ : currentImage_; }
    unsigned char* bytes() { return current_.data(); }

private:
    void keepOriginal();

    DbfTable& table_;
    std::vector<unsigned char> current_;
    std::vector<unsigned char> original_;
    std::map<int, std::string> pendingMemos_;
    std::uint32_t recno_ = 0;
    bool dirty_ = false;
    bool pendingAppend_ = false;
    bool originalKept_ = true;
    RecordImage storedImage_;
    RecordImage currentImage_;
};

} // namespace xbase
