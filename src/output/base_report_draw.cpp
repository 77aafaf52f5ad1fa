#include "output/base_report.h"

namespace output {

void TBaseReport::SelectPen(QRgb color, TPenStyle style, int width, TPenMode mode)
{
    pen_ = TPenSpec{color, style, width, mode};
}

void TBaseReport::SelectBrush(QRgb color, TBrushStyle style, const QImage& bitmap)
{
    brush_.color = color;
    brush_.style = style;
    brush_.pattern = bitmap;
}

void TBaseReport::MovePenTo(double x, double y)
{
    penPosition_ = QPointF(toInches(x), toInches(y));
}

void TBaseReport::LineToPoint(double x, double y)
{
    const QPointF from = penPosition_;
    MovePenTo(x, y);
    emitShape(skLine, from.x(), from.y(), penPosition_.x(), penPosition_.y());
}

void TBaseReport::emitShape(TShapeKind kind, double x1, double y1, double x2, double y2)
{
    RequireDrawing();
    TShapeOp op;
    op.kind = kind;
    op.rect = QRectF(sheetPoint(x1, y1), sheetPoint(x2, y2));
    if (kind != skLine)
        op.rect = op.rect.normalized();
    op.pen = pen_;
    op.brush = brush_;
    Emit(std::move(op));
}

void TBaseReport::DrawRectangle(double x1, double y1, double x2, double y2)
{
    emitShape(skRectangle, toInches(x1), toInches(y1), toInches(x2), toInches(y2));
}

void TBaseReport::DrawEllipse(double x1, double y1, double x2, double y2)
{
    emitShape(skEllipse, toInches(x1), toInches(y1), toInches(x2), toInches(y2));
}

void TBaseReport::DrawRoundRect(double x1, double y1, double x2, double y2, double w, double h)
{
    RequireDrawing();
    TShapeOp op;
    op.kind = skRoundRect;
    op.rect = QRectF(sheetPoint(toInches(x1), toInches(y1)), sheetPoint(toInches(x2), toInches(y2))).normalized();
    op.corner = QSizeF(toInches(w), toInches(h));
    op.pen = pen_;
    op.brush = brush_;
    Emit(std::move(op));
}

void TBaseReport::emitArc(TShapeKind kind, double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4)
{
    RequireDrawing();
    TShapeOp op;
    op.kind = kind;
    op.rect = QRectF(sheetPoint(toInches(x1), toInches(y1)), sheetPoint(toInches(x2), toInches(y2))).normalized();
    op.start = sheetPoint(toInches(x3), toInches(y3));
    op.end = sheetPoint(toInches(x4), toInches(y4));
    op.pen = pen_;
    op.brush = brush_;
    Emit(std::move(op));
}

void TBaseReport::DrawArc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    emitArc(skArc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TBaseReport::DrawChord(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    emitArc(skChord, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TBaseReport::DrawPie(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    emitArc(skPie, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TBaseReport::DrawPolygon(const std::vector<QPointF>& points)
{
    RequireDrawing();
    TShapeOp op;
    op.kind = skPolygon;
    for (const QPointF& p : points)
        op.points.push_back(sheetPoint(toInches(p.x()), toInches(p.y())));
    op.pen = pen_;
    op.brush = brush_;
    Emit(std::move(op));
}

void TBaseReport::DrawPolyline(const std::vector<QPointF>& points)
{
    RequireDrawing();
    TShapeOp op;
    op.kind = skPolyline;
    for (const QPointF& p : points)
        op.points.push_back(sheetPoint(toInches(p.x()), toInches(p.y())));
    op.pen = pen_;
    op.brush.style = bsClear;
    Emit(std::move(op));
}

void TBaseReport::FillArea(double x1, double y1, double x2, double y2)
{
    const TPenSpec pen = pen_;
    pen_.style = psClear;
    emitShape(skRectangle, toInches(x1), toInches(y1), toInches(x2), toInches(y2));
    pen_ = pen;
}

// A one-pixel frame in the brush's colour, the way framing a rectangle with a
// brush looks on paper.
void TBaseReport::FrameArea(double x1, double y1, double x2, double y2)
{
    const TPenSpec pen = pen_;
    const TBrushSpec brush = brush_;
    pen_ = TPenSpec{brush_.color, psSolid, 1, pmCopy};
    brush_.style = bsClear;
    emitShape(skRectangle, toInches(x1), toInches(y1), toInches(x2), toInches(y2));
    pen_ = pen;
    brush_ = brush;
}

void TBaseReport::emitImage(const QRectF& inches, const QImage& image)
{
    RequireDrawing();
    if (image.isNull())
        return;
    Emit(TImageOp{inches.normalized(), image});
}

void TBaseReport::DrawBitmapInBox(double x1, double y1, double x2, double y2, const QImage& bitmap)
{
    emitImage(QRectF(sheetPoint(toInches(x1), toInches(y1)), sheetPoint(toInches(x2), toInches(y2))), bitmap);
}

// Bitmap pixels are device pixels of the printer the job is set up for, so
// the preview shows the size the paper will get.
void TBaseReport::DrawBitmapScaled(double x, double y, double scaleX, double scaleY, const QImage& bitmap)
{
    const TDeviceMapping mapping = Mapping();
    const QPointF at = sheetPoint(toInches(x), toInches(y));
    const QSizeF size(bitmap.width() * scaleX / mapping.pixelsPerInchX,
                      bitmap.height() * scaleY / mapping.pixelsPerInchY);
    emitImage(QRectF(at, size), bitmap);
}

void TBaseReport::StretchGraphic(const QRect& deviceRect, const QImage& graphic)
{
    const TDeviceMapping mapping = Mapping();
    const auto inchX = [&](double px) { return (px / mapping.pixelsPerInchX + mapping.unprintableLeft) / mapping.factorX(); };
    const auto inchY = [&](double px) { return (px / mapping.pixelsPerInchY + mapping.unprintableTop) / mapping.factorY(); };
    const QRectF inches(QPointF(inchX(deviceRect.left()), inchY(deviceRect.top())),
                        QPointF(inchX(deviceRect.left() + deviceRect.width()), inchY(deviceRect.top() + deviceRect.height())));
    emitImage(inches, graphic);
}

void TBaseReport::DrawGraphicAt(double x, double y, const QImage& graphic)
{
    DrawBitmapScaled(x, y, 1.0, 1.0, graphic);
}

} // namespace output
