// Main window commands around the filter: applying it, the "Address Filter"
// dialog, clearing it, and saving it to and restoring it from a file.
#include "app/main_window.h"

#include "app/address_query_form.h"
#include "store/filter_apply.h"
#include "store/flt_file.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QApplication>
#include <QFileInfo>

namespace quorvel {

namespace {

// The hourglass for as long as it lives, the previous cursor back after.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

} // namespace

quint32 TAddressMain::ApplyFilter() { return runFilter().count; }

TFilterOutcome TAddressMain::runFilter()
{
    // The query never changes under a record being edited: the edit would
    // be posted by the move to the first record without being asked for.
    if (!TableQVW.Active() || TableQVW.isEditing())
        return {TableQVW.QueryRecCount(), {}};
    TFilterOutcome outcome;
    {
        const TWaitCursor hourglass;
        outcome = quorvel::ApplyFilter(Apollo1, filter_, TableQVW.globalTagId());
        // The engine's position and query changed under the dataset.
        TableQVW.First();
    }
    if (!outcome.message.isEmpty())
        TServices::messages().information(this, outcome.message);
    refreshFilterStatus();
    return outcome;
}

void TAddressMain::SetFilterClick()
{
    if (!TableQVW.Active() || TableQVW.isEditing()) {
        QApplication::beep();
        return;
    }
    TAddressQueryForm form(filter_, [this] { return runFilter(); }, this);
    centreWindow(&form, this);
    const bool confirmed = form.exec() == QDialog::Accepted;
    filter_ = confirmed ? form.typedState() : form.rememberedState();
    ApplyFilter();
    SetButtons();
}

void TAddressMain::ClearFilterClick()
{
    // The state and the query change together, never under an edit.
    if (TableQVW.isEditing()) {
        QApplication::beep();
        return;
    }
    filter_.ClearQueryVars();
    ApplyFilter(); // which also goes to the first record
    SetButtons();
}

namespace {

// Where the filter file dialogs start: the folder of the last filter file
// saved or restored, the home folder before that.
QString filterFolder(const QString& lastUsed, const QString& home)
{
    return lastUsed.isEmpty() ? home : lastUsed;
}

} // namespace

void TAddressMain::SaveFilterClick()
{
    if (!filterSet())
        return;
    const TFileRequest request{QStringLiteral("Save Filter"), filterFolder(filterFolder_, home_.root()),
                               QStringLiteral("Filter files|*.FLT"), QStringLiteral("FLT"), QStringLiteral("*.FLT")};
    const QString chosen = TServices::dialogs().saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    QString refusal;
    const QString path = filterSavePath(chosen, &refusal);
    if (path.isEmpty()) {
        TServices::messages().information(this, refusal);
        return;
    }
    filterFolder_ = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path)
        && !TServices::messages().question(this, path + QStringLiteral(" already exists.\r\nDo you want to overwrite it?"),
                                           QStringLiteral("Warning!"), TAnswer::No))
        return;
    QString error;
    if (!SaveFilterTo(path, filter_, &error))
        TServices::messages().error(this, error);
    SetButtons();
}

void TAddressMain::RestoreFilterClick()
{
    if (!TableQVW.Active() || TableQVW.isEditing()) {
        QApplication::beep();
        return;
    }
    const TFileRequest request{QStringLiteral("Restore Filter"), filterFolder(filterFolder_, home_.root()),
                               QStringLiteral("Filter Files|*.flt"), QStringLiteral("FLT")};
    const QString chosen = TServices::dialogs().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    const QString refusal = filterRestoreRefusal(chosen);
    if (!refusal.isEmpty()) {
        TServices::messages().information(this, refusal);
        return;
    }
    filterFolder_ = QFileInfo(chosen).absolutePath();
    QString error;
    if (!RestoreFilterFrom(chosen, &filter_, &error))
        TServices::messages().error(this, error);
    else
        ApplyFilter();
    SetButtons();
}

} // namespace quorvel
