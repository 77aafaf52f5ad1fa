#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xbase {

// One field of a table as the engine sees it. Offsets count from the start of
// the record buffer, whose byte 0 is the deletion flag ('*' or ' ').
struct FieldInfo {
    std::string name; // upper case, at most 10 characters
    char type = 'C';  // C, N, F, L, D, M and, read only, the other xBase types
    int width = 0;
    int decimals = 0;
    int offset = 0;
};

using Schema = std::vector<FieldInfo>;

// Case-insensitive lookup of a field by name; -1 when the table has none.
int findField(const Schema& schema, const std::string& name);

// The current record, as expressions and index keys read it. Character data
// is the table's own bytes (Windows-1252); nothing here converts text.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual const Schema& schema() const = 0;
    // The raw record: deletion flag, then the fields at their offsets.
    virtual const unsigned char* recordBuffer() const = 0;
    virtual std::uint32_t recordNumber() const = 0;
    // The text of a memo field of the current record; empty when it has none.
    virtual std::string memoText(int fieldIndex) const = 0;
};

} // namespace xbase
