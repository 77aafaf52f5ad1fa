// The main window's first activation: placement, preferences, the first
// address file, the printer check and "Getting Started".
#include "app/main_window.h"

#include "store/address_file.h"
#include "store/address_names.h"
#include "app/startup.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QStackedLayout>
#include <QTimer>

namespace quorvel {

void TAddressMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The start-up asks questions and shows messages, so it runs once the
    // window is on the screen, not inside its showing.
    if (firstActivation_ && !startupQueued_) {
        startupQueued_ = true;
        QTimer::singleShot(0, this, &TAddressMain::FormActivate);
    }
}

void TAddressMain::FormActivate()
{
    TWindowPlacement(settings_.ini()).restore(this, nullptr);
    controls_.RecordStack->parentWidget()->hide();
    setWindowTitle(QStringLiteral("Quorvel"));
    controls_.NoDataPanel->setText(noDataPanelText());
    QApplication::processEvents();
    eventReactions_ = true;
    filter_.ClearQueryVars();
    preferences_ = settings_.loadPreferences();
    TableQVW.setGlobalTagId(preferences_.globalTagId);
    ApolloEnv1.sx_ErrorLevel(0);
    ApolloEnv1.sx_SetDeleted(true);
    openFirstFile();
    if (TableQVW.Active())
        ApplyFilter();
    UpdateMenuMRUList();
    SetButtons();
    checkPrinter(this);
    firstActivation_ = false;
    showGettingStartedAfterStartup(this, settings_);
    controls_.RecordStack->parentWidget()->show();
}

bool TAddressMain::openFirstFile()
{
    const TStartupAddressFile first = startupAddressFile(settings_.mru().first(), home_.dataFolder());
    if (first.create && !createAddressFile(first.path, settings_.newFileFieldLengths()))
        return false;
    return OpenQVWDBF(first.path);
}

} // namespace quorvel
