#include "xbase/cdx/index_file.h"

#include "xbase/cdx/leaf_codec.h"
#include "xbase/cdx/page_store.h"
#include "xbase/cdx/tag_info_codec.h"
#include "xbase/cdx/tag_tree.h"

#include <algorithm>

namespace xbase {

using namespace cdx;

namespace {

// Writes a header and an empty root leaf right behind it.
Status writeEmptyTree(PageStore& store, IndexHeader* header, std::uint32_t* headerOffset)
{
    std::uint32_t root = 0;
    if (Status s = store.allocateAtEnd(2, headerOffset); !s)
        return s;
    if (Status s = store.allocateAtEnd(1, &root); !s)
        return s;
    header->root = root;
    unsigned char buf[kHeaderSize + kPageSize];
    encodeIndexHeader(*header, buf);
    LeafPacker(KeyFormat{header->keyLength, trailingFill(header->keyType)}).encode(kAttrLeaf | kAttrRoot, kNoPage, kNoPage, buf + kHeaderSize);
    return store.writeDirect(*headerOffset, buf, sizeof buf);
}

Status newStore(const std::string& path, std::unique_ptr<PageStore>* store)
{
    std::unique_ptr<File> file;
    if (Status s = createFile(path, &file); !s)
        return s;
    *store = std::make_unique<PageStore>(std::move(file), path, true);
    return (*store)->init();
}

} // namespace

IndexFile::IndexFile() = default;

IndexFile::~IndexFile()
{
    // Nothing may be lost because a caller forgot to flush; errors here have
    // nobody to go to, and the next open reports any damage.
    if (store_ && store_->writable())
        flush();
}

Status IndexFile::createCompound(const std::string& path, std::unique_ptr<IndexFile>* out, bool staleMark)
{
    std::unique_ptr<PageStore> store;
    if (Status s = newStore(path, &store); !s)
        return s;
    IndexHeader header = directoryHeader();
    header.staleMark = staleMark;
    std::uint32_t offset = 0;
    if (Status s = writeEmptyTree(*store, &header, &offset); !s)
        return s;
    if (Status s = store->flush(); !s)
        return s;
    return openStore(std::move(store), path, out);
}

Status IndexFile::createSingle(const std::string& path, const TagInfo& info, std::unique_ptr<IndexFile>* out,
                               bool staleMark)
{
    TagInfo tag;
    if (Status s = normalizeTagInfo(TagInfo{tagNameFromPath(path), info.keyExpression, info.forExpression, info.keyType,
                                            info.keyLength, info.descending, info.unique},
                                    &tag);
        !s)
        return s;
    std::unique_ptr<PageStore> store;
    if (Status s = newStore(path, &store); !s)
        return s;
    IndexHeader header = tagHeader(tag, false);
    header.staleMark = staleMark;
    std::uint32_t offset = 0;
    if (Status s = writeEmptyTree(*store, &header, &offset); !s)
        return s;
    if (Status s = store->flush(); !s)
        return s;
    return openStore(std::move(store), path, out);
}

Status IndexFile::open(const std::string& path, OpenMode mode, std::unique_ptr<IndexFile>* out)
{
    std::unique_ptr<File> file;
    if (Status s = openFile(path, mode, &file); !s)
        return s;
    return open(std::move(file), path, mode, out);
}

Status IndexFile::open(std::unique_ptr<File> file, const std::string& name, OpenMode mode, std::unique_ptr<IndexFile>* out)
{
    auto store = std::make_unique<PageStore>(std::move(file), name, mode != OpenMode::ReadOnly);
    if (Status s = store->init(); !s)
        return s;
    return openStore(std::move(store), name, out);
}

Status IndexFile::openStore(std::unique_ptr<PageStore> store, const std::string& name, std::unique_ptr<IndexFile>* out)
{
    if (store->end() < kHeaderSize + kPageSize)
        return Status::corruption(name + " is too short for an index header");
    unsigned char buf[kHeaderSize];
    if (Status s = store->readDirect(0, buf, kHeaderSize, "the index header"); !s)
        return s;
    IndexHeader header;
    if (Status s = decodeIndexHeader(buf, name, &header); !s)
        return s;
    std::unique_ptr<IndexFile> index(new IndexFile);
    index->store_ = std::move(store);
    index->compound_ = (header.options & kOptionCompound) != 0;
    if (Status s = index->store_->checkNodeOffset(header.root); !s)
        return s;
    if (index->compound_) {
        index->directory_ = std::make_shared<TagTree>(*index->store_, 0, header);
        if (Status s = index->loadDirectory(); !s)
            return s;
    } else {
        auto tree = std::make_shared<TagTree>(*index->store_, 0, header);
        index->tags_.push_back(tagInfoFrom(tagNameFromPath(name), header));
        index->trees_.push_back(std::move(tree));
        index->directoryKeys_.emplace_back();
    }
    *out = std::move(index);
    return Status::ok();
}

Status IndexFile::loadDirectory()
{
    // The directory is ordered by name; tags were given their headers in
    // creation order, so the header offsets give that order back.
    std::vector<std::pair<std::uint32_t, std::string>> found;
    IndexCursor walk(directory_);
    for (bool ok = walk.first(); ok; ok = walk.next())
        found.emplace_back(walk.recno(), std::string(walk.key()));
    if (!walk.status())
        return walk.status();
    std::sort(found.begin(), found.end());
    for (const auto& [offset, key] : found)
        if (Status s = loadTag(key, offset); !s)
            return s;
    return Status::ok();
}

Status IndexFile::loadTag(const std::string& key, std::uint32_t headerOffset)
{
    const std::string name = tagNameFromKey(key);
    if (headerOffset % kPageSize != 0 || headerOffset < kHeaderSize || std::uint64_t{headerOffset} + kHeaderSize > store_->end())
        return Status::corruption(store_->name() + ": the header of tag " + name + " lies outside the file");
    unsigned char buf[kHeaderSize];
    if (Status s = store_->readDirect(headerOffset, buf, kHeaderSize, "a tag header"); !s)
        return s;
    IndexHeader header;
    if (Status s = decodeIndexHeader(buf, store_->name() + " tag " + name, &header); !s)
        return s;
    if (Status s = store_->checkNodeOffset(header.root); !s)
        return s;
    tags_.push_back(tagInfoFrom(name, header));
    trees_.push_back(std::make_shared<TagTree>(*store_, headerOffset, header));
    directoryKeys_.push_back(key);
    return Status::ok();
}

int IndexFile::findTag(std::string_view name) const
{
    const std::string wanted = upperAscii(name);
    for (std::size_t i = 0; i < tags_.size(); ++i)
        if (tags_[i].name == wanted)
            return static_cast<int>(i);
    return -1;
}

Status IndexFile::checkTag(int tag) const
{
    if (tag < 0 || static_cast<std::size_t>(tag) >= trees_.size())
        return Status::invalidArgument("no tag number " + std::to_string(tag) + " in " + store_->name());
    return Status::ok();
}

Status IndexFile::insertKey(int tag, std::string_view key, std::uint32_t recno)
{
    if (Status s = checkTag(tag); !s)
        return s;
    if (!store_->writable())
        return Status::invalidArgument(store_->name() + " is open read-only");
    return trees_[static_cast<std::size_t>(tag)]->insert(key, recno);
}

Status IndexFile::removeKey(int tag, std::string_view key, std::uint32_t recno)
{
    if (Status s = checkTag(tag); !s)
        return s;
    if (!store_->writable())
        return Status::invalidArgument(store_->name() + " is open read-only");
    return trees_[static_cast<std::size_t>(tag)]->remove(key, recno);
}

Status IndexFile::setKeyType(int tag, KeyType type)
{
    if (Status s = checkTag(tag); !s)
        return s;
    trees_[static_cast<std::size_t>(tag)]->setKeyType(type);
    tags_[static_cast<std::size_t>(tag)].keyType = type;
    return Status::ok();
}

Status IndexFile::flush()
{
    if (!store_->writable())
        return Status::ok();
    // Nodes first, headers after them: a header never points at a node that
    // is not on the disk yet.
    if (Status s = store_->flush(); !s)
        return s;
    for (auto& tree : trees_)
        if (Status s = tree->writeHeaderIfDirty(); !s)
            return s;
    if (directory_)
        if (Status s = directory_->writeHeaderIfDirty(); !s)
            return s;
    return store_->flush();
}

// A compound file's first header is its directory's, a single-order file's
// that of its one tag.
TagTree& IndexFile::firstHeaderTree() const { return compound_ ? *directory_ : *trees_.front(); }

bool IndexFile::staleMark() const { return firstHeaderTree().header().staleMark; }

Status IndexFile::setStaleMark(bool on, bool durable)
{
    if (!store_->writable())
        return Status::invalidArgument(store_->name() + " is open read-only");
    firstHeaderTree().setStaleMark(on);
    const unsigned char mark = on ? kStaleMarkSet : 0;
    if (Status s = store_->writeDirect(kStaleMarkAt, &mark, 1); !s)
        return s;
    return durable ? store_->syncFile() : Status::ok();
}

std::unique_ptr<IndexCursor> IndexFile::cursor(int tag)
{
    if (checkTag(tag).isOk())
        return std::make_unique<IndexCursor>(trees_[static_cast<std::size_t>(tag)]);
    // A cursor that is never valid rather than none, so no caller crashes.
    auto none = std::make_shared<TagTree>(*store_, 0, IndexHeader{});
    none->markRemoved();
    return std::make_unique<IndexCursor>(none);
}

} // namespace xbase
