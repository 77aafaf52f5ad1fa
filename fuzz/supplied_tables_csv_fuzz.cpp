// Feeds any bytes to the reader of the supplied comma-separated tables:
// reading must not crash, and a table it accepts has as many values in
// every row as its header names, on increasing line numbers.

#include "store/supplied_tables_csv.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quorvel::TCsvTable table;
    if (quorvel::parseCsvTable(bytes, &table))
        return 0;
    if (table.header.isEmpty())
        std::abort();
    int previousLine = 0;
    for (const quorvel::TCsvRow& row : table.rows) {
        if (row.values.size() != table.header.size() || row.line <= previousLine)
            std::abort();
        previousLine = row.line;
    }
    return 0;
}
