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
    insertReturn_ = RecNo();
    clearChanges();
    setState(TDataSetState::dsInsert);
    notifyRecord();
    return true;
}

void TDataset::Cancel()
{
    if (!isEditing())
        return;
    // Nothing reached the engine (a post that failed took its changes back
    // out), so the record and the position are as they were before.
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
    if (state_ == TDataSetState::dsInsert) {
        if (!engine_.sx_AppendBlank())
            return failFromEngine(QStringLiteral("Unable to add the record"));
    } else if (engine_.sx_RecNo() != editRecNo_ && !engine_.sx_Go(editRecNo_)) {
        return failFromEngine(QStringLiteral("Unable to return to the record being edited"));
    }
    if (!replaceChangedFields() || !engine_.sx_Commit()) {
        failFromEngine(QStringLiteral("Unable to save the record"));
        takeBackFromEngine();
        return false;
    }
    return true;
}

bool TDataset::replaceChangedFields()
{
    for (const auto* changes : {&changes_, &memoChanges_}) {
        for (const auto& [field, bytes] : *changes) {
            if (!engine_.sx_Replace(engineName(field), bytes.toStdString()))
                return false;
        }
    }
    return true;
}

// A failed post leaves nothing pending in the engine, where the next move
// would write it: the changes stay in the dataset for another Post or a
// Cancel, and a new record's place is given up until then.
void TDataset::takeBackFromEngine()
{
    engine_.discardChanges();
    if (state_ == TDataSetState::dsInsert && insertReturn_ != 0)
        engine_.sx_Go(insertReturn_);
    else if (state_ == TDataSetState::dsInsert)
        engine_.sx_GoTop();
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
