#pragma once

#include "xbase/apollo.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel::cli {

struct TagDefinition {
    std::string name;
    std::string keyExpression;
};

// Names the tags a kind of table must carry, whatever its index file holds
// (or when it has none): the address-file code registers one that answers
// with the 26 address tags for a table with the address layout. A source
// answers with an empty list for tables it does not know.
using TagSource = std::function<std::vector<TagDefinition>(xbase::TApollo& table)>;

void registerTagSource(TagSource source);
// The first non-empty answer of the registered sources.
std::vector<TagDefinition> requiredTags(xbase::TApollo& table);

} // namespace quorvel::cli
