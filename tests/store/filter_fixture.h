#pragma once

#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace filter_test {

// One address record by field name (Windows-1252 values); fields left out
// stay blank. "ISDEL" = "T" marks a record deleted the way the main window
// does: ISDEL true and the deletion flag set.
using Row = std::map<std::string, std::string>;

// A small address file with the 23 stored fields and the tags the filter,
// search and tagging code use (LNAME, CITY, DATE, TAG), opened exclusively.
class AddressTable {
public:
    AddressTable(const testing_support::TempDir& dir, const std::vector<Row>& rows);

    xbase::TApollo& table() { return table_; }
    xbase::TApolloEnv& env() { return env_; }
    const std::string& path() const { return path_; }

    // The last names of the records the query selects, in the current order.
    std::vector<std::string> lastNames();
    std::string field(const std::string& name) const { return table_.sx_GetString(name); }
    // Makes the named order current; fails the test when it is missing.
    void setOrder(const std::string& tag);
    // Goes to the first record whose last name is `name`, whatever the query.
    void goToName(const std::string& name);

private:
    xbase::TApolloEnv env_;
    xbase::TApollo table_{env_};
    std::string path_;
};

inline const QString kTagId = QStringLiteral("VK0GYQV");

} // namespace filter_test
