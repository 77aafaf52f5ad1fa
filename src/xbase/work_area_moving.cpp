// Moving through a work area: every move first writes a pending edit, then
// walks the current order, passing over records that the deleted setting or
// the query hide.
#include "xbase/work_area.h"

namespace xbase {

std::unique_ptr<OrderWalker> WorkArea::makeWalker() const
{
    const CandidateSet* candidates = candidates_.get();
    if (order_ < 0)
        return std::make_unique<OrderWalker>(*table_, candidates);
    KeyBounds bounds;
    if (scopeTop_)
        bounds.low.push_back(*scopeTop_);
    if (scopeBottom_)
        bounds.high.push_back(*scopeBottom_);
    if (plan_.usesIndex() && plan_.order == order_) {
        // The query's own range in the order that answers it: the bounds say
        // it all, and records edited into the range are found at their keys.
        bounds.low.push_back(plan_.prefix);
        bounds.high.push_back(plan_.prefix);
        candidates = nullptr;
    }
    return std::make_unique<OrderWalker>(cursorFor(order_), std::move(bounds), candidates);
}

void WorkArea::resetWalker()
{
    walker_ = makeWalker();
    if (!eof_)
        positionWalkerOnCurrent();
}

Status WorkArea::positionWalkerOnCurrent()
{
    if (order_ < 0) {
        walker_->moveTo(recNo(), {});
        return Status::ok();
    }
    const std::optional<std::string> key = orderKeys(order_).keyOf(*buffer_);
    if (key)
        walker_->moveTo(recNo(), *key);
    return Status::ok();
}

bool WorkArea::isVisible() const
{
    if (settings_.deleted && buffer_->deletionFlag())
        return false;
    return !query_ || query_->isTrue(*buffer_, EvalOptions{settings_.exact});
}

Status WorkArea::placeAtEof()
{
    buffer_->blank(table_->recordCount() + 1, false);
    eof_ = true;
    return walker_ ? walker_->status() : Status::ok();
}

// From the walker's entry, moves on to the first visible record in the
// given direction and makes it current; false when the order runs out.
Status WorkArea::settle(bool forward)
{
    while (walker_->valid()) {
        Status s = buffer_->load(walker_->recno());
        if (!s)
            return s;
        if (isVisible()) {
            eof_ = false;
            return Status::ok();
        }
        if (!(forward ? walker_->next() : walker_->prev()))
            break;
    }
    return placeAtEof();
}

Status WorkArea::goTop()
{
    Status s = commit();
    if (!s)
        return s;
    refreshShared();
    resetWalker();
    walker_->first();
    s = settle(true);
    bof_ = eof_;
    return s;
}

Status WorkArea::goBottom()
{
    Status s = commit();
    if (!s)
        return s;
    refreshShared();
    resetWalker();
    walker_->last();
    s = settle(false);
    bof_ = eof_;
    return s;
}

Status WorkArea::skip(long count)
{
    Status s = commit();
    if (!s)
        return s;
    bof_ = false;
    if (count == 0)
        return eof_ ? Status::ok() : buffer_->load(recNo());
    return count > 0 ? skipForward(count) : skipBackward(-count);
}

Status WorkArea::skipForward(long count)
{
    for (long i = 0; i < count && !eof_; ++i) {
        walker_->next();
        Status s = settle(true);
        if (!s)
            return s;
    }
    return Status::ok();
}

// From EOF the first step back lands on the last visible record. Running
// off the top stays on the first visible record, flagged BOF.
Status WorkArea::skipBackward(long count)
{
    for (long i = 0; i < count; ++i) {
        const bool fromEof = eof_;
        const std::uint32_t before = recNo();
        fromEof ? walker_->last() : walker_->prev();
        Status s = settle(false);
        if (!s)
            return s;
        if (!eof_)
            continue;
        if (!fromEof)
            s = go(before);
        bof_ = true;
        return s;
    }
    return Status::ok();
}

Status WorkArea::go(std::uint32_t recno)
{
    Status s = commit();
    if (!s)
        return s;
    bof_ = false;
    if (recno < 1 || recno > table_->recordCount()) {
        placeAtEof();
        return Status::notFound("record " + std::to_string(recno) + " does not exist");
    }
    s = buffer_->load(recno);
    if (!s) {
        eof_ = true;
        return s;
    }
    eof_ = false;
    resetWalker();
    return Status::ok();
}

Status WorkArea::seek(std::string_view text, bool* found)
{
    *found = false;
    Status s = commit();
    if (!s)
        return s;
    if (order_ < 0)
        return Status::invalidArgument("seek needs an index order");
    const TagInfo& info = orderInfo(order_);
    std::string key;
    s = orderKeys(order_).seekKey(text, &key);
    if (!s)
        return s;
    const bool whole = info.keyType != KeyType::Character || settings_.exact;
    if (whole)
        key.resize(static_cast<std::size_t>(info.keyLength), ' ');
    resetWalker();
    bof_ = false;
    walker_->seek(key, !whole);
    s = settle(true);
    if (!s || eof_)
        return s;
    const std::string_view at = walker_->key();
    *found = whole ? at == key : at.substr(0, key.size()) == key;
    if (!*found && !settings_.softSeek)
        return placeAtEof();
    return Status::ok();
}

Status WorkArea::setScope(std::optional<std::string> top, std::optional<std::string> bottom)
{
    if (order_ < 0)
        return Status::invalidArgument("a scope needs an index order");
    std::string key;
    for (std::optional<std::string>* limit : {&top, &bottom}) {
        if (!*limit)
            continue;
        Status s = orderKeys(order_).seekKey(**limit, &key);
        if (!s)
            return s;
        **limit = key;
    }
    Status s = commit();
    if (!s)
        return s;
    scopeTop_ = std::move(top);
    scopeBottom_ = std::move(bottom);
    resetWalker();
    return Status::ok();
}

} // namespace xbase
