#pragma once

#include "design/model/graphic_control.h"
#include "design/model/text_effects.h"
#include "design/model/text_layout.h"

#include <QFont>

namespace design {

class TTextMetrics;

// Single-line text with a 3D shadow and highlight, rotation in quarter
// turns, alignment, border and background. The layout (text_layout.h) is
// run when due, before painting and printing; it also keeps the object's
// height (width when rotated) within 1 to 1.2 times the text's.
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

    TTextEffects Effects() const;
    // The "Text 3D Effects" dialog confirmed: effects and font colour.
    void ApplyEffects(const TTextEffects& effects);
    // A font chosen with the object's "Font" command.
    virtual void ApplyChosenFont(const TGFont& font);

    // The layout, run first when needed; it may resize the object.
    const TLabelLayout& Layout();
    // The object's font on the screen at its zoom (and not rotated).
    QFont ScreenFont() const;
    // Widens and heightens a horizontal text to its caption; never shrinks.
    void GrowToFit();
    // Where text sizes come from: the screen's fonts unless a test says so.
    void UseTextMetrics(const TTextMetrics& metrics) { metrics_ = &metrics; }
    const TTextMetrics& Metrics() const;

    void ApplyFont(const TGFont& font) override;
    void BoundsChanged() override;
    void Paint(QPainter& painter) override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    void DefineProperties(TGPropertyList& list) override;
    // The common items, then "Font", "3D Effects", "Alignment",
    // "Transparent", "Background Color" and "Border".
    TGMenuItems MenuItems(TGMenuHost& host) override;

protected:
    // "Rotation" with its four quarter turns, for the classes that offer it.
    TGMenuItem RotationMenu();

    // For captions composed from a record, a counter, the clock or the page:
    // they are not edits of the design and fire no change notification.
    void SetCaptionQuietly(const QString& caption);

private:
    void RunLayout();

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
    TLabelLayout layout_;
    const TTextMetrics* metrics_ = nullptr;
};

} // namespace design
