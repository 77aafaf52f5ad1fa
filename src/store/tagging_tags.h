#pragma once

#include "store/filter_apply.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace xbase {
class TApollo;
}

namespace quorvel {

class TSettings;

// The TAG value that toggles a record: the tag id when the record does not
// carry it, else empty.
QString toggledTagValue(const QString& currentTag, const QString& tagId);

struct TToggleOutcome {
    bool ok = false;        // false: the record could not be written (message says why)
    bool tagged = false;    // the record carries the tag id now
    bool refiltered = false; // the query selected nothing afterwards, so the filter was applied again
    TFilterOutcome filter;  // that new application, when there was one
    QString message;
};

// Tags or untags the current record and writes it (a record that is being
// edited takes toggledTagValue into its edit instead and is posted with it).
// When the query then
// selects no record (the last tagged record of a tagged-only filter was
// untagged), the filter is applied again, which drops it.
TToggleOutcome ToggleTag(xbase::TApollo& table, TFilterState& state, const QString& tagId);

struct TClearTagsOutcome {
    std::optional<QString> tagId; // the new id in force; none when it could not be stored
    TFilterOutcome filter;
    QString message;
};

// Puts a new tag id in force and stores it, which untags every record of
// every address file at once, then applies the filter again. When the id
// cannot be stored the old one stays in force and nothing changes.
TClearTagsOutcome ClearTags(TSettings& settings, xbase::TApollo& table, TFilterState& state,
                            const QDateTime& now = QDateTime::currentDateTime());

} // namespace quorvel
