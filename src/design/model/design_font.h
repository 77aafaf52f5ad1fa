#pragma once

#include "design/model/design_color.h"
#include "design/model/design_enums.h"

#include <QString>

namespace design {

// A set of TFontStyle members, one bit per ordinal.
class TFontStyles {
public:
    TFontStyles() = default;
    static TFontStyles FromBits(unsigned bits) { return TFontStyles(bits & 0x0Fu); }

    bool Has(TFontStyle style) const { return (bits_ & Bit(style)) != 0; }
    TFontStyles With(TFontStyle style) const { return TFontStyles(bits_ | Bit(style)); }
    TFontStyles Without(TFontStyle style) const { return TFontStyles(bits_ & ~Bit(style)); }
    unsigned Bits() const { return bits_; }

    friend bool operator==(TFontStyles, TFontStyles) = default;

private:
    explicit TFontStyles(unsigned bits) : bits_(bits) {}
    static unsigned Bit(TFontStyle style) { return 1u << static_cast<unsigned>(style); }

    unsigned bits_ = 0;
};

// The font of a text object. Its size is kept as a character height in
// screen pixels, as designs store it; the point size is derived from it with
// the pixels per inch of the screen the design is made on.
struct TGFont {
    TColor Color = clWindowText;
    int Height = -11;
    QString Name;
    TFontPitch Pitch = TFontPitch::fpDefault;
    TFontStyles Style;

    // height = -(points * pixelsPerInch / 72), rounded half away from zero.
    static int HeightForPoints(int points, int pixelsPerInch);
    int PointSize(int pixelsPerInch) const;
    static TGFont Make(const QString& name, int points, int pixelsPerInch, TColor color);

    friend bool operator==(const TGFont&, const TGFont&) = default;
};

struct TGPen {
    TColor Color = clBlack;
    TPenMode Mode = TPenMode::pmCopy;
    TPenStyle Style = TPenStyle::psSolid;
    int Width = 1;

    friend bool operator==(const TGPen&, const TGPen&) = default;
};

struct TGBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;

    friend bool operator==(const TGBrush&, const TGBrush&) = default;
};

} // namespace design
