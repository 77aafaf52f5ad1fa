// The record commands of the main window: moving, editing, saving,
// cancelling, deleting and cloning.
#include "app/main_window.h"

#include "store/address_records.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace quorvel {

bool TAddressMain::moveTo(bool (TDataset::*step)())
{
    if (!TableQVW.Active() || TableQVW.isEditing())
        return false;
    const bool moved = (TableQVW.*step)();
    SetButtons();
    return moved;
}

void TAddressMain::FirstRecord() { moveTo(&TDataset::First); }
void TAddressMain::LastRecord() { moveTo(&TDataset::Last); }

void TAddressMain::NextRecord()
{
    moveTo(&TDataset::Next);
    if (TableQVW.Active() && TableQVW.Eof())
        QApplication::beep();
}

void TAddressMain::PriorRecord()
{
    moveTo(&TDataset::Prior);
    if (TableQVW.Active() && TableQVW.Bof())
        QApplication::beep();
}

void TAddressMain::EditButtonClick()
{
    if (!TableQVW.Edit())
        TServices::messages().error(this, TableQVW.lastError());
    SetButtons();
}

bool TAddressMain::ensureEditing()
{
    if (TableQVW.isEditing())
        return true;
    if (TableQVW.Edit())
        return true;
    TServices::messages().error(this, TableQVW.lastError());
    return false;
}

bool TAddressMain::storeMemo()
{
    return TableQVW.SetMemoText(u"MEMO", memoForStorage(controls_.MemoBox->toPlainText()));
}

void TAddressMain::SaveButtonClick()
{
    if (!TableQVW.isEditing())
        return;
    // A failed save keeps the edit and everything typed, so nothing is lost.
    if (!storeMemo() || !TableQVW.Post()) {
        TServices::messages().error(this, TableQVW.lastError());
        SetButtons();
        return;
    }
    if (TableQVW.Active() && TableQVW.QueryRecCount() == 0)
        ApplyFilter();
    SetButtons();
}

void TAddressMain::CancelButtonClick()
{
    TableQVW.Cancel();
    SetButtons();
    SetSkipFields(false);
    reloadMemo();
}

void TAddressMain::DeleteButtonClick()
{
    if (TServices::messages().question(this, QStringLiteral("Delete this record?"), QStringLiteral("DELETE"))) {
        if (!DeleteAddressRecord(TableQVW, ApolloEnv1))
            TServices::messages().error(this, TableQVW.lastError());
        // Deleting the first record leaves nothing before it: its
        // neighbour after it becomes current.
        if (TableQVW.Bof())
            TableQVW.First();
    }
    if (TableQVW.Active() && TableQVW.QueryRecCount() == 0)
        ApplyFilter();
    SetButtons();
}

void TAddressMain::CloneMenuClick()
{
    if (!TServices::messages().question(this, QStringLiteral("Clone this record?"), QStringLiteral("Clone")))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TableQVW.DisableControls();
    eventReactions_ = false;
    const bool cloned = CloneAddressRecord(TableQVW);
    eventReactions_ = true;
    TableQVW.EnableControls();
    QApplication::restoreOverrideCursor();
    reloadMemo();
    SetButtons();
    if (cloned)
        TServices::messages().information(this, QStringLiteral("Clone completed. Current record is an exact copy"));
    else
        TServices::messages().error(this, TableQVW.lastError());
}

} // namespace quorvel
