#include "picture/metafile_gdi.h"

#include <algorithm>
#include <cmath>

namespace picture::metafile {

namespace {

constexpr std::uint32_t kPenStyleMask = 0x0F;
constexpr std::uint32_t kPenNull = 5;
constexpr std::uint32_t kEndCapMask = 0x0F00;
constexpr std::uint32_t kJoinMask = 0xF000;
// Wider than any drawing needs (and than Qt accepts); more is a damaged number.
constexpr double kMaxPenWidth = 30000;

Qt::PenStyle DashStyle(std::uint32_t style)
{
    switch (style & kPenStyleMask) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case kPenNull: return Qt::NoPen;
    default: return Qt::SolidLine; // solid, inside frame, user styles
    }
}

Qt::PenCapStyle CapStyle(std::uint32_t style)
{
    switch (style & kEndCapMask) {
    case 0x100: return Qt::SquareCap;
    case 0x200: return Qt::FlatCap;
    default: return Qt::RoundCap;
    }
}

Qt::PenJoinStyle JoinStyle(std::uint32_t style)
{
    switch (style & kJoinMask) {
    case 0x1000: return Qt::BevelJoin;
    case 0x2000: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
    }
}

Qt::BrushStyle HatchStyle(std::uint32_t hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

} // namespace

QColor ColorFromRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

QPen MakePen(std::uint32_t style, double width, const QColor& color)
{
    const Qt::PenStyle dash = DashStyle(style);
    if (dash == Qt::NoPen)
        return QPen(Qt::NoPen);
    QPen pen(color);
    pen.setStyle(dash);
    pen.setWidthF(std::min(std::abs(width), kMaxPenWidth));
    pen.setCapStyle(CapStyle(style));
    pen.setJoinStyle(JoinStyle(style));
    return pen;
}

QBrush MakeBrush(std::uint32_t style, const QColor& color, std::uint32_t hatch)
{
    constexpr std::uint32_t kNull = 1;
    constexpr std::uint32_t kHatched = 2;
    if (style == kNull)
        return QBrush(Qt::NoBrush);
    if (style == kHatched)
        return QBrush(color, HatchStyle(hatch));
    return QBrush(color);
}

TGdiObject PenObject(const QPen& pen)
{
    TGdiObject object;
    object.kind = TGdiObject::Kind::Pen;
    object.pen = pen;
    return object;
}

TGdiObject BrushObject(const QBrush& brush)
{
    TGdiObject object;
    object.kind = TGdiObject::Kind::Brush;
    object.brush = brush;
    return object;
}

TGdiObject FontObject(const TFontSpec& font)
{
    TGdiObject object;
    object.kind = TGdiObject::Kind::Font;
    object.font = font;
    return object;
}

TGdiObject StockObject(std::uint32_t index)
{
    switch (index) {
    case 0: return BrushObject(QBrush(Qt::white));
    case 1: return BrushObject(QBrush(QColor(192, 192, 192)));
    case 2: return BrushObject(QBrush(QColor(128, 128, 128)));
    case 3: return BrushObject(QBrush(QColor(64, 64, 64)));
    case 4: return BrushObject(QBrush(Qt::black));
    case 5: return BrushObject(QBrush(Qt::NoBrush));
    case 6: return PenObject(QPen(Qt::white, 0));
    case 7: return PenObject(QPen(Qt::black, 0));
    case 8: return PenObject(QPen(Qt::NoPen));
    case 10: case 11: case 16: {
        TFontSpec fixed;
        fixed.face = QStringLiteral("Courier New");
        return FontObject(fixed);
    }
    case 12: case 13: case 14: case 17: return FontObject(TFontSpec());
    case 18: return BrushObject(QBrush(Qt::white));
    case 19: return PenObject(QPen(Qt::black, 0));
    default: return {};
    }
}

} // namespace picture::metafile
