// The "&Utilities", "&Print", "Online" and "&Help" menus, and the tool-bar
// and record-page buttons that do what one of their items does.
#include "app/about_box.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

namespace quorvel {

void TMainMenu::buildUtilitiesMenu()
{
    UtilitiesMenu = addMenu(QStringLiteral("&Utilities"), QStringLiteral("mnuUtilities"));
    using C = THandOverCommand;
    addHandOverItem(UtilitiesMenu, QStringLiteral("Count &Zip Codes"), QStringLiteral("mnuCountZip"), C::hoCountZip);
    UtilitiesMenu->addSeparator();
    addHandOverItem(UtilitiesMenu, QStringLiteral("Check && Repair &State and Zip Codes"),
        QStringLiteral("mnuStateZip"), C::hoStateZip);
    addHandOverItem(UtilitiesMenu, QStringLiteral("Con&vert Case"), QStringLiteral("mnuConvertCase"), C::hoConvertCase);
    addHandOverItem(
        UtilitiesMenu, QStringLiteral("Delete &Records"), QStringLiteral("mnuDeleteRecords"), C::hoDeleteRecords);
    addHandOverItem(UtilitiesMenu, QStringLiteral("&Search && Replace Field Values"),
        QStringLiteral("mnuSearchReplace"), C::hoSearchReplace);
    UtilitiesMenu->addSeparator();
    addHandOverItem(
        UtilitiesMenu, QStringLiteral("Check && Repair &Duplicates"), QStringLiteral("mnuDuplicates"), C::hoDuplicates);
}

void TMainMenu::buildPrintMenu()
{
    PrintMenu = addMenu(QStringLiteral("&Print"), QStringLiteral("mnuPrint"));
    using C = THandOverCommand;
    const auto add = [this](const char* caption, const char* name, C command, Qt::Key key) {
        addHandOverItem(
            PrintMenu, QString::fromLatin1(caption), QString::fromLatin1(name), command, QKeySequence(Qt::CTRL | key));
    };
    add("Print &Labels", "mnuPrintLabels", C::hoLabels, Qt::Key_L);
    add("Print Le&tters", "mnuPrintLetters", C::hoLetters, Qt::Key_T);
    add("Print &Envelopes", "mnuPrintEnvelopes", C::hoEnvelopes, Qt::Key_E);
    add("Print &Reports", "mnuPrintReports", C::hoReports, Qt::Key_R);
    PrintMenu->addSeparator();
    add("Print C&urrent Record", "mnuPrintCurrentRecord", C::hoCurrentRecord, Qt::Key_P);
}

void TMainMenu::buildOnlineMenu()
{
    QMenu* online = addMenu(QStringLiteral("Online"), QStringLiteral("mnuOnline"));
    // The desktop's own browser; tests catch the address with a URL handler.
    connect(addItem(online, QStringLiteral(" Visit Our Internet Website"), QStringLiteral("mnuWebSite")),
        &QAction::triggered, this, [] { QDesktopServices::openUrl(productWebSite()); });
}

void TMainMenu::buildHelpMenu()
{
    QMenu* help = addMenu(QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    connect(addItem(help, QStringLiteral("&Contents"), QStringLiteral("mnuHelpContents")), &QAction::triggered, this,
        [] { TServices::help().showContents(); });
    connect(addItem(help, QStringLiteral("&Getting Started"), QStringLiteral("mnuGettingStarted")), &QAction::triggered,
        this, [this] { showGettingStarted(&window_, window_.settings()); });
    connect(addItem(help, QStringLiteral("&About..."), QStringLiteral("mnuAbout")), &QAction::triggered, this, [this] {
        TAboutBox about(&window_);
        centreWindow(&about, &window_);
        about.exec();
    });
    help->addSeparator();
    connect(addItem(help, QStringLiteral("Search for Help On"), QStringLiteral("mnuHelpSearch")), &QAction::triggered,
        this, [] { TServices::help().showSearch(); });
    connect(addItem(help, QStringLiteral("How to Use Help"), QStringLiteral("mnuHowToUseHelp")), &QAction::triggered,
        this, [] { TServices::help().showTopic(help_context::kHowToUseHelp); });
}

// The print buttons do what their "&Print" items do, the dial buttons hand
// the record's number to the dialer.
void TMainMenu::connectToolBar()
{
    using C = THandOverCommand;
    const std::pair<const char*, C> buttons[] = {
        { "LabelsButton", C::hoLabels },
        { "LettersButton", C::hoLetters },
        { "EnvelopesButton", C::hoEnvelopes },
        { "ReportsButton", C::hoReports },
        { "DialPhone1Button", C::hoDialPhone1 },
        { "DialPhone2Button", C::hoDialPhone2 },
    };
    for (const auto& [name, command] : buttons) {
        auto* button = window_.findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(button, &QAbstractButton::clicked, this, [this, command] { runHandOver(command); });
        handOverButtons_.append({ button, command });
    }
}

} // namespace quorvel
