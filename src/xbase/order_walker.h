#pragma once

#include "xbase/candidate_set.h"
#include "xbase/cdx/index_file.h"
#include "xbase/dbf/dbf_table.h"

#include <memory>
#include <string>
#include <vector>

namespace xbase {

// Limits on the keys of an order, each compared over its own length: a key
// is inside when its leading bytes are >= every low bound and <= every high
// bound. Scopes and a query's prefix range both become bounds.
struct KeyBounds {
    std::vector<std::string> low;
    std::vector<std::string> high;
    bool contains(std::string_view key) const;
};

// Steps through the entries of one order (an index tag or record number
// order), staying inside its bounds and, when given, its candidate records.
// Knows nothing of deleted records or filters: the work area judges those.
class OrderWalker {
public:
    OrderWalker(DbfTable& table, const CandidateSet* candidates);
    OrderWalker(std::unique_ptr<IndexCursor> cursor, KeyBounds bounds, const CandidateSet* candidates);

    bool first();
    bool last();
    bool next();
    bool prev();
    // The first acceptable entry at or after `key` (compared over key.size()
    // bytes when `prefix`); false when there is none.
    bool seek(std::string_view key, bool prefix);
    // Places the walker on exactly this record's entry.
    bool moveTo(std::uint32_t recno, const std::string& key);

    bool valid() const { return valid_; }
    std::uint32_t recno() const { return recno_; }
    bool ordered() const { return cursor_ != nullptr; }
    // The entry's key; empty in record number order.
    std::string_view key() const { return cursor_ && valid_ ? cursor_->key() : std::string_view(); }
    Status status() const;

private:
    bool settle(bool forward);
    bool accept();
    bool stepNatural(bool forward);

    DbfTable* table_ = nullptr; // natural order only
    std::unique_ptr<IndexCursor> cursor_;
    KeyBounds bounds_;
    const CandidateSet* candidates_;
    std::uint32_t recno_ = 0;
    bool valid_ = false;
};

} // namespace xbase
