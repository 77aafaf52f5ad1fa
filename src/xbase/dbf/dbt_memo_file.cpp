#include "xbase/dbf/dbt_memo_file.h"

#include "xbase/core/bytes.h"

#include <algorithm>
#include <vector>

namespace xbase::dbf {
namespace {

constexpr std::uint32_t kDBase3BlockSize = 512;
constexpr std::size_t kBlockSizeOffset = 20;
constexpr std::size_t kCountedHeaderSize = 8;
constexpr unsigned char kCountedMarker[] = {0xFF, 0xFF, 0x08, 0x00};
constexpr char kTerminator = 0x1A;

} // namespace

DbtMemoFile::DbtMemoFile(std::unique_ptr<File> file, std::string path, MemoKind kind, std::uint32_t blockSize)
    : MemoFile(std::move(file), std::move(path)), kind_(kind), blockSize_(blockSize)
{
}

Status DbtMemoFile::open(std::unique_ptr<File> file, const std::string& path, MemoKind kind, std::unique_ptr<MemoFile>* out)
{
    std::uint64_t size = 0;
    Status s = file->size(&size);
    if (!s)
        return s;
    unsigned char header[kDBase3BlockSize];
    if (size < kDBase3BlockSize || !file->readExact(0, header, sizeof header, "the memo header"))
        return Status::corruption(path + ": the memo file is shorter than its header");
    std::uint32_t blockSize = kDBase3BlockSize;
    if (kind == MemoKind::DBase4Dbt && bytes::getLe16(header + kBlockSizeOffset) != 0)
        blockSize = bytes::getLe16(header + kBlockSizeOffset);
    if (blockSize < kCountedHeaderSize)
        return Status::corruption(path + ": the memo file's block size " + std::to_string(blockSize) + " is too small");
    std::unique_ptr<DbtMemoFile> memo(new DbtMemoFile(std::move(file), path, kind, blockSize));
    memo->fileSize_ = size;
    *out = std::move(memo);
    return Status::ok();
}

Status DbtMemoFile::create(std::unique_ptr<File> file, const std::string& path, MemoKind kind, std::uint16_t blockSize,
                           std::unique_ptr<MemoFile>* out)
{
    const std::uint32_t size = kind == MemoKind::DBase4Dbt && blockSize >= kCountedHeaderSize ? blockSize : kDBase3BlockSize;
    std::unique_ptr<DbtMemoFile> memo(new DbtMemoFile(std::move(file), path, kind, size));
    Status s = memo->writeHeader();
    if (s)
        s = memo->file_->sync();
    if (!s)
        return s;
    *out = std::move(memo);
    return Status::ok();
}

Status DbtMemoFile::writeHeader()
{
    std::vector<unsigned char> header(std::max(blockSize_, kDBase3BlockSize), 0);
    bytes::putLe32(header.data(), 1);
    if (kind_ == MemoKind::DBase4Dbt)
        bytes::putLe16(header.data() + kBlockSizeOffset, static_cast<std::uint16_t>(blockSize_));
    Status s = file_->writeAt(0, header.data(), header.size());
    if (s)
        fileSize_ = std::max<std::uint64_t>(fileSize_, header.size());
    return s;
}

Status DbtMemoFile::read(std::uint32_t block, std::string* text)
{
    const std::uint64_t offset = std::uint64_t{block} * blockSize_;
    if (block == 0)
        return Status::corruption(path_ + ": memo block 0 lies inside the file header");
    if (offset >= fileSize_)
        return Status::corruption(path_ + ": memo block " + std::to_string(block) + " is beyond the end of the file");
    if (kind_ == MemoKind::DBase4Dbt && offset + kCountedHeaderSize <= fileSize_) {
        unsigned char head[kCountedHeaderSize];
        Status s = file_->readExact(offset, head, sizeof head, "a memo header");
        if (!s)
            return Status::corruption(path_ + ": " + s.message());
        if (std::equal(std::begin(kCountedMarker), std::end(kCountedMarker), head))
            return readCounted(offset, block, text);
    }
    return readTerminated(offset, text);
}

Status DbtMemoFile::readCounted(std::uint64_t offset, std::uint32_t block, std::string* text)
{
    unsigned char head[kCountedHeaderSize];
    Status s = file_->readExact(offset, head, sizeof head, "a memo header");
    if (!s)
        return Status::corruption(path_ + ": " + s.message());
    const std::uint32_t length = bytes::getLe32(head + 4);
    const std::string where = path_ + ": memo block " + std::to_string(block);
    if (length < kCountedHeaderSize)
        return Status::corruption(where + " has an impossible length " + std::to_string(length));
    if (offset + length > fileSize_)
        return Status::corruption(where + " claims " + std::to_string(length) + " bytes, more than the file holds");
    std::string data(length - kCountedHeaderSize, '\0');
    s = file_->readExact(offset + kCountedHeaderSize, data.data(), data.size(), "a memo");
    if (!s)
        return Status::corruption(path_ + ": " + s.message());
    *text = std::move(data);
    return Status::ok();
}

// dBase III ends a memo with 0x1A 0x1A; the first 0x1A already ends the
// text. A memo cut off by the end of the file keeps what is there.
Status DbtMemoFile::readTerminated(std::uint64_t offset, std::string* text)
{
    std::string data;
    std::vector<char> chunk(kDBase3BlockSize);
    while (offset < fileSize_) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), fileSize_ - offset));
        std::size_t got = 0;
        Status s = file_->readAt(offset, chunk.data(), want, &got);
        if (!s)
            return s;
        if (got == 0)
            break;
        const auto end = std::find(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got), kTerminator);
        data.append(chunk.begin(), end);
        if (end != chunk.begin() + static_cast<std::ptrdiff_t>(got))
            break;
        offset += got;
    }
    *text = std::move(data);
    return Status::ok();
}

Status DbtMemoFile::write(std::uint32_t, std::string_view, std::uint32_t*, MemoSync)
{
    return Status::notSupported(path_ + ": memos of dBase tables can be read but not written");
}

Status DbtMemoFile::append(std::string_view text, std::uint32_t* block) { return write(0, text, block, MemoSync::Deferred); }

Status DbtMemoFile::flush() { return file_->sync(); }

Status DbtMemoFile::clear()
{
    Status s = writeHeader();
    if (s)
        s = file_->sync();
    if (s)
        s = file_->truncate(std::max(blockSize_, kDBase3BlockSize));
    if (s) {
        fileSize_ = std::max(blockSize_, kDBase3BlockSize);
        s = file_->sync();
    }
    return s;
}

} // namespace xbase::dbf
