// Opening, creating and closing address files in the main window, the
// recently used files, and aggressive saving.
#include "app/main_window.h"

#include "app/main_menu.h"
#include "app/new_database_dialog.h"
#include "store/address_file.h"
#include "store/address_layout.h"
#include "store/address_names.h"
#include "ui/centring.h"
#include "ui/rebuild_indexes_dialog.h"
#include "ui/services.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>

namespace quorvel {

namespace {

constexpr int kReopenAttempts = 10;

} // namespace

bool TAddressMain::OpenQVWDBF(const QString& path)
{
    TableQVW.DisableControls();
    if (TableQVW.Active())
        TableQVW.SetQuery(QString());
    const TAddressOpenResult opened = OpenQVWFile(path, TableQVW);
    if (!opened.ok) {
        showMessages(opened.messages);
        TServices::messages().information(this, unableToOpenText(path));
    } else if (opened.notClosedProperly) {
        // Tags that may miss changes are never shown as they are: the
        // rebuild window says why; leaving it opens nothing.
        if (!rebuildIndexes(notClosedProperlyText(path) + QStringLiteral(" Its indexes are being rebuilt.")))
            TableQVW.Close();
    } else if (!opened.indexValid) {
        if (!TServices::messages().question(this, indexRebuildQuestion(path), QStringLiteral("Warning"))
            || !rebuildIndexes())
            TableQVW.Close();
    }
    OnOpenQVWFile(TableQVW.Active());
    TableQVW.EnableControls();
    QApplication::processEvents();
    if (opened.ok)
        UpdateMRUList(path);
    // Only a file that is really open is the current one, and the caption
    // names no file that is not open.
    currentPath_ = TableQVW.Active() ? path : QString();
    setWindowTitle(currentPath_.isEmpty() ? QStringLiteral("Quorvel") : mainWindowCaption(path));
    controls_.FindNextButton->hide();
    memoFound_ = false;
    SetButtons();
    return TableQVW.Active();
}

void TAddressMain::OnOpenQVWFile(bool open)
{
    controls_.RecordStack->setCurrentWidget(open ? static_cast<QWidget*>(controls_.RecordArea)
                                                 : static_cast<QWidget*>(controls_.NoDataPanel));
    if (!open) {
        clearOrder();
        reloadMemo();
        return;
    }
    SetOrderTo(defaultSortOrderName());
    ApplyFilter();
    TableQVW.First();
    reloadMemo();
}

void TAddressMain::UpdateMRUList(const QString& path)
{
    settings_.mru().update(path);
    UpdateMenuMRUList();
}

void TAddressMain::UpdateMenuMRUList() { menu_->setRecentFiles(settings_.mru().entries()); }

void TAddressMain::MRUItemClick(const QString& path)
{
    const QString previous = TableQVW.Active() ? currentPath_ : QString();
    OpenQVWDBF(path);
    if (!TableQVW.Active() && !previous.isEmpty())
        OpenQVWDBF(previous);
}

void TAddressMain::OpenFileMenuClick()
{
    const TFileRequest request{QStringLiteral("Open Address DataBase"), home_.dataFolder(),
                               QStringLiteral("DBF Files|*.dbf"), QStringLiteral("DBF")};
    const QString chosen = TServices::dialogs().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    if (!hasDbfExtension(chosen)) {
        TServices::messages().information(this, mustBeDbfText());
        return;
    }
    OpenQVWDBF(chosen);
}

void TAddressMain::NewFileMenuClick()
{
    TNewDataBaseName dialog(settings_, proposedAddressFileName(home_.dataFolder()), this);
    centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Names differing only in letter case are the same file to the user.
    const QString path = home_.path(QStringLiteral("DATA/") + dialog.name() + QStringLiteral(".DBF"));
    if (QFileInfo::exists(path)) {
        TServices::messages().information(this, fileAlreadyExistsText());
        return;
    }
    if (!createAddressFile(path, dialog.fieldLengths()))
        return;
    TableQVW.Close();
    QApplication::processEvents();
    OpenQVWDBF(path);
}

void TAddressMain::showMessages(const QStringList& messages)
{
    for (const QString& text : messages)
        TServices::messages().information(this, text);
}

bool TAddressMain::createAddressFile(const QString& path, const TNewFileFieldLengths& lengths)
{
    xbase::TApollo createEngine(ApolloEnv1);
    TDataset createDataset(createEngine);
    const TTableResult created = CreateAddressFile(path, createDataset, lengths);
    showMessages(created.messages);
    return created.ok;
}

// The same "Rebuild Indexes" window as the menu command, so that the user
// sees the work and can still decline it; the file opens only when the
// rebuild left all its tags in place.
bool TAddressMain::rebuildIndexes(const QString& notice)
{
    return RebuildOpenAddressFile(this, TableQVW, notice) && CheckValidIndex(TableQVW);
}

void TAddressMain::closeEvent(QCloseEvent* event)
{
    QApplication::processEvents();
    // Closing never stores a half-typed record.
    TableQVW.Cancel();
    TableQVW.Close();
    TWindowPlacement(settings_.ini()).save(this);
    event->accept();
}

void TAddressMain::TableQVWAfterPost()
{
    if (eventReactions_)
        SetButtons();
    SetSkipFields(false);
    CheckCloseAndOpen();
}

// Closing and reopening the file after saves makes sure that what was saved
// is on disk and that the file still opens.
void TAddressMain::CheckCloseAndOpen()
{
    if (preferences_.aggressiveSave <= 0 || currentPath_.isEmpty())
        return;
    const int every = preferences_.aggressiveSave == 1 ? 5 : 1;
    if (++saveCounter_ < every)
        return;
    saveCounter_ = 0;
    const std::uint32_t recNo = TableQVW.RecNo();
    const QString order = currentOrderName_;
    TableQVW.DisableControls();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString folder = QDir::currentPath();
    TableQVW.Close();
    QDir::setCurrent(folder);
    if (reopenCurrentFile()) {
        SetCurrentOrder(order);
        ApplyFilter();
        TableQVW.GoTo(recNo);
        reloadMemo();
    } else {
        currentPath_.clear();
        TServices::messages().information(
            this, QStringLiteral("An error has occurred which may have resulted in lost data.\r\nPlease close and "
                                 "restart the program, and verify that the\r\nlast few changes were saved.\r\n\r\n"
                                 "If you see this message too often, turn off agressive saving\r\nfrom the "
                                 "Preferences screen"));
    }
    TableQVW.EnableControls();
    SetButtons();
    QApplication::restoreOverrideCursor();
}

bool TAddressMain::reopenCurrentFile()
{
    const QString path = currentPath_;
    for (int attempt = 0; attempt < kReopenAttempts; ++attempt) {
        if (OpenQVWDBF(path))
            return true;
    }
    return false;
}

} // namespace quorvel
