#pragma once

#include "app/button_rules.h"

#include <QList>
#include <QKeySequence>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace quorvel {

class TAddressMain;

// The main window's menu bar: "&File", "Ed&it", "&Record" and "&Sort". Each
// item calls one command of the window; the window tells the menu which
// items its rules allow.
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
    void buildFileMenu();
    void buildEditMenu();
    void buildRecordMenu();
    void buildSortMenu();
    void sendToFocusedBox(const QKeySequence& keys);
    void copyFromFocusedBox();

    TAddressMain& window_;
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* RecordMenu = nullptr;
    QMenu* SortMenu = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    QList<QAction*> sortItems_;
};

} // namespace quorvel
