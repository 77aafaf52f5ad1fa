#include "store/tagging_tags.h"

#include "store/cp1252.h"
#include "store/settings.h"
#include "xbase/apollo.h"

namespace quorvel {

QString toggledTagValue(const QString& currentTag, const QString& tagId)
{
    return currentTag == tagId ? QString() : tagId;
}

TToggleOutcome ToggleTag(xbase::TApollo& table, TFilterState& state, const QString& tagId)
{
    TToggleOutcome outcome;
    const QString current = fromCp1252(table.sx_GetString("TAG"));
    const QString value = toggledTagValue(current, tagId);
    const TCp1252Encoding bytes = toCp1252(value);
    if (!bytes.ok()) {
        outcome.message = bytes.message;
        return outcome;
    }
    if (!table.sx_Replace("TAG", bytes.bytes.toStdString()) || !table.sx_Commit()) {
        outcome.message = QStringLiteral("The tag could not be written: ") + fromCp1252(table.sx_LastError().message());
        return outcome;
    }
    outcome.ok = true;
    outcome.tagged = !value.isEmpty();
    if (table.sx_QueryRecCount() == 0) {
        outcome.refiltered = true;
        outcome.filter = ApplyFilter(table, state, tagId);
    }
    return outcome;
}

TClearTagsOutcome ClearTags(TSettings& settings, xbase::TApollo& table, TFilterState& state, const QDateTime& now)
{
    TClearTagsOutcome outcome;
    outcome.tagId = settings.renewGlobalTagId(now);
    if (!outcome.tagId) {
        outcome.message = QStringLiteral("A new tag id could not be stored: ") + settings.lastError();
        return outcome;
    }
    outcome.filter = ApplyFilter(table, state, *outcome.tagId);
    return outcome;
}

} // namespace quorvel
