#include "app/main_menu.h"

#include "app/main_window.h"
#include "store/address_layout.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace quorvel {

TMainMenu::TMainMenu(TAddressMain& window) : QObject(&window), window_(window)
{
    window_.menuBar()->setObjectName(QStringLiteral("MainMenu"));
    buildFileMenu();
    buildEditMenu();
    buildRecordMenu();
    buildSortMenu();
}

QAction* TMainMenu::addItem(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    return item;
}

void TMainMenu::buildFileMenu()
{
    FileMenu = window_.menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("mnuFile"));
    TAddressMain* w = &window_;
    connect(addItem(FileMenu, QStringLiteral("&New Address Database"), QStringLiteral("mnuNewFile")),
            &QAction::triggered, w, &TAddressMain::NewFileMenuClick);
    connect(addItem(FileMenu, QStringLiteral("&Open Address DataBase"), QStringLiteral("mnuOpenFile")),
            &QAction::triggered, w, &TAddressMain::OpenFileMenuClick);
    FileMenu->addSeparator();
    connect(addItem(FileMenu, QStringLiteral("Pre&ferences"), QStringLiteral("mnuPreferences")), &QAction::triggered,
            w, &TAddressMain::PreferencesMenuClick);
    FileMenu->addSeparator();
    connect(addItem(FileMenu, QStringLiteral("E&xit "), QStringLiteral("mnuExit")), &QAction::triggered, w,
            &QWidget::close);
    recentSeparator_ = FileMenu->addSeparator();
}

void TMainMenu::buildEditMenu()
{
    EditMenu = window_.menuBar()->addMenu(QStringLiteral("Ed&it"));
    EditMenu->setObjectName(QStringLiteral("mnuEdit"));
    connect(addItem(EditMenu, QStringLiteral("&Undo typing"), QStringLiteral("mnuUndo"), QKeySequence::Undo),
            &QAction::triggered, this, [this] { sendToFocusedBox(QKeySequence::Undo); });
    connect(addItem(EditMenu, QStringLiteral("Cu&t"), QStringLiteral("mnuCut"), QKeySequence::Cut),
            &QAction::triggered, this, [this] { sendToFocusedBox(QKeySequence::Cut); });
    connect(addItem(EditMenu, QStringLiteral("&Copy"), QStringLiteral("mnuCopy"), QKeySequence::Copy),
            &QAction::triggered, this, &TMainMenu::copyFromFocusedBox);
    connect(addItem(EditMenu, QStringLiteral("&Paste"), QStringLiteral("mnuPaste"), QKeySequence::Paste),
            &QAction::triggered, this, [this] { sendToFocusedBox(QKeySequence::Paste); });
}

void TMainMenu::buildRecordMenu()
{
    RecordMenu = window_.menuBar()->addMenu(QStringLiteral("&Record"));
    RecordMenu->setObjectName(QStringLiteral("mnuRecord"));
    TAddressMain* w = &window_;
    const auto add = [this, w](const char* caption, const char* name, void (TAddressMain::*command)(),
                               const QKeySequence& keys = {}) {
        connect(addItem(RecordMenu, QString::fromLatin1(caption), QString::fromLatin1(name), keys),
                &QAction::triggered, w, command);
    };
    add("&First", "mnuFirst", &TAddressMain::FirstRecord, QKeySequence(Qt::CTRL | Qt::Key_Up));
    add("&Previous", "mnuPrior", &TAddressMain::PriorRecord, QKeySequence(Qt::CTRL | Qt::Key_Left));
    add("&Next", "mnuNext", &TAddressMain::NextRecord, QKeySequence(Qt::CTRL | Qt::Key_Right));
    add("&Last", "mnuLast", &TAddressMain::LastRecord, QKeySequence(Qt::CTRL | Qt::Key_Down));
    RecordMenu->addSeparator();
    add("&Add", "mnuAdd", &TAddressMain::AddButtonClick);
    add("&Edit", "mnuEditRecord", &TAddressMain::EditButtonClick);
    add("&Delete", "mnuDelete", &TAddressMain::DeleteButtonClick);
    RecordMenu->addSeparator();
    add("Copy To &Clipboard", "mnuCopyToClipboard", &TAddressMain::CopyToClipboardClick);
    add("Create a Duplicate &Record (Clone)", "mnuClone", &TAddressMain::CloneMenuClick);
}

void TMainMenu::buildSortMenu()
{
    SortMenu = window_.menuBar()->addMenu(QStringLiteral("&Sort"));
    SortMenu->setObjectName(QStringLiteral("mnuSort"));
    for (const TSortOrder& order : addressSortOrders()) {
        QAction* item = addItem(SortMenu, QString(order.caption), QStringLiteral("mnuSort") + QString(order.tag));
        item->setCheckable(true);
        const QString caption(order.caption);
        connect(item, &QAction::triggered, &window_, [this, caption] { window_.SetMenuOrder(caption); });
        sortItems_.append(item);
    }
}

void TMainMenu::apply(const TButtonStates& states)
{
    FileMenu->menuAction()->setEnabled(states.fileMenuEnabled);
    action(QStringLiteral("mnuExit"))->setEnabled(states.fileMenuEnabled);
    EditMenu->menuAction()->setEnabled(states.needsOpenFile);
    RecordMenu->menuAction()->setEnabled(states.recordMenuEnabled);
    SortMenu->menuAction()->setEnabled(states.needsRecord);
    for (const char* name : {"mnuFirst", "mnuPrior", "mnuNext", "mnuLast", "mnuEditRecord", "mnuDelete",
                             "mnuCopyToClipboard", "mnuClone"})
        action(QString::fromLatin1(name))->setEnabled(states.recordMenuEnabled && states.needsRecord);
    action(QStringLiteral("mnuAdd"))->setEnabled(states.recordMenuEnabled && states.addEnabled);
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

QAction* TMainMenu::action(const QString& objectName) const { return window_.findChild<QAction*>(objectName); }

void TMainMenu::sendToFocusedBox(const QKeySequence& keys)
{
    QWidget* focused = QApplication::focusWidget();
    if (!qobject_cast<QLineEdit*>(focused) && !qobject_cast<QPlainTextEdit*>(focused))
        return;
    const QKeyCombination combination = keys[0];
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(focused, &press);
}

void TMainMenu::copyFromFocusedBox()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focused))
        line->copy();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(focused))
        memo->copy();
}

} // namespace quorvel
