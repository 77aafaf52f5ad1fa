#include "design/panels/panel_menu.h"

#include <QMenu>

namespace design {

QString MenuObjectName(const QString& caption)
{
    QString name = QStringLiteral("mnu");
    for (const QChar c : caption) {
        if (c.isLetterOrNumber())
            name.append(c);
    }
    return name;
}

void FillMenu(QMenu& menu, const TGMenuItems& items)
{
    for (const TGMenuItem& item : items) {
        if (item.Caption == QStringLiteral("-")) {
            menu.addSeparator();
            continue;
        }
        if (!item.Items.empty()) {
            QMenu* submenu = menu.addMenu(item.Caption);
            submenu->setObjectName(MenuObjectName(item.Caption));
            FillMenu(*submenu, item.Items);
            continue;
        }
        QAction* action = menu.addAction(item.Caption);
        action->setObjectName(MenuObjectName(item.Caption));
        action->setCheckable(item.Checkable);
        action->setChecked(item.Checked);
        if (item.Action)
            QObject::connect(action, &QAction::triggered, &menu, [run = item.Action] { run(); });
    }
}

} // namespace design
