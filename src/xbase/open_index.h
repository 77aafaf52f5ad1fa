#pragma once

#include "xbase/tag_keys.h"

#include <memory>
#include <string>
#include <vector>

namespace xbase {

// An index file open on a work area with its orders compiled. An order whose
// expression does not compile stays listed (so the file can still be read
// in other orders) but is marked, and writes to the table are refused while
// it is open: they could not keep it current.
struct OpenIndex {
    std::string path;
    bool structural = false;
    std::unique_ptr<IndexFile> file;
    std::vector<TagKeys> orders;
    std::string unusable; // why some order cannot be kept current; empty when all can
    // The file carried the stale mark when it was opened: a session that
    // changed the table ended without closing it, so its tags may not match
    // the records until they are rebuilt.
    bool suspect = false;
    // The stale mark is on the disk (set by this session or found there).
    bool marked = false;

    // Compiles every tag of `file` against the table's fields.
    void compileOrders(const Schema& schema);
};

// The structural index of a table, found next to it whatever the letter case
// of its name ("add0001.DBF" finds "ADD0001.cdx"); empty when none exists.
std::string findStructuralIndex(const std::string& tablePath);
// The path a new structural index gets: the table's base name with ".CDX"
// (".cdx" when the table's own extension is lower case).
std::string structuralIndexPathFor(const std::string& tablePath);

} // namespace xbase
