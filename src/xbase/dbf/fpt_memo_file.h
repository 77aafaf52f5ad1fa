#pragma once

#include "xbase/dbf/memo_file.h"

namespace xbase::dbf {

// FoxPro memo file: a 512-byte header (next free block, big-endian u32 at
// 0; block size, big-endian u16 at 6), then blocks. Each memo starts on a
// block with its type and length (big-endian u32 each) before the data.
class FptMemoFile final : public MemoFile {
public:
    static constexpr std::size_t kHeaderSize = 512;
    static constexpr std::uint16_t kDefaultBlockSize = 64;

    static Status open(std::unique_ptr<File> file, const std::string& path, OpenMode mode, std::unique_ptr<MemoFile>* out);
    static Status create(std::unique_ptr<File> file, const std::string& path, std::uint16_t blockSize,
                         std::unique_ptr<MemoFile>* out);

    std::uint16_t blockSize() const { return blockSize_; }

    Status read(std::uint32_t block, std::string* text) override;
    Status write(std::uint32_t oldBlock, std::string_view text, std::uint32_t* block, MemoSync sync) override;
    Status append(std::string_view text, std::uint32_t* block) override;
    Status flush() override;
    Status clear() override;

private:
    FptMemoFile(std::unique_ptr<File> file, std::string path, std::uint16_t blockSize, bool shared);

    std::uint32_t firstDataBlock() const;
    std::uint32_t blocksFor(std::uint64_t length) const;
    Status readMemoHeader(std::uint32_t block, std::uint32_t* length);
    Status writeAt(std::uint32_t block, std::string_view text);
    Status writeNextFree();
    Status fitsInPlace(std::uint32_t oldBlock, std::string_view text, bool* fits);

    std::uint16_t blockSize_;
    bool shared_;
    std::uint32_t nextFree_ = 0;
    std::uint64_t fileSize_ = 0;
};

} // namespace xbase::dbf
