#pragma once

#include "xbase/dbf/memo_file.h"

namespace xbase::dbf {

// dBase memo file, read for imports. dBase III: 512-byte blocks, a memo's
// text runs until 0x1A. dBase IV: block size at offset 20 of the header;
// a memo block starts FF FF 08 00 and a little-endian length that counts
// those 8 bytes. Writing memos is not offered; the file can be emptied.
class DbtMemoFile final : public MemoFile {
public:
    static Status open(std::unique_ptr<File> file, const std::string& path, MemoKind kind, std::unique_ptr<MemoFile>* out);
    static Status create(std::unique_ptr<File> file, const std::string& path, MemoKind kind, std::uint16_t blockSize,
                         std::unique_ptr<MemoFile>* out);

    Status read(std::uint32_t block, std::string* text) override;
    Status write(std::uint32_t oldBlock, std::string_view text, std::uint32_t* block, MemoSync sync) override;
    Status append(std::string_view text, std::uint32_t* block) override;
    Status flush() override;
    Status clear() override;

private:
    DbtMemoFile(std::unique_ptr<File> file, std::string path, MemoKind kind, std::uint32_t blockSize);

    Status readCounted(std::uint64_t offset, std::uint32_t block, std::string* text);
    Status readTerminated(std::uint64_t offset, std::string* text);
    Status writeHeader();

    MemoKind kind_;
    std::uint32_t blockSize_;
    std::uint64_t fileSize_ = 0;
};

} // namespace xbase::dbf
