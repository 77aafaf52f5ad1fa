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

// Collects the records of the plan's key range; every record the query can
// select is among them.
Status WorkArea::refreshCandidates()
{
    candidates_.reset();
    plan_ = {};
    if (!query_ || !settings_.optimizeQueries)
        return Status::ok();
    plan_ = planQuery(*query_, allOrders());
    if (!plan_.usesIndex())
        return Status::ok();
    auto candidates = std::make_unique<CandidateSet>(table_->recordCount());
    std::unique_ptr<IndexCursor> cursor = cursorFor(plan_.order);
    for (bool more = cursor->seek(plan_.prefix, true); cursor->valid(); more = cursor->next()) {
        if (!more || cursor->key().substr(0, plan_.prefix.size()) != plan_.prefix)
            break;
        candidates->add(cursor->recno());
    }
    Status s = cursor->status();
    if (!s) {
        plan_ = {};
        return s;
    }
    candidates_ = std::move(candidates);
    return Status::ok();
}

Status WorkArea::queryRecCount(std::uint32_t* count)
{
    *count = 0;
    Status s = commit();
    if (!s)
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
