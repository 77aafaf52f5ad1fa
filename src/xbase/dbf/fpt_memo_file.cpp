#include "xbase/dbf/fpt_memo_file.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/header_lock.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace xbase::dbf {
namespace {

constexpr std::size_t kMemoHeaderSize = 8;
constexpr std::uint32_t kTextMemo = 1;
constexpr std::uint64_t kBlockSizeOffset = 6;

} // namespace

FptMemoFile::FptMemoFile(std::unique_ptr<File> file, std::string path, std::uint16_t blockSize, bool shared)
    : MemoFile(std::move(file), std::move(path)), blockSize_(blockSize), shared_(shared)
{
}

Status FptMemoFile::open(std::unique_ptr<File> file, const std::string& path, OpenMode mode, std::unique_ptr<MemoFile>* out)
{
    std::uint64_t size = 0;
    Status s = file->size(&size);
    if (!s)
        return s;
    unsigned char header[kHeaderSize];
    if (size < kHeaderSize || !file->readExact(0, header, kHeaderSize, "the memo header"))
        return Status::corruption(path + ": the memo file is shorter than its header");
    const std::uint16_t blockSize = bytes::getBe16(header + kBlockSizeOffset);
    if (blockSize == 0)
        return Status::corruption(path + ": the memo file's block size is 0");
    std::unique_ptr<FptMemoFile> memo(new FptMemoFile(std::move(file), path, blockSize, mode == OpenMode::Shared));
    memo->nextFree_ = bytes::getBe32(header);
    memo->fileSize_ = size;
    *out = std::move(memo);
    return Status::ok();
}

Status FptMemoFile::create(std::unique_ptr<File> file, const std::string& path, std::uint16_t blockSize,
                           std::unique_ptr<MemoFile>* out)
{
    if (blockSize == 0)
        blockSize = kDefaultBlockSize;
    std::unique_ptr<FptMemoFile> memo(new FptMemoFile(std::move(file), path, blockSize, false));
    std::vector<unsigned char> header(kHeaderSize, 0);
    memo->nextFree_ = memo->firstDataBlock();
    bytes::putBe32(header.data(), memo->nextFree_);
    bytes::putBe16(header.data() + kBlockSizeOffset, blockSize);
    Status s = memo->file_->writeAt(0, header.data(), header.size());
    if (s)
        s = memo->file_->sync();
    if (!s)
        return s;
    memo->fileSize_ = kHeaderSize;
    *out = std::move(memo);
    return Status::ok();
}

std::uint32_t FptMemoFile::firstDataBlock() const
{
    return static_cast<std::uint32_t>((kHeaderSize + blockSize_ - 1) / blockSize_);
}

std::uint32_t FptMemoFile::blocksFor(std::uint64_t length) const
{
    return static_cast<std::uint32_t>((length + blockSize_ - 1) / blockSize_);
}

Status FptMemoFile::readMemoHeader(std::uint32_t block, std::uint32_t* length)
{
    const std::string where = path_ + ": memo block " + std::to_string(block);
    if (block < firstDataBlock())
        return Status::corruption(where + " lies inside the file header");
    const std::uint64_t offset = std::uint64_t{block} * blockSize_;
    if (offset + kMemoHeaderSize > fileSize_) {
        Status s = file_->size(&fileSize_); // another user may have added memos
        if (!s)
            return s;
        if (offset + kMemoHeaderSize > fileSize_)
            return Status::corruption(where + " is beyond the end of the file");
    }
    unsigned char head[kMemoHeaderSize];
    Status s = file_->readExact(offset, head, kMemoHeaderSize, "a memo header");
    if (!s)
        return Status::corruption(where + ": " + s.message());
    *length = bytes::getBe32(head + 4);
    if (offset + kMemoHeaderSize + *length > fileSize_)
        return Status::corruption(where + " claims " + std::to_string(*length) + " bytes, more than the file holds");
    return Status::ok();
}

Status FptMemoFile::read(std::uint32_t block, std::string* text)
{
    std::uint32_t length = 0;
    Status s = readMemoHeader(block, &length);
    if (!s)
        return s;
    std::string data(length, '\0');
    s = file_->readExact(std::uint64_t{block} * blockSize_ + kMemoHeaderSize, data.data(), length, "a memo");
    if (!s)
        return Status::corruption(path_ + ": " + s.message());
    *text = std::move(data);
    return Status::ok();
}

