#include "app/startup.h"

#include "app/getting_started.h"
#include "app/preferences_dialog.h"
#include "store/settings.h"
#include "ui/centring.h"
#include "ui/help_library.h"
#include "ui/qt_printer_source.h"
#include "ui/services.h"

#include <QTimer>
#include <QWidget>

namespace quorvel {

bool checkPrinter(QWidget* parent)
{
    TQtPrinterSource printers;
    return checkPrinterPresent(printers, TServices::messages(), parent);
}

void showGettingStartedAfterStartup(QWidget* mainWindow, TSettings& settings)
{
    if (settings.gettingStartedOff())
        return;
    QTimer::singleShot(0, mainWindow, [mainWindow, &settings] { showGettingStarted(mainWindow, settings); });
}

void showGettingStarted(QWidget* mainWindow, TSettings& settings)
{
    TGettingStarted screen(settings, THelpLibrary::defaultFolder(), mainWindow);
    centreWindow(&screen, mainWindow);
    screen.exec();
}

TProgramPreferences runPreferences(QWidget* mainWindow, TSettings& settings)
{
    {
        TPreferences dialog(settings, mainWindow);
        centreWindow(&dialog, mainWindow);
        dialog.exec();
    }
    return settings.loadPreferences();
}

} // namespace quorvel
