// Index maintenance from the main window, and taking the window back after
// another window has had the address file.
#include "app/main_window.h"
#include "ui/rebuild_indexes_dialog.h"
#include "ui/rebuild_system_dialog.h"

namespace quorvel {

void TAddressMain::RebuildIndexesClick()
{
    RebuildOpenAddressFile(this, TableQVW);
    if (TableQVW.Active()) {
        // A rebuild leaves the file in record number order on its first
        // record, and the records it packed away may have been all the
        // filter matched.
        SetCurrentOrder(currentOrderName_);
        ApplyFilter();
        TableQVW.First();
        reloadMemo();
    }
    SetButtons();
}

void TAddressMain::RebuildSystemIndexesClick()
{
    RebuildSystemFileIndexes(this, home_.sysdataFolder());
}

void TAddressMain::setEventReactions(bool on)
{
    eventReactions_ = on;
    if (!on)
        return;
    reloadMemo();
    SetButtons();
}

} // namespace quorvel
