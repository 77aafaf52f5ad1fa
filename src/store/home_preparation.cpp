#include "store/home_preparation.h"

#include "store/supplied_data.h"
#include "store/supplied_tables.h"

namespace quorvel {

THomePreparation PrepareHomeFolder(THomeFolder& home)
{
    THomePreparation outcome;
    const QString supplied = suppliedDataFolder();
    if (!home.prepare(supplied)) {
        outcome.failure = home.lastError();
        return outcome;
    }
    // The label stock and state/ZIP tables ship as text and become tables
    // the first time they are missing.
    if (const TTableResult built = BuildMissingSuppliedTables(home.sysdataFolder(), supplied); !built) {
        outcome.tableProblems = built.messages;
        if (!built.detail.isEmpty())
            outcome.tableProblems << built.detail;
    }
    return outcome;
}

} // namespace quorvel
