// The main window's tags: toggling the current record's tag, clearing every
// tag at once with a new tag id, and tagging all filter matches.
#include "app/main_window.h"

#include "store/tagging_tags.h"
#include "ui/centring.h"
#include "ui/services.h"
#include "ui/tag_all_dialog.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::ToggleTag()
{
    if (!TableQVW.Active() || TableQVW.IsEmpty())
        return;
    const bool wasEditing = TableQVW.isEditing();
    // The window reacts once, below, not to each step of the change.
    eventReactions_ = false;
    bool written = wasEditing || TableQVW.Edit();
    written = written
              && TableQVW.SetFieldAsString(u"TAG", toggledTagValue(TableQVW.FieldAsString(u"TAG"),
                                                                   TableQVW.globalTagId()));
    if (!wasEditing) {
        written = written && TableQVW.Post();
        if (!written)
            TableQVW.Cancel();
    }
    eventReactions_ = true;
    if (!written)
        TServices::messages().error(this, QStringLiteral("The tag could not be changed: ") + TableQVW.lastError());
    // Untagging the last record of a tagged-only filter leaves it empty.
    if (TableQVW.QueryRecCount() == 0)
        ApplyFilter();
    SetButtons();
}

void TAddressMain::ClearTagsClick()
{
    // The filter is applied again below, which never happens under an edit.
    if (!TableQVW.Active() || TableQVW.isEditing()) {
        QApplication::beep();
        return;
    }
    const std::optional<QString> tagId = settings_.renewGlobalTagId();
    if (!tagId) {
        TServices::messages().error(this, QStringLiteral("A new tag id could not be stored: ") + settings_.lastError());
        return;
    }
    preferences_.globalTagId = *tagId;
    TableQVW.setGlobalTagId(*tagId);
    ApplyFilter();
    TableQVW.Resync();
    reloadMemo();
    SetButtons();
}

void TAddressMain::TagAllClick()
{
    // Tagging writes record after record, which an edit in progress would
    // get in the way of.
    if (!TableQVW.Active() || TableQVW.isEditing() || !filterSet()) {
        QApplication::beep();
        return;
    }
    if (!TServices::messages().question(this, QStringLiteral("Tag all records matching filter?"),
                                        QStringLiteral("TAG ALL")))
        return;
    eventReactions_ = false;
    TableQVW.DisableControls();
    {
        TTagAllRecords tagging(TableQVW, TableQVW.globalTagId(), this);
        centreWindow(&tagging, this);
        tagging.exec();
    }
    eventReactions_ = true;
    TableQVW.EnableControls();
    TableQVW.First();
    SetButtons();
}

} // namespace quorvel
