#pragma once

#include "store/dataset_result.h"
#include "store/system_tables.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace xbase {
class TApollo;
}

namespace quorvel {

class TDataset;

// What a rebuild tells the window showing it. Both are optional. The
// window may process its pending events in either; the rebuild never
// stops half way because of that (it offers no cancelling once started).
struct TRebuildProgress {
    std::function<void(const QString& status)> status;
    std::function<void(int position)> gauge; // 0 to 100
};

// Packs the open address file (the records carrying the deletion flag go)
// and builds its 26 tags anew from nothing: the old index file, damaged or
// not, is deleted first. Status texts "Cleaning out old deleted records"
// and "Rebuilding indexes"; the gauge follows TRebuildGauge. The dataset
// ends in record number order on its first record.
//
// Messages: "You need to have a database file open first" (nothing open);
// "Unable to create index files" (a tag could not be made, or the record
// being edited is not saved yet: nothing is touched then); "Unable to
// remove the deleted records" when packing failed (the file is left as it
// was and its tags are still built, so it stays usable).
TTableResult RebuildAddressIndexes(TDataset& dataset, const TRebuildProgress& progress = {});

// One system table in the order the system rebuild takes them.
struct TSystemRebuildStep {
    TSystemTable table;
    QLatin1String status; // "Rebuilding Letters File indexes"
};
std::span<const TSystemRebuildStep> systemRebuildSteps();

struct TSystemRebuildResult {
    QStringList rebuilt; // file names, "LETTER.DBF"
    QStringList missing; // not there: nothing to rebuild
    // Present but not rebuilt (in use, unreadable, no room), each as the
    // file name followed by the engine's reason.
    QStringList failed;
};

// Packs each system table in `sysdataFolder` and builds its one tag anew,
// through `engine` (closed before and after). A table that is missing or
// cannot be opened exclusively is passed over and the next one follows.
// The gauge shows each table's percentages as they come.
TSystemRebuildResult RebuildSystemIndexes(xbase::TApollo& engine, const QString& sysdataFolder,
                                          const TRebuildProgress& progress = {});

} // namespace quorvel
