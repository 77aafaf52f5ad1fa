#pragma once

#include "xbase/core/file.h"
#include "xbase/core/status.h"
#include "xbase/dbf/table_flavor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace xbase::dbf {

// Whether a memo write is made durable before it returns, or left for the
// next flush(): bulk loads write many memos and sync them once, before the
// records that point at them.
enum class MemoSync { Now, Deferred };

// A table's memo file: the variable-length texts that memo fields point to
// by block number. FPT files are read and written; dBase DBT files are read
// (imports take them from other programs) and can be emptied.
class MemoFile {
public:
    virtual ~MemoFile() = default;

    const std::string& path() const { return path_; }
    // After the file was renamed (a pack's memo file takes the original's name).
    void setPath(std::string path) { path_ = std::move(path); }

    // The memo stored at `block` (never 0). Pointers or lengths outside the
    // file give Corruption naming the file.
    virtual Status read(std::uint32_t block, std::string* text) = 0;
    // Stores `text` and returns its block in *block; durably unless deferred,
    // when flush() makes it durable. The memo at `oldBlock` (0: none) is
    // rewritten in place when the text fits its blocks; otherwise the text
    // goes to the next free block.
    virtual Status write(std::uint32_t oldBlock, std::string_view text, std::uint32_t* block, MemoSync sync) = 0;
    // Bulk loading (pack): appends without syncing; flush() then makes
    // everything appended and written deferred durable.
    virtual Status append(std::string_view text, std::uint32_t* block) = 0;
    virtual Status flush() = 0;
    // Removes every memo (zap).
    virtual Status clear() = 0;

protected:
    MemoFile(std::unique_ptr<File> file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}

    std::unique_ptr<File> file_;
    std::string path_;
};

// The memo file belonging to a table path: same base name, extension FPT or
// DBT in the case of the table's own extension. findMemoFile also tries the
// other cases and returns "" when none exists.
std::string memoPathFor(const std::string& tablePath, MemoKind kind);
std::string findMemoFile(const std::string& tablePath, MemoKind kind);

// The memo file a table uses: none without memo fields, else the kind its
// version announces. Versions that announce none but carry memo fields
// (written so by some programs) use the FPT or DBT that exists beside them.
MemoKind resolveMemoKind(const std::string& tablePath, MemoKind announced, bool hasMemoFields);

Status openMemoFile(const std::string& path, MemoKind kind, OpenMode mode, std::unique_ptr<MemoFile>* out);
// A new, empty memo file of the kind (FPT with 64-byte blocks unless given).
Status createMemoFile(const std::string& path, MemoKind kind, std::unique_ptr<MemoFile>* out,
                      std::uint16_t blockSize = 0);

} // namespace xbase::dbf
