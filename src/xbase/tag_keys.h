#pragma once

#include "xbase/cdx/index_file.h"
#include "xbase/expr/expression.h"

#include <memory>
#include <optional>
#include <string>

namespace xbase {

// One index order, compiled: its stored description and the expressions that
// turn a record into the order's key.
class TagKeys {
public:
    // InvalidArgument when the key or FOR expression does not compile
    // against the table's fields.
    static Status compile(const TagInfo& info, const Schema& schema, TagKeys* out);

    // The record's key in the index's byte form, or nothing when the tag's
    // FOR condition leaves the record out.
    std::optional<std::string> keyOf(const RecordSource& rec) const;
    // Turns typed seek text into key bytes: character text as it is,
    // numbers and dates ("YYYYMMDD") into their encodings.
    Status seekKey(std::string_view text, std::string* key) const;

    const TagInfo& info() const { return info_; }
    const Expression& keyExpression() const { return *key_; }
    bool hasCondition() const { return for_ != nullptr; }
    // False when the expressions did not compile; such an order only lists.
    bool usable() const { return key_ != nullptr; }

private:
    TagInfo info_;
    std::shared_ptr<Expression> key_;
    std::shared_ptr<Expression> for_;
};

// The key description of a new tag from its compiled key expression.
TagInfo describeTag(const std::string& name, const Expression& key, const std::string& forExpression);

// Encodes an evaluated key value.
std::string encodeKey(const Value& value, KeyType type, int keyLength);

} // namespace xbase
