#pragma once

#include "xbase/cdx/index_cursor.h"
#include "xbase/cdx/key_encoding.h"
#include "xbase/core/file.h"
#include "xbase/core/status.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xbase {

namespace cdx {
class PageStore;
class TagTree;
struct LeafItem;
} // namespace cdx

struct TagInfo {
    std::string name;            // upper case, at most 10 characters
    std::string keyExpression;   // as written by the caller
    std::string forExpression;   // empty: none
    KeyType keyType = KeyType::Character;
    int keyLength = 0;
    bool descending = false;
    bool unique = false;
};

// A compound index (.CDX: a directory of named tags) or a single-order
// compact index (.IDX: one tag, named after the file). Keys are bytes of the
// tag's key length; the caller computes them. Changes are cached and reach
// the disk at flush(), or when the cache makes room, or when the object goes.
class IndexFile {
public:
    // `staleMark`: the new file starts with the mark set (see setStaleMark).
    static Status createCompound(const std::string& path, std::unique_ptr<IndexFile>* out, bool staleMark = false);
    static Status createSingle(const std::string& path, const TagInfo&, std::unique_ptr<IndexFile>* out,
                               bool staleMark = false);
    static Status open(const std::string& path, OpenMode mode, std::unique_ptr<IndexFile>* out);
    // The same on a file the caller opened (tests, fuzzing); `name` is used
    // in messages and, for a single-order file, as its tag's name.
    static Status open(std::unique_ptr<File> file, const std::string& name, OpenMode mode, std::unique_ptr<IndexFile>* out);
    ~IndexFile();
    IndexFile(const IndexFile&) = delete;
    IndexFile& operator=(const IndexFile&) = delete;

    bool isCompound() const { return compound_; }
    const std::vector<TagInfo>& tags() const { return tags_; }  // in creation order
    int findTag(std::string_view name) const;                    // case-insensitive; -1 when absent
    // Builds a tag from all its keys at once (any order; sorted inside).
    // On a single-order file it replaces the one tag's keys and expressions.
    // Keys shorter than the key length are padded with its fill byte.
    Status addTag(const TagInfo&, std::vector<std::pair<std::string, std::uint32_t>> keys,
                  const std::function<bool(int percent)>& progress);
    Status removeTag(std::string_view name);
    Status insertKey(int tag, std::string_view key, std::uint32_t recno);
    Status removeKey(int tag, std::string_view key, std::uint32_t recno);
    // Files written by other programs do not record the key type; the work
    // area, which compiles the key expression, sets it before use.
    Status setKeyType(int tag, KeyType type);
    Status flush();                                  // durable on return
    // The mark that the tags may not match their table, kept in the file's
    // first header where other programs ignore it: as found when the file
    // was opened, or as last set. `durable` returns once it is on the disk.
    bool staleMark() const;
    Status setStaleMark(bool on, bool durable);
    std::unique_ptr<IndexCursor> cursor(int tag);

private:
    IndexFile();
    static Status openStore(std::unique_ptr<cdx::PageStore> store, const std::string& name, std::unique_ptr<IndexFile>* out);
    Status loadDirectory();
    Status loadTag(const std::string& name, std::uint32_t headerOffset);
    Status checkTag(int tag) const;
    cdx::TagTree& firstHeaderTree() const;
    Status addDirectoryTag(const TagInfo& info, const std::vector<cdx::LeafItem>& keys,
                           const std::function<bool(int)>& progress);
    Status rebuildSingleTag(const TagInfo& info, const std::vector<cdx::LeafItem>& keys,
                            const std::function<bool(int)>& progress);

    std::unique_ptr<cdx::PageStore> store_;
    bool compound_ = false;
    std::shared_ptr<cdx::TagTree> directory_;
    std::vector<TagInfo> tags_;
    std::vector<std::shared_ptr<cdx::TagTree>> trees_;
    std::vector<std::string> directoryKeys_;  // each tag's key in the directory, as stored
};

} // namespace xbase
