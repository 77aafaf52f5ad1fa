#include "labels/presort_run.h"

#include "labels/presort_list.h"
#include "labels/presort_passes.h"

namespace labels {

TPresortResult RunBulkMailPresort(quorvel::TDataset& addresses, const QString& presortFile,
                                  TPresortProgress& progress)
{
    TPresortResult result;
    std::optional<TPresortCount> count = CountPresortPieces(addresses, progress);
    if (!count) {
        result.outcome = TPresortOutcome::Cancelled;
        return result;
    }
    QStringList lines = BuildPresortList(*count);
    if (!WritePresortFile(presortFile, lines, &result.message)) {
        result.outcome = TPresortOutcome::Failed;
        return result;
    }
    result.outcome = TPresortOutcome::Completed;
    result.lines = std::move(lines);
    result.count = std::move(*count);
    return result;
}

} // namespace labels
