#pragma once

#include "xbase/core/record.h"
#include "xbase/expr/expression.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace expr_test {

// A record held in memory: the schema's fields laid out after the deletion
// flag, set from text the way a table stores them.
class MemoryRecord : public xbase::RecordSource {
public:
    explicit MemoryRecord(xbase::Schema fields);

    // C: padded with blanks or cut; N/F: right-aligned with the field's
    // decimals; D: "YYYYMMDD" as given; L: the first character; M: the memo text.
    MemoryRecord& set(const std::string& field, std::string_view value);
    MemoryRecord& setNumber(const std::string& field, double value);
    MemoryRecord& setDeleted(bool deleted);
    MemoryRecord& setRecordNumber(std::uint32_t recno);
    void clear(); // all blanks, not deleted

    const xbase::Schema& schema() const override { return schema_; }
    const unsigned char* recordBuffer() const override { return buffer_.data(); }
    std::uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int fieldIndex) const override;

private:
    const xbase::FieldInfo& field(const std::string& name) const;

    xbase::Schema schema_;
    std::vector<unsigned char> buffer_;
    std::map<int, std::string> memos_;
    std::uint32_t recno_ = 1;
};

// The 23 fields of an address file at their default widths.
xbase::Schema addressSchema();
// A few fields of every other type the language reads.
xbase::Schema mixedSchema();

// Compiles or fails the test; never returns null.
std::unique_ptr<xbase::Expression> compiled(std::string_view text, const xbase::Schema& schema);
// The message of a refused compile, or "compiled" when it was accepted.
std::string compileError(std::string_view text, const xbase::Schema& schema);

} // namespace expr_test
