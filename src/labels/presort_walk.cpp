#include "labels/presort_walk.h"

#include "labels/presort_list.h"
#include "store/dataset.h"

namespace labels {

TPresortWalk::TPresortWalk(quorvel::TDataset& addresses, QStringList lines)
    : addresses_(addresses), lines_(std::move(lines))
{
}

void TPresortWalk::GetNextSortedZip()
{
    while (next_ < lines_.size()) {
        current_ = lines_.at(next_++);
        if (IsPresortBreak(current_)) {
            addresses_.First();
            breakPending_ = true;
            return;
        }
        if (addresses_.Seek(current_) && RecordInCurrentZip())
            return;
    }
    RunOffTheEnd();
}

bool TPresortWalk::RecordInCurrentZip() const
{
    return addresses_.FieldAsString(u"ZIP").left(5) == current_;
}

void TPresortWalk::RunOffTheEnd()
{
    addresses_.Last();
    addresses_.Next();
}

} // namespace labels