Status FptMemoFile::writeAt(std::uint32_t block, std::string_view text)
{
    // Written up to the end of its last block, so that the next memo starts
    // on a block boundary even when this one is the last in the file.
    const std::size_t total = std::size_t{blocksFor(kMemoHeaderSize + text.size())} * blockSize_;
    unsigned char head[kMemoHeaderSize];
    bytes::putBe32(head, kTextMemo);
    bytes::putBe32(head + 4, static_cast<std::uint32_t>(text.size()));
    std::vector<unsigned char> buf;
    buf.reserve(total);
    buf.insert(buf.end(), std::begin(head), std::end(head));
    buf.insert(buf.end(), text.begin(), text.end());
    buf.resize(total, 0);
    const std::uint64_t offset = std::uint64_t{block} * blockSize_;
    Status s = file_->writeAt(offset, buf.data(), buf.size());
    if (s)
        fileSize_ = std::max(fileSize_, offset + buf.size());
    return s;
}

Status FptMemoFile::writeNextFree()
{
    unsigned char head[4];
    bytes::putBe32(head, nextFree_);
    return file_->writeAt(0, head, sizeof head);
}

Status FptMemoFile::fitsInPlace(std::uint32_t oldBlock, std::string_view text, bool* fits)
{
    *fits = false;
    std::uint32_t oldLength = 0;
    if (oldBlock == 0 || !readMemoHeader(oldBlock, &oldLength))
        return Status::ok(); // a damaged old memo is left alone, never overwritten
    *fits = blocksFor(kMemoHeaderSize + text.size()) <= blocksFor(kMemoHeaderSize + std::uint64_t{oldLength});
    return Status::ok();
}

Status FptMemoFile::write(std::uint32_t oldBlock, std::string_view text, std::uint32_t* block, MemoSync sync)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - kMemoHeaderSize)
        return Status::invalidArgument("a memo is limited to 4 GB");
    const bool durable = sync == MemoSync::Now;
    bool inPlace = false;
    Status s = fitsInPlace(oldBlock, text, &inPlace);
    if (inPlace) {
        s = writeAt(oldBlock, text);
        if (s && durable)
            s = file_->sync();
        if (s)
            *block = oldBlock;
        return s;
    }
    HeaderLock lock(*file_, shared_);
    s = lock.acquire();
    if (s)
        s = file_->size(&fileSize_); // other users may have added memos
    if (s)
        s = append(text, block);
    if (s && durable)
        s = flush();
    return s;
}

Status FptMemoFile::append(std::string_view text, std::uint32_t* block)
{
    // New memos go after the last byte of the file, not to the header's
    // next-free block: a stale or damaged header must never send a new memo
    // over one that records still point to. In a sound file both agree.
    const std::uint64_t endBlock = (fileSize_ + blockSize_ - 1) / blockSize_;
    if (endBlock > std::numeric_limits<std::uint32_t>::max())
        return Status::ioError(path_ + ": the memo file is full");
    const std::uint32_t start = std::max(static_cast<std::uint32_t>(endBlock), firstDataBlock());
    const std::uint32_t blocks = blocksFor(kMemoHeaderSize + text.size());
    if (std::uint64_t{start} + blocks > std::numeric_limits<std::uint32_t>::max())
        return Status::ioError(path_ + ": the memo file is full");
    Status s = writeAt(start, text);
    if (!s)
        return s;
    nextFree_ = start + blocks;
    *block = start;
    return Status::ok();
}

Status FptMemoFile::flush()
{
    // One sync covers the data and the header's next-free block: a header
    // that got to disk ahead of the data it points past is harmless, since
    // new memos are placed after the end of the file, never by the header,
    // and no record points at the memos until after this sync.
    Status s = writeNextFree();
    if (s)
        s = file_->sync();
    return s;
}

Status FptMemoFile::clear()
{
    nextFree_ = firstDataBlock();
    Status s = writeNextFree();
    if (s)
        s = file_->sync();
    if (s)
        s = file_->truncate(kHeaderSize);
    if (s)
        s = file_->sync();
    if (s)
        fileSize_ = kHeaderSize;
    return s;
}

} // namespace xbase::dbf
