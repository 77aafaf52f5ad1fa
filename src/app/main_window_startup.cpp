// The main window's first activation: placement, preferences, the first
// address file, the printer check and "Getting Started"; and keeping the
// window reachable when it is made larger than the desktop allows.
#include "app/main_window.h"

#include "store/address_file.h"
#include "store/address_names.h"
#include "app/startup.h"
#include "ui/centring.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QResizeEvent>
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

void TAddressMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (windowState() != Qt::WindowNoState)
        return;
    const QPoint kept = keptOnDesktop(frameGeometry(), currentScreenMetrics().desktop);
    if (kept != frameGeometry().topLeft())
        move(kept);
}

} // namespace quorvel
