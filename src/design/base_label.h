#pragma once

#include "design/graphic_control.h"

namespace design {

// Single-line text with a 3D shadow and highlight, rotation in quarter
// turns, alignment, border and background. The layout and drawing of the
// text belong to its painting code; the model marks when a layout is due.
class TGBaseLabel : public TGGraphicControl {
public:
    explicit TGBaseLabel(TGDesignOwner& owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int DepthHighlight() const { return depthHighlight_; }
    void SetDepthHighlight(int depth);
    int DepthShadow() const { return depthShadow_; }
    void SetDepthShadow(int depth);
    THighlightDirection DirectionHighlight() const { return directionHighlight_; }
    void SetDirectionHighlight(THighlightDirection direction);
    TShadowDirection DirectionShadow() const { return directionShadow_; }
    void SetDirectionShadow(TShadowDirection direction);
    TColor colorHighlight() const { return colorHighlight_; }
    void SetColorHighlight(TColor color) { colorHighlight_ = color; }
    TColor colorShadow() const { return colorShadow_; }
    void SetColorShadow(TColor color) { colorShadow_ = color; }
    int Angle() const { return angle_; }
    // Only 0, 90, 180 and 270 are taken; other values are ignored.
    void SetAngle(int angle);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const TGFont& Font() const { return font_; }
    void SetFont(const TGFont& font);
    // False until a font was given; a label without one stores no font.
    bool FontAssigned() const { return fontAssigned_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    bool LayoutNeeded() const { return layoutNeeded_; }
    void MarkLayoutNeeded() { layoutNeeded_ = true; }
    void LayoutDone() { layoutNeeded_ = false; }

    void ApplyFont(const TGFont& font) override;
    void BoundsChanged() override;
    void DefineProperties(TGPropertyList& list) override;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    int depthHighlight_ = 0;
    int depthShadow_ = 0;
    THighlightDirection directionHighlight_ = THighlightDirection::hdUpLeft;
    TShadowDirection directionShadow_ = TShadowDirection::sdDownRight;
    TColor colorHighlight_ = ColorValue(0x00FFFF00);
    TColor colorShadow_ = ColorValue(0x00808080);
    int angle_ = 0;
    QString caption_;
    TGFont font_;
    bool fontAssigned_ = false;
    bool transparent_ = true;
    TColor backColor_ = clWhite;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    bool layoutNeeded_ = true;
};

} // namespace design
