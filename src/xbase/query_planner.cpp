#include "xbase/query_planner.h"

namespace xbase {

namespace {

// The width of the key's leading parts that together read as `canonical`,
// or -1 when the key does not begin with that expression.
int leadingWidth(const Expression& key, const std::string& canonical)
{
    if (key.canonical() == canonical)
        return key.width();
    std::string joined;
    int width = 0;
    for (const Expression::Part& part : key.concatenationParts()) {
        joined += (joined.empty() ? "" : "+") + part.canonical;
        width += part.width;
        if (joined == canonical)
            return width;
        if (joined.size() >= canonical.size())
            break;
    }
    return -1;
}

bool answersRanges(const TagKeys& order)
{
    const TagInfo& info = order.info();
    return order.usable() && info.keyType == KeyType::Character && !info.descending && !order.hasCondition();
}

} // namespace

QueryPlan planQuery(const Expression& filter, const std::vector<const TagKeys*>& orders)
{
    QueryPlan best;
    bool found = false;
    for (const Expression::PrefixTerm& term : filter.prefixTerms()) {
        for (std::size_t i = 0; i < orders.size(); ++i) {
            if (!answersRanges(*orders[i]))
                continue;
            const int width = leadingWidth(orders[i]->keyExpression(), term.keyCanonical);
            if (width < 0 || static_cast<int>(term.literal.size()) > width)
                continue;
            if (!found || term.literal.size() > best.prefix.size()) {
                best = {static_cast<int>(i), term.literal};
                found = true;
            }
        }
    }
    return best;
}

} // namespace xbase
