#pragma once

#include "labels/presort_count.h"

#include <QString>
#include <QStringList>

namespace quorvel {
class TDataset;
}

namespace labels {

enum class TPresortOutcome { Completed, Cancelled, Failed };

struct TPresortResult {
    TPresortOutcome outcome = TPresortOutcome::Failed;
    // Failed: the file and the reason.
    QString message;
    // The list as written (Completed only).
    QStringList lines;
    // The tally the list was made from (Completed only).
    TPresortCount count;
};

// The whole bulk-mail presort: counts the selected records, builds the list
// and writes it to `presortFile`. Cancelled writes nothing; a list that
// could not be written is a failure and leaves the old file as it was.
TPresortResult RunBulkMailPresort(quorvel::TDataset& addresses, const QString& presortFile,
                                  TPresortProgress& progress);

} // namespace labels
