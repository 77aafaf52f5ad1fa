// Fuzz target: a DBF table from outside. Opens the bytes as a table, reads
// every record and field, then packs and copies it, as an import or a
// maintenance run would.

#include "xbase/dbf/dbf_table.h"
#include "xbase/dbf/field_codec.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A folder of this process's own, removed at exit.
struct Scratch {
    Scratch() : dir(std::filesystem::temp_directory_path() / ("quorvel-fuzz-dbf-" + std::to_string(::getpid())))
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

void readEverything(xbase::DbfTable& table)
{
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    for (std::uint32_t r = 1; r <= table.recordCount(); ++r) {
        if (!table.readRecord(r, rec.data()))
            return;
        for (const xbase::FieldInfo& f : table.schema())
            xbase::fieldText(rec.data(), f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Scratch scratch;
    const std::filesystem::path& dir = scratch.dir;
    const std::string path = (dir / "input.dbf").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::unique_ptr<xbase::DbfTable> table;
    if (xbase::DbfTable::open(path, xbase::OpenMode::ReadOnly, &table)) {
        readEverything(*table);
        table.reset();
    }
    if (xbase::DbfTable::open(path, xbase::OpenMode::Exclusive, &table)) {
        table->copyStructure((dir / "copy.dbf").string());
        table->pack([](int) { return true; });
        readEverything(*table);
    }
    return 0;
}
