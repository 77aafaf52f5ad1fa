// TDataset: edit, insert, post, cancel and delete.
#include "store/dataset.h"

#include "store/dataset_names.h"
#include "xbase/apollo.h"

namespace quorvel {

bool TDataset::Edit()
{
    if (isEditing())
        return true;
    if (state_ == TDataSetState::dsInactive)
        return fail(QStringLiteral("No table is open"));
    if (IsEmpty())
        return fail(QStringLiteral("There is no record to edit"));
    editRecNo_ = engine_.sx_RecNo();
    clearChanges();
    setState(TDataSetState::dsEdit);
    return true;
}

bool TDataset::Insert()
{
    if (!checkBrowseMode())
        return false;
    editRecNo_ = 0;
    clearChanges();
    setState(TDataSetState::dsInsert);
    notifyRecord();
    return true;
}

void TDataset::Cancel()
{
    if (!isEditing())
        return;
    // Nothing reached the engine, so the record and the position are as
    // they were before the edit began; unless a post failed half-way
    // through an insert, whose leftover is flagged deleted so that no view
    // shows it and the next rebuild packs it away.
    if (enginePending_ && state_ == TDataSetState::dsInsert)
        engine_.sx_Delete();
    enginePending_ = false;
    clearChanges();
    setState(TDataSetState::dsBrowse);
    notifyRecord();
    emit afterCancel();
}

bool TDataset::Post()
{
    if (!isEditing())
        return fail(QStringLiteral("The record is not being edited"));
    if (!storeChanges())
        return false;
    clearChanges();
    bof_ = eof_ = false;
    setState(TDataSetState::dsBrowse);
    notifyRecord();
    emit afterPost();
    return true;
}

// Every value was checked when it was set, so the engine takes them all;
// only the write itself can still fail. The engine writes the record and
// its memos, and syncs them, before sx_Commit returns.
bool TDataset::storeChanges()
{
    if (state_ == TDataSetState::dsInsert && !enginePending_) {
        if (!engine_.sx_AppendBlank())
            return failFromEngine(QStringLiteral("Unable to add the record"));
        enginePending_ = true;
    } else if (state_ == TDataSetState::dsEdit && engine_.sx_RecNo() != editRecNo_) {
        if (!engine_.sx_Go(editRecNo_))
            return failFromEngine(QStringLiteral("Unable to return to the record being edited"));
    }
    for (const auto& [field, bytes] : changes_) {
        if (!engine_.sx_Replace(engineName(field), bytes.toStdString()))
            return failFromEngine(QStringLiteral("Unable to store the field ") + field);
    }
    for (const auto& [field, bytes] : memoChanges_) {
        if (!engine_.sx_Replace(engineName(field), bytes.toStdString()))
            return failFromEngine(QStringLiteral("Unable to store the memo ") + field);
    }
    if (!engine_.sx_Commit())
        return failFromEngine(QStringLiteral("Unable to save the record"));
    enginePending_ = false;
    return true;
}

void TDataset::clearChanges()
{
    changes_.clear();
    memoChanges_.clear();
}

bool TDataset::Delete()
{
    if (!checkBrowseMode())
        return false;
    if (IsEmpty())
        return fail(QStringLiteral("There is no record to delete"));
    if (!engine_.sx_Delete())
        return failFromEngine(QStringLiteral("Unable to delete the record"));
    notifyRecord();
    emit afterDelete();
    return true;
}

} // namespace quorvel
