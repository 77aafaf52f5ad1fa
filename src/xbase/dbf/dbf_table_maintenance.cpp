// DbfTable's whole-table operations: pack, zap, copying the structure and
// the structural-index flag.

#include "xbase/dbf/dbf_table.h"

#include "xbase/dbf/pack_files.h"
#include "xbase/dbf/table_packer.h"

#include <vector>

namespace xbase {
namespace {

constexpr std::size_t kTableFlagsOffset = 28;

// Copies the parts of `h` that these operations change into a raw header
// area, keeping every other byte as the file had it.
void patchHeader(std::vector<unsigned char>* area, const dbf::DbfHeader& h)
{
    const auto head = dbf::encodeHeader(h);
    std::copy_n(head.begin() + dbf::kDateAndCountOffset, dbf::kDateAndCountSize, area->begin() + dbf::kDateAndCountOffset);
    (*area)[kTableFlagsOffset] = head[kTableFlagsOffset];
}

} // namespace

Status DbfTable::pack(const std::function<bool(int percent)>& progress)
{
    Status s = requireExclusive("pack");
    if (!s)
        return s;
    // DBT memos are read-only here: their file stays, and so do the blocks
    // the records point to.
    const std::string memoPath = memoKind_ == dbf::MemoKind::Fpt ? memo_->path() : std::string();
    dbf::TablePacker packer({path_, memoPath, file_.get(), &layout_, count_, memo_.get()});
    s = packer.run(progress);
    if (!s)
        return s;
    std::unique_ptr<File> table = packer.takeTable();
    std::unique_ptr<dbf::MemoFile> memo = packer.takeMemo();
    s = dbf::commitPack(path_, memoPath);
    if (!s)
        return s;
    file_ = std::move(table);
    if (memo) {
        memo->setPath(memoPath);
        memo_ = std::move(memo);
    }
    count_ = packer.keptCount();
    layout_.header.recordCount = count_;
    cache_.clear();
    return Status::ok();
}

Status DbfTable::zap()
{
    Status s = requireExclusive("zap");
    if (!s)
        return s;
    // The count goes to zero before the records go, so that no moment
    // exists at which the header promises records the file lacks.
    count_ = 0;
    cache_.clear();
    s = writeDateAndCount();
    if (s)
        s = file_->sync();
    if (s)
        s = file_->truncate(layout_.header.headerLength);
    if (s)
        s = file_->writeAt(layout_.header.headerLength, &dbf::kEndOfData, 1);
    if (s)
        s = file_->sync();
    if (s && memo_)
        s = memo_->clear();
    return s;
}

Status DbfTable::copyStructure(const std::string& newPath) const
{
    if (newPath == path_)
        return Status::invalidArgument("the structure of " + path_ + " cannot be copied onto itself");
    std::vector<unsigned char> area(layout_.header.headerLength);
    Status s = file_->readExact(0, area.data(), area.size(), "the table header");
    if (!s)
        return Status::corruption(path_ + ": " + s.message());
    dbf::DbfHeader h = layout_.header;
    h.recordCount = 0;
    h.tableFlags &= static_cast<unsigned char>(~dbf::kFlagStructuralIndex); // the copy has no index yet
    dbf::stampToday(&h);
    patchHeader(&area, h);
    area.push_back(dbf::kEndOfData);
    std::unique_ptr<File> file;
    s = createFile(newPath, &file);
    if (s)
        s = file->writeAt(0, area.data(), area.size());
    if (s)
        s = file->sync();
    std::unique_ptr<dbf::MemoFile> memo;
    if (s && memoKind_ != dbf::MemoKind::None)
        s = dbf::createMemoFile(dbf::memoPathFor(newPath, memoKind_), memoKind_, &memo);
    if (s)
        s = syncParentDirectory(newPath);
    return s;
}

bool DbfTable::structuralIndexFlag() const { return (layout_.header.tableFlags & dbf::kFlagStructuralIndex) != 0; }

Status DbfTable::setStructuralIndexFlag(bool on)
{
    Status s = requireWritable();
    if (!s)
        return s;
    if (on)
        layout_.header.tableFlags |= dbf::kFlagStructuralIndex;
    else
        layout_.header.tableFlags &= static_cast<unsigned char>(~dbf::kFlagStructuralIndex);
    const unsigned char flags = layout_.header.tableFlags;
    s = file_->writeAt(kTableFlagsOffset, &flags, 1);
    if (s)
        s = file_->sync();
    return s;
}

} // namespace xbase
