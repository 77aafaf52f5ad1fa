#include "app/main_window.h"
#include "app/output_services.h"
#include "app/single_instance.h"
#include "store/home_folder.h"
#include "store/home_preparation.h"
#include "store/ini_file.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_messages.h"
#include "ui/services.h"
#include "ui/viewer_help.h"

#include <QApplication>

using namespace quorvel;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    THomeFolder home(THomeFolder::defaultRoot());
    TJustOne justOne(home.root());
    if (justOne.start() == TJustOne::TRole::Second)
        return 0;

    TQtMessages messages;
    TQtDialogs dialogs;
    TViewerHelp help;
    const TServicesScope services(messages, dialogs, help);

    const THomePreparation prepared = PrepareHomeFolder(home);
    if (!prepared) {
        messages.error(nullptr, prepared.failure);
        return 1;
    }
    // Without the supplied tables only the label designer and the state/ZIP
    // check suffer, so start-up goes on after saying so.
    if (!prepared.tableProblems.isEmpty())
        messages.error(nullptr, prepared.tableProblems.join(QStringLiteral("\r\n")));

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TAddressMain window(home.root());
    // Printing and previews ask and tell through the same boxes as the rest
    // of the program, and the preview remembers its place in the settings.
    TIniFile settingsFile(home.iniPath());
    TOutputServices outputServices(settingsFile, [&window] { return &window; });
    const TOutputServicesScope outputScope(outputServices);
    QObject::connect(&justOne, &TJustOne::activationRequested, &window, [&window] { bringToFront(&window); });
    QApplication::restoreOverrideCursor();
    window.show();
    return QApplication::exec();
}
