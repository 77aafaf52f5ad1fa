#pragma once

#include "xbase/core/file.h"
#include "xbase/core/status.h"
#include "xbase/dbf/dbf_layout.h"
#include "xbase/dbf/memo_file.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace xbase::dbf {

// Writes the packed copy of a table beside it (pack_files.h names the
// files): the records not flagged deleted, and, for FPT memos, a memo file
// holding only the memos those records use. The original is only read.
class TablePacker {
public:
    struct Source {
        std::string tablePath;
        std::string memoPath; // empty when the memo file is kept as it is
        File* table = nullptr;
        const TableLayout* layout = nullptr;
        std::uint32_t count = 0;
        MemoFile* memo = nullptr;
    };

    explicit TablePacker(Source source) : source_(std::move(source)) {}

    // InvalidArgument "pack cancelled" when progress returns false; the
    // temporary files are removed on every failure.
    Status run(const std::function<bool(int percent)>& progress);

    std::unique_ptr<File> takeTable() { return std::move(table_); }
    std::unique_ptr<MemoFile> takeMemo() { return std::move(memo_); }
    std::uint32_t keptCount() const { return kept_; }

private:
    Status createTargets();
    Status copyRecords(const std::function<bool(int percent)>& progress);
    Status copyChunk(const unsigned char* records, std::uint32_t n);
    Status moveMemos(unsigned char* rec);
    Status flushOutput();
    Status finish();

    Source source_;
    std::unique_ptr<File> table_;
    std::unique_ptr<MemoFile> memo_;
    std::vector<unsigned char> header_;
    std::vector<unsigned char> pending_;
    std::uint64_t writeOffset_ = 0;
    std::uint32_t kept_ = 0;
};

} // namespace xbase::dbf
