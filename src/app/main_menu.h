#pragma once

#include "app/button_rules.h"
#include "app/hand_over_plan.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStringList>
#include <utility>

class QAbstractButton;
class QAction;
class QMenu;
class QUrl;

namespace quorvel {

class TAddressMain;

// The main window's menu bar: "&File", "Ed&it", "&Record", "&Sort",
// "&Utilities", "&Print", "Online" and "&Help", and the tool-bar buttons
// that do what a menu item does. Each item calls one command of the window
// or hands the address file to another window; the window tells the menu
// which items its rules allow.
class TMainMenu : public QObject {
    Q_OBJECT
public:
    explicit TMainMenu(TAddressMain& window);

    void apply(const TButtonStates& states);
    // Checks exactly the order of that name (any letter case).
    void checkSortOrder(const QString& orderName);
    // The recent files below "E&xit ", most recent first.
    void setRecentFiles(const QStringList& paths);

    QAction* action(const QString& objectName) const;

private:
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut = {});
    // An item that hands the address file to the command's window.
    QAction* addHandOverItem(QMenu* menu, const QString& caption, const QString& name, THandOverCommand command,
        const QKeySequence& shortcut = {});
    QMenu* addMenu(const QString& caption, const QString& name);
    void buildFileMenu();
    void addFileCommands();
    void addFilterItems();
    void addImportMenu();
    void buildEditMenu();
    void buildRecordMenu();
    void buildSortMenu();
    void buildUtilitiesMenu();
    void buildPrintMenu();
    void buildOnlineMenu();
    void buildHelpMenu();
    void connectToolBar();
    void runHandOver(THandOverCommand command);
    void applyFileMenu(const TButtonStates& states);
    void applyHandOverItems(const TButtonStates& states);
    void sendToFocusedBox(const QKeySequence& keys);
    void copyFromFocusedBox();

    TAddressMain& window_;
    QMenu* FileMenu = nullptr;
    QMenu* ImportMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* RecordMenu = nullptr;
    QMenu* SortMenu = nullptr;
    QMenu* UtilitiesMenu = nullptr;
    QMenu* PrintMenu = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    QList<QAction*> sortItems_;
    QList<std::pair<QAction*, THandOverCommand>> handOverItems_;
    QList<std::pair<QAbstractButton*, THandOverCommand>> handOverButtons_;
};

// The product's web site, opened by " Visit Our Internet Website".
QUrl productWebSite();

} // namespace quorvel
