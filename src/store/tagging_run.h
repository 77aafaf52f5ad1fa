#pragma once

#include <QString>

#include <functional>

namespace xbase {
class TApollo;
}

namespace quorvel {

// Called after each record is tagged with the running count, and now and
// then while the records are gathered (count 0). Shows "n tagged" and
// processes pending messages; false stops the run after that record.
using TTaggingProgress = std::function<bool(quint32 tagged)>;

struct TTaggingResult {
    quint32 tagged = 0;
    bool cancelled = false;
    QString message; // why the run stopped early when a record could not be written
};

// Tags every record the table's query selects, in the current order, then
// goes to the first record. The records are gathered before the first one
// is changed: tagging takes a record out of a filter on untagged records and
// moves it in the TAG order, and either would make a walk skip records.
// The address file, the duplicate check and the state/ZIP check all use it
// on their own tables.
TTaggingResult RunTagging(xbase::TApollo& table, const QString& tagId, const TTaggingProgress& progress = {});

// The texts of the "Tagging" dialog.
QString taggingCountText(quint32 tagged); // "12 tagged"
// "Complete", or "Cancelled before completion" for a run that was cancelled
// or stopped by a failure.
QString taggingEndText(const TTaggingResult& result);

} // namespace quorvel
