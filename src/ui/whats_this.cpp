#include "ui/whats_this.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWhatsThis>

namespace quorvel {

namespace {

// Edit boxes keep their cut/copy/paste menu; the help entry comes last.
QMenu* editMenuOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QTextEdit*>(control))
        return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        return edit->createStandardContextMenu();
    return nullptr;
}

void popUpMenu(QWidget* control, const QPoint& position)
{
    QMenu* menu = createWhatsThisMenu(control);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(control->mapToGlobal(position));
}

} // namespace

void setWhatsThisText(QWidget* control, const QString& text)
{
    control->setWhatsThis(text);
    if (control->contextMenuPolicy() == Qt::CustomContextMenu)
        return;
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control,
                     [control](const QPoint& position) { popUpMenu(control, position); });
}

QMenu* createWhatsThisMenu(QWidget* control)
{
    QMenu* menu = editMenuOf(control);
    if (menu)
        menu->addSeparator();
    else
        menu = new QMenu(control);
    menu->setObjectName(QStringLiteral("WhatsThisMenu"));
    QAction* action = menu->addAction(QStringLiteral("What's this?"));
    action->setObjectName(QStringLiteral("WhatsThisAction"));
    QObject::connect(action, &QAction::triggered, control, [control] {
        QWhatsThis::showText(control->mapToGlobal(control->rect().center()), control->whatsThis(), control);
    });
    return menu;
}

} // namespace quorvel
