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

bool plainOrder(const TagKeys& order, KeyType type)
{
    return order.usable() && order.info().keyType == type && !order.info().descending && !order.hasCondition();
}

// The best key range among the prefix terms.
void choosePrefixRange(const Expression& filter, const std::vector<const TagKeys*>& orders, QueryPlan* plan)
{
    for (const Expression::PrefixTerm& term : filter.prefixTerms()) {
        for (std::size_t i = 0; i < orders.size(); ++i) {
            if (!plainOrder(*orders[i], KeyType::Character))
                continue;
            const int width = leadingWidth(orders[i]->keyExpression(), term.keyCanonical);
            if (width < 0 || static_cast<int>(term.literal.size()) > width)
                continue;
            if (plan->order < 0 || term.literal.size() > plan->prefix.size()) {
                plan->order = static_cast<int>(i);
                plan->prefix = term.literal;
            }
        }
    }
}

std::string canonicalOf(const std::string& text, const Schema& schema)
{
    std::unique_ptr<Expression> e;
    return Expression::compile(text, schema, &e) ? e->canonical() : std::string();
}

// Whether a logical order answers the part; fills the term when it does.
bool logicalTermFor(const std::string& part, const Schema& schema, const std::vector<const TagKeys*>& orders,
                    LogicalTerm* term)
{
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (!plainOrder(*orders[i], KeyType::Logical))
            continue;
        const Expression& key = orders[i]->keyExpression();
        if (part == key.canonical()) {
            *term = {static_cast<int>(i), 'T'};
            return true;
        }
        if (part == canonicalOf(".NOT.(" + key.text() + ")", schema)) {
            *term = {static_cast<int>(i), 'F'};
            return true;
        }
    }
    return false;
}

bool isChosenPrefixPart(const std::string& part, const Schema& schema, const QueryPlan& plan,
                        const std::vector<const TagKeys*>& orders)
{
    std::unique_ptr<Expression> e;
    if (plan.order < 0 || !Expression::compile(part, schema, &e))
        return false;
    const std::vector<Expression::PrefixTerm> terms = e->prefixTerms();
    if (terms.size() != 1 || terms[0].exactMatch || terms[0].literal != plan.prefix)
        return false;
    // A value shorter than its width (TRIM and the like) is padded in the
    // key, so a literal ending in blanks may find keys whose value does not
    // begin with it: then only the records can say.
    if (!plan.prefix.empty() && plan.prefix.back() == ' ')
        return false;
    const int width = leadingWidth(orders[static_cast<std::size_t>(plan.order)]->keyExpression(), terms[0].keyCanonical);
    return width >= static_cast<int>(plan.prefix.size());
}

int findDeletedOrder(const Schema& schema, const std::vector<const TagKeys*>& orders)
{
    LogicalTerm term;
    if (logicalTermFor(canonicalOf("DELETED()", schema), schema, orders, &term) && term.required == 'T')
        return term.order;
    return -1;
}

} // namespace

std::vector<std::string> splitConjuncts(const std::string& canonical)
{
    std::vector<std::string> parts;
    int depth = 0;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < canonical.size(); ++i) {
        const char c = canonical[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'' || c == '[') {
            quote = c == '[' ? ']' : c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (depth == 0 && canonical.compare(i, 4, ".OR.") == 0) {
            return {canonical};
        } else if (depth == 0 && canonical.compare(i, 5, ".AND.") == 0) {
            parts.push_back(canonical.substr(start, i - start));
            start = i + 5;
            i += 4;
        }
    }
    parts.push_back(canonical.substr(start));
    return parts;
}

QueryPlan planQuery(const Expression& filter, const Schema& schema, const std::vector<const TagKeys*>& orders)
{
    QueryPlan plan;
    choosePrefixRange(filter, orders, &plan);
    plan.complete = true;
    for (const std::string& part : splitConjuncts(filter.canonical())) {
        LogicalTerm term;
        if (isChosenPrefixPart(part, schema, plan, orders))
            continue;
        if (logicalTermFor(part, schema, orders, &term))
            plan.logicalTerms.push_back(term);
        else
            plan.complete = false;
    }
    plan.deletedOrder = findDeletedOrder(schema, orders);
    return plan;
}

} // namespace xbase
