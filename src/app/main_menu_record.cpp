// The "Ed&it", "&Record" and "&Sort" menus.
#include "app/main_menu.h"
#include "app/main_window.h"
#include "store/address_layout.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace quorvel {

void TMainMenu::buildEditMenu()
{
    EditMenu = addMenu(QStringLiteral("Ed&it"), QStringLiteral("mnuEdit"));
    connect(addItem(EditMenu, QStringLiteral("&Undo typing"), QStringLiteral("mnuUndo"), QKeySequence::Undo),
        &QAction::triggered, this, [this] { sendToFocusedBox(QKeySequence::Undo); });
    EditMenu->addSeparator();
    connect(addItem(EditMenu, QStringLiteral("Cu&t"), QStringLiteral("mnuCut"), QKeySequence::Cut), &QAction::triggered,
        this, [this] { sendToFocusedBox(QKeySequence::Cut); });
    connect(addItem(EditMenu, QStringLiteral("&Copy"), QStringLiteral("mnuCopy"), QKeySequence::Copy),
        &QAction::triggered, this, &TMainMenu::copyFromFocusedBox);
    connect(addItem(EditMenu, QStringLiteral("&Paste"), QStringLiteral("mnuPaste"), QKeySequence::Paste),
        &QAction::triggered, this, [this] { sendToFocusedBox(QKeySequence::Paste); });
}

void TMainMenu::buildRecordMenu()
{
    RecordMenu = addMenu(QStringLiteral("&Record"), QStringLiteral("mnuRecord"));
    TAddressMain* w = &window_;
    const auto add = [this, w](const char* caption, const char* name, void (TAddressMain::*command)(),
                         const QKeySequence& keys = {}) {
        connect(addItem(RecordMenu, QString::fromLatin1(caption), QString::fromLatin1(name), keys), &QAction::triggered,
            w, command);
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
    SortMenu = addMenu(QStringLiteral("&Sort"), QStringLiteral("mnuSort"));
    for (const TSortOrder& order : addressSortOrders()) {
        QAction* item = addItem(SortMenu, QString(order.caption), QStringLiteral("mnuSort") + QString(order.tag));
        item->setCheckable(true);
        const QString caption(order.caption);
        connect(item, &QAction::triggered, &window_, [this, caption] { window_.SetMenuOrder(caption); });
        sortItems_.append(item);
    }
}

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
