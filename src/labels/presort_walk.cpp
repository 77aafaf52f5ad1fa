#include "labels/presort_walk.h"

#include "labels/presort_list.h"
#include "labels/presort_passes.h"
#include "labels/presort_zip.h"
#include "store/dataset.h"

namespace labels {

TPresortWalk::TPresortWalk(quorvel::TDataset& addresses, QStringList lines)
    : addresses_(addresses), lines_(std::move(lines)), keyWidth_(addresses.FieldWidth(u"ZIP"))
{
}

void TPresortWalk::GetNextSortedZip()
{
    if (notPresortedNext_) {
        notPresortedNext_ = false;
        mode_ = TMode::wmNotPresorted;
        if (addresses_.First() && FindNotPresorted())
            return;
    }
    mode_ = TMode::wmZipLine;
    while (next_ < lines_.size()) {
        current_ = lines_.at(next_++);
        if (IsPresortBreak(current_)) {
            addresses_.First();
            breakPending_ = true;
            notPresortedNext_ = current_ == QLatin1String(kNotPresortedHeader);
            return;
        }
        currentKey_ = PresortSeekKey(current_, keyWidth_);
        if (addresses_.Seek(currentKey_) && FindInZipLine())
            return;
    }
    RunOffTheEnd();
}

void TPresortWalk::NextRecord()
{
    addresses_.Next();
    const bool found = mode_ == TMode::wmNotPresorted ? FindNotPresorted() : FindInZipLine();
    if (!found)
        GetNextSortedZip();
}

// From the cursor on, while the records still key as the line does, the
// first whose ZIP is the line's.
bool TPresortWalk::FindInZipLine()
{
    for (; !addresses_.Eof(); addresses_.Next()) {
        const QString zip = RecordZip();
        if (zip == current_)
            return true;
        if (PresortSeekKey(zip, keyWidth_) != currentKey_)
            return false;
    }
    return false;
}

bool TPresortWalk::FindNotPresorted()
{
    for (; !addresses_.Eof(); addresses_.Next()) {
        if (!CountsForPresort(addresses_.FieldAsString(u"ZIP")))
            return true;
    }
    return false;
}

QString TPresortWalk::RecordZip() const { return PresortZip(addresses_.FieldAsString(u"ZIP")); }

void TPresortWalk::RunOffTheEnd()
{
    addresses_.Last();
    addresses_.Next();
}

} // namespace labels
