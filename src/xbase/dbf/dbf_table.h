#pragma once

#include "xbase/core/file.h"
#include "xbase/core/record.h"
#include "xbase/core/status.h"
#include "xbase/dbf/dbf_layout.h"
#include "xbase/dbf/memo_file.h"
#include "xbase/dbf/record_cache.h"
#include "xbase/dbf/table_flavor.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace xbase {

struct CreateOptions {
    bool structuralIndex = false;
};

// One open DBF table with its memo file. Records are whole buffers in DBF
// layout (deletion flag, then the fields at their offsets); field_codec.h
// reads and writes single fields inside them. Every write is durable when
// it returns.
class DbfTable {
public:
    // Writes 0xF5 (with memo) or 0x03, code page mark 0x03 (Windows-1252),
    // creates the .FPT when a memo field exists; opens the result exclusively.
    // Field offsets in `fields` are ignored and recomputed.
    static Status create(const std::string& path, const Schema& fields, const CreateOptions&, std::unique_ptr<DbfTable>* out);
    static Status open(const std::string& path, OpenMode mode, std::unique_ptr<DbfTable>* out);

    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    const std::string& path() const { return path_; }
    // The memo file's path; empty when the table has no memo fields.
    const std::string& memoPath() const;
    OpenMode mode() const { return mode_; }
    TableFlavor flavor() const { return layout_.version.flavor; }
    unsigned char versionByte() const { return layout_.header.version; }
    const Schema& schema() const { return layout_.schema; }
    int recordLength() const { return layout_.header.recordLength; }
    std::uint32_t recordCount() const { return count_; }
    Status refreshCount();

    void blankRecord(unsigned char* buf) const;
    Status readRecord(std::uint32_t recno, unsigned char* buf);
    Status writeRecord(std::uint32_t recno, const unsigned char* buf);
    Status appendRecord(const unsigned char* buf, std::uint32_t* recno);
    // Bulk loading: `n` records back to back in `bufs`, written together and
    // made durable with one sync before the header counts them.
    Status appendRecords(const unsigned char* bufs, std::size_t n, std::uint32_t* firstRecno);

    Status readMemo(const unsigned char* rec, int field, std::string* text);
    // Stores the memo and puts its reference into `rec`. Deferred memos (bulk
    // loads, several memos of one record) are synced once by the next record
    // write or append, before the record that points at them; shared opens
    // sync every memo on its own, under the memo file's lock.
    Status writeMemo(unsigned char* rec, int field, const std::string& text,
                     dbf::MemoSync sync = dbf::MemoSync::Now);

    Status lockRecord(std::uint32_t recno);
    Status unlockRecord(std::uint32_t recno);

    Status pack(const std::function<bool(int percent)>& progress);
    Status zap();
    Status copyStructure(const std::string& newPath) const;
    bool structuralIndexFlag() const;
    Status setStructuralIndexFlag(bool on);

private:
    DbfTable(std::string path, OpenMode mode, std::unique_ptr<File> file, dbf::TableLayout layout);

    static Status openLayout(const std::string& path, OpenMode mode, std::unique_ptr<File>* file, dbf::TableLayout* layout);
    static Status settleInterruptedPack(const std::string& path, const std::string& memoPath, OpenMode mode,
                                        std::unique_ptr<File>* file, dbf::TableLayout* layout);
    std::uint64_t recordOffset(std::uint32_t recno) const;
    Status requireWritable() const;
    Status requireExclusive(const char* operation) const;
    Status checkRecno(std::uint32_t recno) const;
    Status checkMemoField(int field) const;
    Status fillCache(std::uint32_t recno);
    Status syncDeferredMemos();
    Status writeDate();
    Status writeDateAndCount();
    Status writeBeyondCount(const unsigned char* bufs, std::size_t n);
    Status countAppended(std::uint32_t n);

    std::string path_;
    OpenMode mode_;
    std::unique_ptr<File> file_;
    dbf::TableLayout layout_;
    std::uint32_t count_ = 0;
    dbf::MemoKind memoKind_ = dbf::MemoKind::None;
    std::unique_ptr<dbf::MemoFile> memo_;
    dbf::RecordCache cache_;
    bool dateStamped_ = false;
    bool memosDeferred_ = false;
};

} // namespace xbase
