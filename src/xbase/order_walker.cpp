#include "xbase/order_walker.h"

#include <algorithm>

namespace xbase {

namespace {

// The smallest string greater than every string that begins with `s`, or
// empty when there is none (all bytes 0xFF).
std::string successorOfPrefix(std::string s)
{
    while (!s.empty()) {
        auto& last = reinterpret_cast<unsigned char&>(s.back());
        if (last != 0xFF) {
            ++last;
            return s;
        }
        s.pop_back();
    }
    return s;
}

int comparePrefix(std::string_view key, std::string_view bound)
{
    return key.substr(0, bound.size()).compare(bound);
}

} // namespace

bool KeyBounds::contains(std::string_view key) const
{
    for (const std::string& l : low)
        if (comparePrefix(key, l) < 0)
            return false;
    for (const std::string& h : high)
        if (comparePrefix(key, h) > 0)
            return false;
    return true;
}

OrderWalker::OrderWalker(DbfTable& table, const CandidateSet* candidates) : table_(&table), candidates_(candidates) {}

OrderWalker::OrderWalker(std::unique_ptr<IndexCursor> cursor, KeyBounds bounds, const CandidateSet* candidates)
    : cursor_(std::move(cursor)), bounds_(std::move(bounds)), candidates_(candidates)
{
}

Status OrderWalker::status() const { return cursor_ ? cursor_->status() : Status::ok(); }

// Whether the cursor's entry is inside the bounds and a candidate.
bool OrderWalker::accept()
{
    recno_ = cursor_->recno();
    return !candidates_ || candidates_->contains(recno_);
}

// From the cursor's entry, moves on in the given direction to the first
// acceptable entry; entries are sorted, so leaving the bounds ends the walk.
bool OrderWalker::settle(bool forward)
{
    while (cursor_->valid()) {
        if (!bounds_.contains(cursor_->key()))
            break;
        if (accept())
            return valid_ = true;
        if (!(forward ? cursor_->next() : cursor_->prev()))
            break;
    }
    return valid_ = false;
}

bool OrderWalker::stepNatural(bool forward)
{
    const std::uint32_t count = table_->recordCount();
    if (candidates_)
        recno_ = forward ? candidates_->nextAfter(recno_) : candidates_->previousBefore(recno_);
    else
        recno_ = forward ? recno_ + 1 : (recno_ > count + 1 ? count : recno_ - 1);
    return valid_ = recno_ >= 1 && recno_ <= count;
}

bool OrderWalker::first()
{
    if (!cursor_) {
        recno_ = 0;
        return stepNatural(true);
    }
    if (bounds_.low.empty()) {
        cursor_->first();
    } else {
        cursor_->seek(*std::max_element(bounds_.low.begin(), bounds_.low.end()), true);
    }
    return settle(true);
}

bool OrderWalker::last()
{
    if (!cursor_) {
        recno_ = table_->recordCount() + 1;
        return stepNatural(false);
    }
    std::string limit;
    for (const std::string& h : bounds_.high) {
        const std::string after = successorOfPrefix(h);
        if (!after.empty() && (limit.empty() || after < limit))
            limit = after;
    }
    if (limit.empty() || !(cursor_->seek(limit, true), cursor_->valid()))
        cursor_->last();
    else
        cursor_->prev();
    return settle(false);
}

bool OrderWalker::next()
{
    if (!cursor_)
        return stepNatural(true);
    if (!valid_ || !cursor_->next())
        return valid_ = false;
    return settle(true);
}

bool OrderWalker::prev()
{
    if (!cursor_)
        return stepNatural(false);
    if (!valid_ || !cursor_->prev())
        return valid_ = false;
    return settle(false);
}

bool OrderWalker::seek(std::string_view key, bool prefix)
{
    if (!cursor_)
        return valid_ = false;
    cursor_->seek(key, prefix);
    return settle(true);
}

bool OrderWalker::moveTo(std::uint32_t recno, const std::string& key)
{
    if (!cursor_) {
        recno_ = recno;
        return valid_ = recno >= 1 && recno <= table_->recordCount();
    }
    if (!cursor_->seekEntry(key, recno))
        return valid_ = false;
    recno_ = recno;
    return valid_ = true;
}

} // namespace xbase
