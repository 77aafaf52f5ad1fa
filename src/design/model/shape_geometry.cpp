#include "design/model/shape_geometry.h"

#include <algorithm>
#include <cmath>

namespace design::shape_geometry {

int ScreenPenWidth(int penWidth, float zoom)
{
    const int scaled = static_cast<int>(std::nearbyint(penWidth * static_cast<double>(zoom)));
    return penWidth > 0 ? std::max(scaled, 1) : scaled;
}

QRect ShapeScreenRect(int width, int height, int penWidth)
{
    const int o = penWidth / 2;
    return QRect(QPoint(o, o), QPoint(width + o - penWidth + 1, height + o - penWidth + 1));
}

int RoundCornerPixels(int roundPercent, int width, int height)
{
    return static_cast<int>(roundPercent * 0.01 * std::max(width, height));
}

QRectF PageRect(const TGBounds& bounds, int pixelsPerInch, double xOffset, double yOffset)
{
    const double ppi = pixelsPerInch;
    return QRectF(QPointF(xOffset + bounds.Left / ppi, yOffset + bounds.Top / ppi),
                  QPointF(xOffset + (static_cast<double>(bounds.Left) + bounds.Width) / ppi,
                          yOffset + (static_cast<double>(bounds.Top) + bounds.Height) / ppi));
}

int ShapePenHundredths(int penWidth, int pixelsPerInch)
{
    return static_cast<int>(static_cast<double>(penWidth) / pixelsPerInch * 100.0);
}

double PrintCornerInches(int roundPercent, const TGBounds& bounds, const QRectF& pageRect)
{
    const double side = bounds.Height < bounds.Width ? pageRect.width() : pageRect.height();
    return roundPercent * 0.01 * side;
}

QLine LineScreenPoints(TLineStyle style, int width, int height, int penWidth)
{
    const int o = penWidth / 2;
    switch (style) {
    case TLineStyle::stVertical: return QLine(o, o, o, o + height - penWidth + 1);
    case TLineStyle::stAngleSlopingUp: return QLine(width, 0, 0, height);
    case TLineStyle::stAngleSlopingDown: return QLine(0, 0, width, height);
    case TLineStyle::stHorizontal: break;
    }
    return QLine(o, o, width + o - penWidth + 1, o);
}

QLineF LinePagePoints(TLineStyle style, const TGBounds& bounds, int penWidth, int pixelsPerInch, double xOffset,
                      double yOffset)
{
    const double ppi = pixelsPerInch;
    const double o = penWidth / 2;
    const double x1 = xOffset + bounds.Left / ppi;
    const double x2 = xOffset + (static_cast<double>(bounds.Left) + bounds.Width) / ppi;
    const double y1 = yOffset + (bounds.Top + o) / ppi;
    const double y2 = yOffset + (bounds.Top + o + bounds.Height) / ppi;
    switch (style) {
    case TLineStyle::stVertical: return QLineF(x1, y1, x1, y2);
    case TLineStyle::stAngleSlopingUp: return QLineF(x1, y2, x2, y1);
    case TLineStyle::stAngleSlopingDown: return QLineF(x1, y1, x2, y2);
    case TLineStyle::stHorizontal: break;
    }
    return QLineF(x1, y1, x2, y1);
}

int EnginePenWidth(int hundredths) { return hundredths > 0 ? -hundredths : 1; }

} // namespace design::shape_geometry
