#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QString>

#include <cstdint>

// The drawing objects a metafile creates and selects, turned into Qt's
// pens, brushes and font descriptions. Shared by the WMF and EMF players.
namespace picture::metafile {

struct TFontSpec {
    int height = 0; // logical units; negative: character height, positive: cell height
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face = QStringLiteral("Arial");
};

struct TGdiObject {
    enum class Kind { Pen, Brush, Font, Other };
    Kind kind = Kind::Other;
    QPen pen;
    QBrush brush;
    TFontSpec font;
};

// A COLORREF: 0x00BBGGRR. Palette-relative values keep their RGB part.
QColor ColorFromRef(std::uint32_t colorRef);

// A logical pen. A width of zero is the one-pixel hairline.
QPen MakePen(std::uint32_t style, double width, const QColor& color);
// A logical brush; patterns that need a bitmap fall back to the colour.
QBrush MakeBrush(std::uint32_t style, const QColor& color, std::uint32_t hatch);

TGdiObject PenObject(const QPen& pen);
TGdiObject BrushObject(const QBrush& brush);
TGdiObject FontObject(const TFontSpec& font);

// The stock objects of enhanced metafiles (the index without its top bit);
// Kind::Other for indexes that name no pen, brush or font.
TGdiObject StockObject(std::uint32_t index);

} // namespace picture::metafile
