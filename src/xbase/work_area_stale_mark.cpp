// The stale mark: how a crash between a table write and its index writes is
// found again at the next open instead of leaving tags that silently miss
// records.
//
// Before the first change of a session (a record, a memo, a pack, a new
// tag) every open index file gets the mark in its header, on the disk
// before anything else is written. From then on any moment of the session
// may be cut short: whatever the table and the index hold, the mark says
// that they may disagree. A clean close writes and syncs everything, then
// clears the mark. So the cost is one synced write per session that
// changes anything, not one per record.
#include "xbase/work_area.h"

#include <algorithm>

namespace xbase {

bool WorkArea::indexesSuspect() const
{
    return std::any_of(indexes_.begin(), indexes_.end(), [](const OpenIndex& index) { return index.suspect; });
}

Status WorkArea::markIndex(OpenIndex& index)
{
    if (index.marked)
        return Status::ok();
    Status s = index.file->setStaleMark(true, true);
    if (s)
        index.marked = true;
    return s;
}

// Called by every change after its preconditions: read-only opens never
// get here, and the files are marked only once.
Status WorkArea::beginChange()
{
    if (changing_)
        return Status::ok();
    for (OpenIndex& index : indexes_)
        if (Status s = markIndex(index); !s)
            return s;
    changing_ = true;
    return Status::ok();
}

// After a clean flush only. The clear is not synced on its own: the index
// file's close syncs it, and should it be lost all the same, the price is a
// rebuild that was not needed, never a stale tag taken for a good one. On
// shared opens the mark stays: another user may still be writing, and only
// the last one could know that nobody is.
void WorkArea::clearMarks()
{
    if (table_->mode() != OpenMode::Exclusive)
        return;
    for (OpenIndex& index : indexes_) {
        if (!index.marked || index.suspect)
            continue;
        if (index.file->setStaleMark(false, false))
            index.marked = false;
    }
}

} // namespace xbase
