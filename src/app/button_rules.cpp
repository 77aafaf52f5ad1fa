#include "app/button_rules.h"

namespace quorvel {

TButtonStates buttonStates(const TRecordWindowFacts& facts)
{
    const bool editing = facts.open && facts.editing;
    const bool browsing = facts.open && !editing && facts.onRecord;

    TButtonStates states;
    states.needsOpenFile = facts.open;
    states.needsRecord = browsing;
    states.recordButtonsVisible = browsing;
    states.addEnabled = facts.open && !editing;
    states.saveCancelShown = editing;
    states.idleButtonsShown = !editing;
    states.findNextAllowed = !editing;
    states.fileMenuEnabled = !editing;
    states.recordMenuEnabled = facts.open && !editing;
    states.clearFilterVisible = facts.filterSet;
    states.clearFilterEnabled = facts.filterSet && !editing;
    states.filterCommandsEnabled = facts.filterSet;
    states.setFilterEnabled = facts.filterSet || browsing;
    return states;
}

std::optional<QString> filterStatusText(bool open, bool filterSet, quint32 matching)
{
    if (!open)
        return std::nullopt;
    if (filterSet)
        return QString::number(matching) + QStringLiteral(" filter matches");
    if (matching == 0)
        return QStringLiteral("No records");
    return QString::number(matching) + QStringLiteral(" records (no filter)");
}

} // namespace quorvel
