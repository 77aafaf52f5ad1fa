// The "&File" menu: files, browse and search, import and export, filters
// and tags, the two rebuilds, preferences and the recent files.
#include "app/main_menu.h"
#include "app/main_window.h"

#include <QAction>
#include <QMenu>

namespace quorvel {

void TMainMenu::buildFileMenu()
{
    FileMenu = addMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    TAddressMain* w = &window_;
    connect(addItem(FileMenu, QStringLiteral("&New Address Database"), QStringLiteral("mnuNewFile")),
        &QAction::triggered, w, &TAddressMain::NewFileMenuClick);
    connect(addItem(FileMenu, QStringLiteral("&Open Address DataBase"), QStringLiteral("mnuOpenFile")),
        &QAction::triggered, w, &TAddressMain::OpenFileMenuClick);
    FileMenu->addSeparator();
    connect(
        addItem(FileMenu, QStringLiteral("&Browse"), QStringLiteral("mnuBrowse"), QKeySequence(Qt::CTRL | Qt::Key_B)),
        &QAction::triggered, w, &TAddressMain::BrowseClick);
    connect(
        addItem(FileMenu, QStringLiteral("&Search"), QStringLiteral("mnuSearch"), QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, w, &TAddressMain::SearchClick);
    FileMenu->addSeparator();
    addImportMenu();
    addHandOverItem(FileMenu, QStringLiteral("&Export "), QStringLiteral("mnuExport"), THandOverCommand::hoExport);
    FileMenu->addSeparator();
    addFilterItems();
    FileMenu->addSeparator();
    addFileCommands();
}

void TMainMenu::addImportMenu()
{
    ImportMenu = FileMenu->addMenu(QStringLiteral("&Import"));
    ImportMenu->setObjectName(QStringLiteral("mnuImport"));
    ImportMenu->menuAction()->setObjectName(QStringLiteral("mnuImportItem"));
    addHandOverItem(ImportMenu, QStringLiteral("Import from &DBF File"), QStringLiteral("mnuImportDbf"),
        THandOverCommand::hoDbfImport);
    addHandOverItem(ImportMenu, QStringLiteral("Import from &ASCII File"), QStringLiteral("mnuImportAscii"),
        THandOverCommand::hoAsciiImport);
    addHandOverItem(ImportMenu, QStringLiteral("Import from Quorvel 1.x DBF"), QStringLiteral("mnuImportOlder1"),
        THandOverCommand::hoImportOlder1);
    addHandOverItem(ImportMenu, QStringLiteral("Import from Quorvel 2.x DBF"), QStringLiteral("mnuImportOlder2"),
        THandOverCommand::hoImportOlder2);
}

void TMainMenu::addFilterItems()
{
    TAddressMain* w = &window_;
    const auto add = [this, w](const char* caption, const char* name, void (TAddressMain::*command)(),
                         const QKeySequence& keys = {}) {
        connect(addItem(FileMenu, QString::fromLatin1(caption), QString::fromLatin1(name), keys), &QAction::triggered,
            w, command);
    };
    add("Set &Filter", "mnuSetFilter", &TAddressMain::SetFilterClick, QKeySequence(Qt::CTRL | Qt::Key_F));
    add("&Clear Filter", "mnuClearFilter", &TAddressMain::ClearFilterClick);
    add("&Save Filter", "mnuSaveFilter", &TAddressMain::SaveFilterClick);
    add("&Restore Filter", "mnuRestoreFilter", &TAddressMain::RestoreFilterClick);
    FileMenu->addSeparator();
    add("Clear &Tags", "mnuClearTags", &TAddressMain::ClearTagsClick);
    add("&Tag All Filter Matches", "mnuTagAll", &TAddressMain::TagAllClick);
}

void TMainMenu::addFileCommands()
{
    TAddressMain* w = &window_;
    connect(addItem(FileMenu, QStringLiteral("&Rebuild Indexes for this file"), QStringLiteral("mnuRebuildIndexes")),
        &QAction::triggered, w, &TAddressMain::RebuildIndexesClick);
    connect(
        addItem(FileMenu, QStringLiteral("Rebuild S&ystem File indexes"), QStringLiteral("mnuRebuildSystemIndexes")),
        &QAction::triggered, w, &TAddressMain::RebuildSystemIndexesClick);
    FileMenu->addSeparator();
    connect(addItem(FileMenu, QStringLiteral("Pre&ferences"), QStringLiteral("mnuPreferences")), &QAction::triggered, w,
        &TAddressMain::PreferencesMenuClick);
    FileMenu->addSeparator();
    connect(addItem(FileMenu, QStringLiteral("E&xit "), QStringLiteral("mnuExit")), &QAction::triggered, w,
        &QWidget::close);
    recentSeparator_ = FileMenu->addSeparator();
}

void TMainMenu::applyFileMenu(const TButtonStates& states)
{
    FileMenu->menuAction()->setEnabled(states.fileMenuEnabled);
    action(QStringLiteral("mnuExit"))->setEnabled(states.fileMenuEnabled);
    // "&Browse" and "&Search" do what their buttons do, and only when the
    // buttons can.
    for (const char* name : { "Browse", "Search" }) {
        const QString base = QString::fromLatin1(name);
        const QWidget* button = window_.findChild<QWidget*>(base + QStringLiteral("Button"));
        action(QStringLiteral("mnu") + base)->setEnabled(button && button->isEnabled());
    }
    ImportMenu->menuAction()->setEnabled(states.needsOpenFile);
    for (const char* name : { "mnuRebuildIndexes", "mnuRestoreFilter", "mnuClearTags" })
        action(QString::fromLatin1(name))->setEnabled(states.needsOpenFile);
    for (const char* name : { "mnuClearFilter", "mnuSaveFilter", "mnuTagAll" })
        action(QString::fromLatin1(name))->setEnabled(states.filterCommandsEnabled);
    action(QStringLiteral("mnuSetFilter"))->setEnabled(states.setFilterEnabled);
}

} // namespace quorvel
