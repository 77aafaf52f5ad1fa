// The query of a work area and the checks that read every record.
#include "xbase/work_area.h"

#include "xbase/dbf/calendar.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace xbase {

Status WorkArea::setQuery(std::string_view expression)
{
    Status s = commit();
    if (!s)
        return s;
    std::unique_ptr<Expression> compiled;
    if (!expression.empty()) {
        s = Expression::compile(expression, schema(), &compiled);
        if (!s)
            return s;
        if (compiled->type() != ValueType::Logical)
            return Status::invalidArgument("a query must be a condition: " + std::string(expression));
    }
    query_ = std::move(compiled);
    queryText_ = std::string(expression);
    s = refreshCandidates();
    resetWalker();
    return s;
}

// Builds the candidates of the plan: the records of its key range (or all),
// less those whose logical keys rule them out.
Status WorkArea::refreshCandidates()
{
    candidates_.reset();
    plan_ = {};
    if (!query_ || !settings_.optimizeQueries)
        return Status::ok();
    plan_ = planQuery(*query_, schema(), allOrders());
    if (!plan_.usesIndex())
        return Status::ok();
    auto candidates = std::make_unique<CandidateSet>(table_->recordCount(), plan_.order < 0);
    Status s = plan_.order < 0 ? Status::ok()
                               : walkKeyRange(plan_.order, plan_.prefix, [&](std::uint32_t r) { candidates->add(r); });
    for (std::size_t i = 0; s && i < plan_.logicalTerms.size(); ++i) {
        const LogicalTerm& term = plan_.logicalTerms[i];
        const std::string other(1, term.required == 'T' ? 'F' : 'T');
        s = walkKeyRange(term.order, other, [&](std::uint32_t r) { candidates->remove(r); });
    }
    if (!s) {
        plan_ = {};
        return s;
    }
    candidates_ = std::move(candidates);
    return Status::ok();
}

Status WorkArea::walkKeyRange(int order, const std::string& prefix, const std::function<void(std::uint32_t)>& visit) const
{
    std::unique_ptr<IndexCursor> cursor = cursorFor(order);
    for (bool more = cursor->seek(prefix, true); more || cursor->valid(); more = cursor->next()) {
        if (!cursor->valid() || cursor->key().substr(0, prefix.size()) != prefix)
            break;
        visit(cursor->recno());
    }
    return cursor->status();
}

// After a commit: whether the record now belongs to the candidates, from
// its own keys, so that they stay exact without walking the index again.
void WorkArea::updateCandidate()
{
    if (!candidates_)
        return;
    bool in = true;
    if (plan_.order >= 0) {
        const std::optional<std::string> key = orderKeys(plan_.order).keyOf(*buffer_);
        in = key && key->compare(0, plan_.prefix.size(), plan_.prefix) == 0;
    }
    for (const LogicalTerm& term : plan_.logicalTerms) {
        const std::optional<std::string> key = orderKeys(term.order).keyOf(*buffer_);
        in = in && key && !key->empty() && (*key)[0] == term.required;
    }
    if (in)
        candidates_->add(recNo());
    else
        candidates_->remove(recNo());
}

// When the orders alone decide the query, counting reads no record.
bool WorkArea::countFromIndexes(std::uint32_t* count) const
{
    const bool decided = candidates_ && plan_.complete && (plan_.order < 0 || !settings_.exact) &&
                         (!settings_.deleted || plan_.deletedOrder >= 0);
    if (!decided)
        return false;
    std::uint32_t n = candidates_->count();
    if (settings_.deleted &&
        !walkKeyRange(plan_.deletedOrder, "T", [&](std::uint32_t r) { n -= candidates_->contains(r) ? 1 : 0; }))
        return false;
    *count = n;
    return true;
}

Status WorkArea::queryRecCount(std::uint32_t* count)
{
    *count = 0;
    Status s = commit();
    if (!s || countFromIndexes(count))
        return s;
    const std::uint32_t current = eof_ ? 0 : recNo();
    OrderWalker walker(*table_, candidates_.get());
    for (bool more = walker.first(); more && s; more = walker.next()) {
        s = buffer_->load(walker.recno());
        if (s && isVisible())
            ++*count;
    }
    Status back = current ? buffer_->load(current) : placeAtEof();
    return s ? back : s;
}

Status WorkArea::evaluate(std::string_view expression, Value* out)
{
    std::unique_ptr<Expression> compiled;
    Status s = Expression::compile(expression, schema(), &compiled);
    if (s)
        *out = compiled->evaluate(*buffer_, EvalOptions{settings_.exact});
    return s;
}

std::string WorkArea::displayText(const Value& value)
{
    switch (value.type) {
    case ValueType::Character: return value.str;
    case ValueType::Logical: return value.logical ? "T" : "F";
    case ValueType::Date: {
        if (value.num == 0)
            return {};
        const dbf::CivilDate d = dbf::civilFromJulianDay(static_cast<std::int64_t>(value.num));
        char text[16];
        std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
        return text;
    }
    case ValueType::Numeric: break;
    }
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value.num);
    return std::string(text, result.ptr);
}

Status WorkArea::checkOrder(const OpenIndex& index, int tag)
{
    const TagKeys& keys = index.orders[static_cast<std::size_t>(tag)];
    std::vector<std::pair<std::string, std::uint32_t>> expected, found;
    Status s = computeKeys(keys, 0, 100, &expected);
    if (!s)
        return s;
    std::sort(expected.begin(), expected.end());
    std::unique_ptr<IndexCursor> cursor = index.file->cursor(tag);
    for (bool more = cursor->first(); more && cursor->valid(); more = cursor->next())
        found.emplace_back(std::string(cursor->key()), cursor->recno());
    if (!cursor->status())
        return cursor->status();
    if (found != expected)
        return Status::corruption("tag " + keys.info().name + " of " + index.path + " does not match the table");
    return Status::ok();
}

Status WorkArea::checkIndexes()
{
    Status s = commit();
    const std::uint32_t current = eof_ ? 0 : recNo();
    for (const OpenIndex& index : indexes_) {
        for (std::size_t tag = 0; s && tag < index.orders.size(); ++tag)
            if (index.orders[tag].usable())
                s = checkOrder(index, static_cast<int>(tag));
    }
    Status back = current ? buffer_->load(current) : placeAtEof();
    return s ? back : s;
}

} // namespace xbase
