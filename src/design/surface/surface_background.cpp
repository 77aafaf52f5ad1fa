#include "design/surface/surface_background.h"

#include <QPainter>

namespace design {

namespace {

constexpr int kCornerDiameter = 24;
const QColor kGridDotColor(0x00, 0x80, 0x00);

void AddShape(QPainterPath& path, TLabelShapeType shape, const QRectF& rect)
{
    switch (shape) {
    case TLabelShapeType::lsRectangle:
        path.addRect(rect);
        break;
    case TLabelShapeType::lsRoundRect:
        path.addRoundedRect(rect, kCornerDiameter / 2.0, kCornerDiameter / 2.0);
        break;
    case TLabelShapeType::lsEllipse:
        path.addEllipse(rect);
        break;
    }
}

QImage GridTile(TGridSize size)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (IsGridDot(x, y, size))
                tile.setPixelColor(x, y, kGridDotColor);
        }
    }
    return tile;
}

void PaintPicture(QPainter& painter, const QImage& picture, const QPainterPath& clip, QSize size)
{
    if (picture.isNull())
        return;
    painter.save();
    painter.setClipPath(clip);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    painter.restore();
}

} // namespace

QPainterPath ShapeRegion(TLabelShapeType shape, QSize size)
{
    QPainterPath path;
    AddShape(path, shape, QRectF(0, 0, size.width() + 1, size.height() + 1));
    return path;
}

bool IsGridDot(int x, int y, TGridSize size)
{
    const int step = GridStep(size);
    const auto onDot = [step](int v) { return ((v % step) + step) % step == 2; };
    return onDot(x) && onDot(y);
}

void PaintBackground(QPainter& painter, QSize size, const TGSurfaceBackground& background)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const QPainterPath clip = ShapeRegion(background.Shape, size);
    PaintPicture(painter, background.Picture, clip, size);
    PaintPicture(painter, background.ColorPicture, clip, size);
    if (background.DrawOutline) {
        painter.save();
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        QPainterPath outline;
        AddShape(outline, background.Shape, QRectF(0, 0, size.width() - 1, size.height() - 1));
        painter.drawPath(outline);
        painter.restore();
    }
    if (background.ShowGrid) {
        // The dots darken what lies under them, as a mask would; on white
        // they show in green, over a picture they stay visible.
        painter.save();
        painter.setClipPath(clip);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(QRect(QPoint(0, 0), size), QBrush(GridTile(background.GridSize)));
        painter.restore();
    }
}

} // namespace design
