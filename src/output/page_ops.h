#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace output {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmXor, pmNot };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TTextAlign { taLeft, taCenter, taRight };

struct TFontSpec {
    QString name = QStringLiteral("Arial");
    double size = 10.0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool fixedPitch = false;
    QRgb color = qRgb(0, 0, 0);
    double angle = 0.0; // degrees, counter-clockwise
    bool operator==(const TFontSpec&) const = default;
};

struct TPenSpec {
    QRgb color = qRgb(0, 0, 0);
    TPenStyle style = psSolid;
    int width = 1; // device pixels, or when negative hundredths of an inch
    TPenMode mode = pmCopy;
    bool operator==(const TPenSpec&) const = default;
};

struct TBrushSpec {
    QRgb color = qRgb(255, 255, 255);
    TBrushStyle style = bsSolid;
    QImage pattern; // when not null the brush is patterned with it
    bool operator==(const TBrushSpec& other) const
    {
        return color == other.color && style == other.style && pattern == other.pattern;
    }
};

// Text with its anchor on the baseline: its left edge, centre or right edge
// lies at `position` by `align`. Widths are measured again by the device that
// draws it, so the anchor holds at every zoom.
struct TTextOp {
    QPointF position; // inches from the sheet's top-left edge
    QString text;
    TFontSpec font;
    TTextAlign align = taLeft;
    bool opaque = false;     // white background behind the text
    std::optional<QRectF> clip; // inches
};

enum TShapeKind { skLine, skRectangle, skEllipse, skRoundRect, skArc, skChord, skPie, skPolygon, skPolyline };

// Every shape carries the pen and brush it was drawn with, so that any page
// can be drawn on its own, in any order.
struct TShapeOp {
    TShapeKind kind = skRectangle;
    QRectF rect;          // bounding box; for lines from topLeft to bottomRight
    QPointF start, end;   // arc, chord and pie: radial points of the ends
    QSizeF corner;        // round rectangles: corner ellipse
    std::vector<QPointF> points; // polygons and polylines
    TPenSpec pen;
    TBrushSpec brush;
};

struct TImageOp {
    QRectF target; // inches
    QImage image;
};

using TPageOp = std::variant<TTextOp, TShapeOp, TImageOp>;

struct TPage {
    QSizeF size; // sheet size in inches, as the job saw it
    std::vector<TPageOp> ops;
};

} // namespace output
