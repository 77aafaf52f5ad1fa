#include "xbase/dbf/table_packer.h"

#include "xbase/dbf/field_codec.h"
#include "xbase/dbf/pack_files.h"

#include <algorithm>

namespace xbase::dbf {
namespace {

constexpr std::size_t kChunkBytes = 256 * 1024;
constexpr unsigned char kDeleted = '*';

} // namespace

Status TablePacker::run(const std::function<bool(int percent)>& progress)
{
    Status s = createTargets();
    if (s)
        s = copyRecords(progress);
    if (s)
        s = finish();
    if (s && !progress(100))
        s = Status::invalidArgument("pack cancelled; " + source_.tablePath + " is unchanged");
    if (!s) {
        table_.reset();
        memo_.reset();
        discardPack(source_.tablePath, source_.memoPath);
    }
    return s;
}

Status TablePacker::createTargets()
{
    // The memo temporary is created first: see pack_files.h for why the
    // order of the temporaries matters.
    Status s;
    if (!source_.memoPath.empty())
        s = createMemoFile(packTempPath(source_.memoPath), MemoKind::Fpt, &memo_);
    if (s)
        s = createFile(packTempPath(source_.tablePath), &table_);
    if (!s)
        return s;
    header_.resize(source_.layout->header.headerLength);
    s = source_.table->readExact(0, header_.data(), header_.size(), "the table header");
    if (s)
        s = table_->writeAt(0, header_.data(), header_.size());
    writeOffset_ = header_.size();
    return s;
}

Status TablePacker::copyRecords(const std::function<bool(int percent)>& progress)
{
    const std::size_t recordLength = source_.layout->header.recordLength;
    const std::uint32_t perChunk = static_cast<std::uint32_t>(std::max<std::size_t>(1, kChunkBytes / recordLength));
    std::vector<unsigned char> chunk(perChunk * recordLength);
    int lastPercent = 0;
    if (!progress(0))
        return Status::invalidArgument("pack cancelled; " + source_.tablePath + " is unchanged");
    for (std::uint32_t done = 0; done < source_.count;) {
        const std::uint32_t n = std::min(perChunk, source_.count - done);
        const std::uint64_t offset = source_.layout->header.headerLength + std::uint64_t{done} * recordLength;
        Status s = source_.table->readExact(offset, chunk.data(), std::size_t{n} * recordLength, "its records");
        if (s)
            s = copyChunk(chunk.data(), n);
        if (!s)
            return s;
        done += n;
        const int percent = static_cast<int>(std::uint64_t{done} * 100 / source_.count);
        if (percent != lastPercent && percent < 100 && !progress(percent))
            return Status::invalidArgument("pack cancelled; " + source_.tablePath + " is unchanged");
        lastPercent = percent;
    }
    return flushOutput();
}

Status TablePacker::copyChunk(const unsigned char* records, std::uint32_t n)
{
    const std::size_t recordLength = source_.layout->header.recordLength;
    for (std::uint32_t i = 0; i < n; ++i) {
        const unsigned char* rec = records + std::size_t{i} * recordLength;
        if (rec[0] == kDeleted)
            continue;
        const std::size_t at = pending_.size();
        pending_.insert(pending_.end(), rec, rec + recordLength);
        Status s = moveMemos(pending_.data() + at);
        if (s && pending_.size() >= kChunkBytes)
            s = flushOutput();
        if (!s)
            return s;
        ++kept_;
    }
    return Status::ok();
}

Status TablePacker::moveMemos(unsigned char* rec)
{
    if (!memo_)
        return Status::ok();
    for (const FieldInfo& f : source_.layout->schema) {
        std::uint32_t block = 0;
        if (!isMemoField(f) || !memoBlock(rec, f, &block) || block == 0)
            continue;
        std::string text;
        Status s = source_.memo->read(block, &text);
        if (s)
            s = memo_->append(text, &block);
        if (!s)
            return s;
        putMemoBlock(rec, f, block);
    }
    return Status::ok();
}

Status TablePacker::flushOutput()
{
    Status s = table_->writeAt(writeOffset_, pending_.data(), pending_.size());
    writeOffset_ += pending_.size();
    pending_.clear();
    return s;
}

Status TablePacker::finish()
{
    DbfHeader h = source_.layout->header;
    h.recordCount = kept_;
    stampToday(&h);
    const auto head = encodeHeader(h);
    Status s = table_->writeAt(writeOffset_, &kEndOfData, 1);
    if (s)
        s = table_->truncate(writeOffset_ + 1);
    if (s)
        s = table_->writeAt(kDateAndCountOffset, head.data() + kDateAndCountOffset, kDateAndCountSize);
    if (s)
        s = table_->sync();
    if (s && memo_)
        s = memo_->flush();
    return s;
}

} // namespace xbase::dbf
