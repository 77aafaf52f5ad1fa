#include "app/main_menu.h"

#include "app/hand_over.h"
#include "app/hand_over_dialogs.h"
#include "app/hand_over_printer.h"
#include "app/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace quorvel {

QUrl productWebSite()
{
    return QUrl(QStringLiteral("https://www.quorvel.org/"));
}

TMainMenu::TMainMenu(TAddressMain& window)
    : QObject(&window)
    , window_(window)
{
    window_.menuBar()->setObjectName(QStringLiteral("MainMenu"));
    buildFileMenu();
    buildEditMenu();
    buildRecordMenu();
    buildSortMenu();
    buildUtilitiesMenu();
    buildPrintMenu();
    buildOnlineMenu();
    buildHelpMenu();
    connectToolBar();
}

QMenu* TMainMenu::addMenu(const QString& caption, const QString& name)
{
    QMenu* menu = window_.menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Item"));
    return menu;
}

QAction* TMainMenu::addItem(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

QAction* TMainMenu::addHandOverItem(
    QMenu* menu, const QString& caption, const QString& name, THandOverCommand command, const QKeySequence& shortcut)
{
    QAction* item = addItem(menu, caption, name, shortcut);
    connect(item, &QAction::triggered, this, [this, command] { runHandOver(command); });
    handOverItems_.append({ item, command });
    return item;
}

void TMainMenu::runHandOver(THandOverCommand command)
{
    TSharedDevicePrinter printer;
    THandOver(window_, printer).run(command, handOverDialog(command));
}

void TMainMenu::apply(const TButtonStates& states)
{
    applyFileMenu(states);
    EditMenu->menuAction()->setEnabled(states.needsOpenFile);
    RecordMenu->menuAction()->setEnabled(states.recordMenuEnabled);
    SortMenu->menuAction()->setEnabled(states.needsRecord);
    UtilitiesMenu->menuAction()->setEnabled(states.needsRecord);
    PrintMenu->menuAction()->setEnabled(states.needsRecord);
    for (const char* name : { "mnuFirst", "mnuPrior", "mnuNext", "mnuLast", "mnuEditRecord", "mnuDelete",
             "mnuCopyToClipboard", "mnuClone" })
        action(QString::fromLatin1(name))->setEnabled(states.recordMenuEnabled && states.needsRecord);
    action(QStringLiteral("mnuAdd"))->setEnabled(states.recordMenuEnabled && states.addEnabled);
    applyHandOverItems(states);
}

namespace {

// The imports need a file open, nothing more; the other hand-overs need a
// record to browse on.
bool allowedByRules(THandOverCommand command, const TButtonStates& states)
{
    using C = THandOverCommand;
    const bool import = command == C::hoAsciiImport || command == C::hoDbfImport || command == C::hoImportOlder1
        || command == C::hoImportOlder2;
    return import ? states.needsOpenFile : states.needsRecord;
}

} // namespace

// A hand-over item or button works when the rules allow its command and the
// program has the window it opens; a button thus comes alive together with
// its window, wherever it was marked as having none.
void TMainMenu::applyHandOverItems(const TButtonStates& states)
{
    for (const auto& [item, command] : handOverItems_)
        item->setEnabled(allowedByRules(command, states) && static_cast<bool>(handOverDialog(command)));
    for (const auto& [button, command] : handOverButtons_)
        button->setEnabled(allowedByRules(command, states) && static_cast<bool>(handOverDialog(command)));
}

void TMainMenu::checkSortOrder(const QString& orderName)
{
    const QString wanted = orderName.toUpper();
    for (QAction* item : sortItems_)
        item->setChecked(item->text().mid(1).toUpper() == wanted);
}

void TMainMenu::setRecentFiles(const QStringList& paths)
{
    qDeleteAll(recentItems_);
    recentItems_.clear();
    int number = 1;
    for (const QString& path : paths) {
        QAction* item = FileMenu->addAction(path);
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(number++));
        connect(item, &QAction::triggered, &window_, [this, path] { window_.MRUItemClick(path); });
        recentItems_.append(item);
    }
    recentSeparator_->setVisible(!paths.isEmpty());
}

QAction* TMainMenu::action(const QString& objectName) const
{
    return window_.findChild<QAction*>(objectName);
}

} // namespace quorvel
