#include "output/magnifier_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace output {

QCursor MagnifierCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.drawLine(QPointF(17, 17), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.drawLine(QPointF(17, 17), QPointF(28, 28));
    painter.end();
    return QCursor(pixmap, 11, 11);
}

} // namespace output
