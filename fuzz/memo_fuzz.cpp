// Fuzz target: a memo file from outside. The first input byte chooses the
// kind (FPT, dBase III DBT, dBase IV DBT), the next four a block number; the
// rest is the memo file. A fixed table points at blocks 1 to 16 and at the
// chosen one; every memo is read, and an FPT also gets a memo rewritten.

#include "xbase/dbf/dbf_table.h"
#include "xbase/dbf/field_codec.h"

#include "xbase/core/bytes.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kPrefix = 5;
constexpr std::uint32_t kFixedBlocks = 16;

// A folder of this process's own, removed at exit.
struct Scratch {
    Scratch() : dir(std::filesystem::temp_directory_path() / ("quorvel-fuzz-memo-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(dir);
    }
    ~Scratch()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
};

void writeBytes(const std::filesystem::path& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The table's bytes, built once: record n points at block n, the last
// record at the block chosen by the input (patched in per input).
struct TableTemplate {
    std::vector<unsigned char> bytes;
    xbase::FieldInfo field;
    std::size_t lastRecord = 0;
};

TableTemplate makeTemplate(const std::filesystem::path& dir)
{
    TableTemplate t;
    const std::string path = (dir / "template.dbf").string();
    std::unique_ptr<xbase::DbfTable> table;
    if (!xbase::DbfTable::create(path, {{"NOTES", 'M', 10, 0, 0}}, {}, &table))
        return t;
    t.field = table->schema()[0];
    const std::size_t length = static_cast<std::size_t>(table->recordLength());
    std::vector<unsigned char> records((kFixedBlocks + 1) * length);
    for (std::uint32_t block = 1; block <= kFixedBlocks + 1; ++block) {
        table->blankRecord(&records[(block - 1) * length]);
        xbase::dbf::putMemoBlock(&records[(block - 1) * length], t.field, block);
    }
    std::uint32_t first = 0;
    if (!table->appendRecords(records.data(), kFixedBlocks + 1, &first))
        return t;
    table.reset();
    std::unique_ptr<xbase::File> file;
    std::uint64_t size = 0;
    if (!xbase::openFile(path, xbase::OpenMode::ReadOnly, &file) || !file->size(&size))
        return t;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!file->readExact(0, bytes.data(), bytes.size(), "the template"))
        return t;
    t.bytes = std::move(bytes);
    t.lastRecord = t.bytes.size() - 1 - length;
    return t;
}

void readAndRewrite(const std::string& path, bool rewrite)
{
    std::unique_ptr<xbase::DbfTable> table;
    if (!xbase::DbfTable::open(path, xbase::OpenMode::Exclusive, &table))
        return;
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    std::string text;
    for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
        if (!table->readRecord(r, rec.data()))
            return;
        table->readMemo(rec.data(), 0, &text);
        if (rewrite && r == 1 && table->writeMemo(rec.data(), 0, "rewritten"))
            table->writeRecord(r, rec.data());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Scratch scratch;
    static const TableTemplate tableTemplate = makeTemplate(scratch.dir);
    if (size < kPrefix || tableTemplate.bytes.empty())
        return 0;
    static constexpr unsigned char kVersions[] = {0xF5, 0x83, 0x8B};
    static constexpr const char* kMemoNames[] = {"input.fpt", "input.dbt", "input.dbt"};
    const std::size_t kind = data[0] % 3;

    std::vector<unsigned char> table = tableTemplate.bytes;
    table[0] = kVersions[kind];
    xbase::dbf::putMemoBlock(&table[tableTemplate.lastRecord], tableTemplate.field, xbase::bytes::getLe32(data + 1));
    std::filesystem::remove(scratch.dir / "input.fpt");
    std::filesystem::remove(scratch.dir / "input.dbt");
    writeBytes(scratch.dir / "input.dbf", table.data(), table.size());
    writeBytes(scratch.dir / kMemoNames[kind], data + kPrefix, size - kPrefix);
    readAndRewrite((scratch.dir / "input.dbf").string(), kind == 0);
    return 0;
}
