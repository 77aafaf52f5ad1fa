#pragma once

#include "xbase/tag_keys.h"

#include <string>
#include <vector>

namespace xbase {

// A logical order whose key must equal `required` ("T" or "F") for a record
// to match: "!ISDEL" answered by a tag on "!ISDEL" (needs "T") or on
// "ISDEL" (needs "F").
struct LogicalTerm {
    int order = -1;
    char required = 'T';
};

// How a query can be answered from the open orders. Records outside the
// plan's candidates can never match; when `complete`, the candidates are
// exactly the matches (with SET EXACT off, and leaving the deletion flag
// aside), so counting them needs no record at all.
struct QueryPlan {
    int order = -1;     // the order whose key range [prefix] holds every match; -1: none
    std::string prefix;
    std::vector<LogicalTerm> logicalTerms;
    int deletedOrder = -1; // an order on DELETED(), for the deleted setting
    bool complete = false;
    bool usesIndex() const { return order >= 0 || !logicalTerms.empty(); }
};

// Plans a filter over the given orders. It is split into its top-level
// .AND. parts; a part "<expr> = literal" is answered by an ascending,
// unconditional character order whose key begins with <expr> (the literal
// must fit inside that leading part: a longer one could match values the
// key cuts off; the longest usable literal wins, as it names the narrowest
// range); a logical part is answered by a logical order on the same
// expression or on its negation.
QueryPlan planQuery(const Expression& filter, const Schema& schema, const std::vector<const TagKeys*>& orders);

// The top-level .AND. parts of a canonical expression text; the whole text
// when its top level is an .OR.
std::vector<std::string> splitConjuncts(const std::string& canonical);

} // namespace xbase
