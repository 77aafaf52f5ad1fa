// Adding and removing whole tags.

#include "xbase/cdx/index_file.h"

#include "xbase/cdx/key_sorter.h"
#include "xbase/cdx/page_store.h"
#include "xbase/cdx/tag_info_codec.h"
#include "xbase/cdx/tag_tree.h"
#include "xbase/cdx/tree_builder.h"

#include <algorithm>

namespace xbase {

using namespace cdx;

namespace {

Status cancelled() { return Status::invalidArgument("index build cancelled"); }

// Pads keys to the key length and sorts them into index order.
Status prepareKeys(const TagInfo& info, std::vector<std::pair<std::string, std::uint32_t>>& keys,
                   const std::function<bool(int)>& progress, std::vector<LeafItem>* sorted)
{
    const auto keyLength = static_cast<std::size_t>(info.keyLength);
    const char fill = static_cast<char>(trailingFill(info.keyType));
    for (auto& [key, recno] : keys) {
        if (key.size() > keyLength)
            return Status::invalidArgument("tag " + info.name + ": key of record " + std::to_string(recno) +
                                           " is longer than the key length");
        key.resize(keyLength, fill);
    }
    if (progress && !progress(0))
        return cancelled();
    *sorted = sortKeys(keys, info.unique);
    if (progress && !progress(30))
        return cancelled();
    return Status::ok();
}

// Gives a tree's nodes back for reuse. A damaged tree keeps its nodes: the
// space is lost until the index is rebuilt, but nothing live is freed.
void releaseNodes(PageStore& store, TagTree& tree)
{
    std::vector<std::uint32_t> nodes;
    if (!tree.collectNodes(&nodes))
        return;
    for (std::uint32_t offset : nodes)
        store.release(offset);
}

} // namespace

Status IndexFile::addTag(const TagInfo& infoIn, std::vector<std::pair<std::string, std::uint32_t>> keys,
                         const std::function<bool(int percent)>& progress)
{
    if (!store_->writable())
        return Status::invalidArgument(store_->name() + " is open read-only");
    TagInfo info;
    if (Status s = normalizeTagInfo(infoIn, &info); !s)
        return s;
    if (compound_ && findTag(info.name) >= 0)
        return Status::invalidArgument("tag " + info.name + " already exists in " + store_->name());
    std::vector<LeafItem> sorted;
    if (Status s = prepareKeys(info, keys, progress, &sorted); !s)
        return s;
    Status s = compound_ ? addDirectoryTag(info, sorted, progress) : rebuildSingleTag(info, sorted, progress);
    if (s && progress)
        progress(100);
    return s;
}

Status IndexFile::addDirectoryTag(const TagInfo& info, const std::vector<cdx::LeafItem>& keys,
                                  const std::function<bool(int)>& progress)
{
    const std::uint64_t oldEnd = store_->end();
    std::uint32_t headerOffset = 0;
    if (Status s = store_->allocateAtEnd(2, &headerOffset); !s)
        return s;
    IndexHeader header = tagHeader(info, true);
    Progress steps(progress, 30, 99, keys.size());
    bool stopped = false;
    if (Status s = buildTree(*store_, KeyFormat{info.keyLength, trailingFill(info.keyType)}, keys, steps, &header.root, &stopped);
        !s || stopped) {
        store_->truncateTo(oldEnd);
        return stopped ? cancelled() : s;
    }
    unsigned char buf[kHeaderSize];
    encodeIndexHeader(header, buf);
    if (Status s = store_->writeDirect(headerOffset, buf, kHeaderSize); !s)
        return s;
    const std::string key = directoryKey(info.name);
    if (Status s = directory_->insert(key, headerOffset); !s)
        return s;
    tags_.push_back(info);
    trees_.push_back(std::make_shared<TagTree>(*store_, headerOffset, header));
    directoryKeys_.push_back(key);
    return Status::ok();
}

Status IndexFile::rebuildSingleTag(const TagInfo& infoIn, const std::vector<cdx::LeafItem>& keys,
                                   const std::function<bool(int)>& progress)
{
    TagInfo info = infoIn;
    info.name = tags_.front().name;
    IndexHeader header = tagHeader(info, false);
    Progress steps(progress, 30, 99, keys.size());
    bool stopped = false;
    const std::uint64_t oldEnd = store_->end();
    std::uint32_t root = 0;
    if (Status s = buildTree(*store_, KeyFormat{info.keyLength, trailingFill(info.keyType)}, keys, steps, &root, &stopped);
        !s || stopped) {
        store_->truncateTo(oldEnd);
        return stopped ? cancelled() : s;
    }
    TagTree& tree = *trees_.front();
    releaseNodes(*store_, tree);
    tree.replaceRoot(root, header);
    tags_.front() = info;
    return Status::ok();
}

Status IndexFile::removeTag(std::string_view name)
{
    if (!compound_)
        return Status::notSupported(store_->name() + " holds a single order; delete the file instead");
    if (!store_->writable())
        return Status::invalidArgument(store_->name() + " is open read-only");
    const int tag = findTag(name);
    if (tag < 0)
        return Status::notFound("no tag " + std::string(name) + " in " + store_->name());
    const auto i = static_cast<std::size_t>(tag);
    if (Status s = directory_->remove(directoryKeys_[i], trees_[i]->headerOffset()); !s)
        return s;
    releaseNodes(*store_, *trees_[i]);
    trees_[i]->markRemoved();
    tags_.erase(tags_.begin() + tag);
    trees_.erase(trees_.begin() + tag);
    directoryKeys_.erase(directoryKeys_.begin() + tag);
    return Status::ok();
}

} // namespace xbase
