#pragma once

#include "xbase/tag_keys.h"

#include <string>
#include <vector>

namespace xbase {

// How a query can be answered: from one order's key range (every record the
// filter selects has a key beginning with `prefix` in that order), or, when
// `order` is -1, only by reading every record.
struct QueryPlan {
    int order = -1;
    std::string prefix;
    bool usesIndex() const { return order >= 0; }
};

// Looks for a prefix term of the filter ("<expr> = literal" among its
// top-level .AND. parts) whose expression an ascending, unconditional
// character order's key begins with. The literal must fit inside that
// leading part: a longer one could match values the key cuts off. The
// longest usable literal wins, as it names the narrowest range.
QueryPlan planQuery(const Expression& filter, const std::vector<const TagKeys*>& orders);

} // namespace xbase
