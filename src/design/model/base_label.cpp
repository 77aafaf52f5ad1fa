#include "design/model/base_label.h"

#include "design/model/property_list.h"
#include "design/model/text_metrics.h"

#include <algorithm>

namespace design {

TGBaseLabel::TGBaseLabel(TGDesignOwner& owner) : TGGraphicControl(owner), caption_(QStringLiteral("Text"))
{
    SetFont(TGFont::Make(QStringLiteral("Arial"), 10, PixelsPerInch(), clBlack));
    SetBounds(0, 0, 142, 33);
}

void TGBaseLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    MarkLayoutNeeded();
    Changed();
}

void TGBaseLabel::SetDepthHighlight(int depth)
{
    depthHighlight_ = depth;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetDepthShadow(int depth)
{
    depthShadow_ = depth;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection direction)
{
    directionHighlight_ = direction;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection direction)
{
    directionShadow_ = direction;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetAngle(int angle)
{
    if (angle != 0 && angle != 90 && angle != 180 && angle != 270)
        return;
    if (angle == angle_)
        return;
    angle_ = angle;
    MarkLayoutNeeded();
    if (angle != 0)
        alignment_ = TAlignment::taLeftJustify;
    const bool horizontal = angle == 0 || angle == 180;
    if ((horizontal && Width() < Height()) || (!horizontal && Height() < Width()))
        SetBounds(Left(), Top(), Height(), Width());
}

void TGBaseLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    MarkLayoutNeeded();
    Changed();
}

void TGBaseLabel::SetCaptionQuietly(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetFont(const TGFont& font)
{
    font_ = font;
    fontAssigned_ = true;
    MarkLayoutNeeded();
}

void TGBaseLabel::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Changed();
}

void TGBaseLabel::SetBackColor(TColor color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    Changed();
}

void TGBaseLabel::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    Changed();
}

void TGBaseLabel::ApplyFont(const TGFont& font) { SetFont(font); }

void TGBaseLabel::BoundsChanged()
{
    MarkLayoutNeeded();
    if (!IsReading() && (Width() < 1 || Height() < 1)) {
        SetBounds(Left(), Top(), std::max(1, Width()), std::max(1, Height()));
        return; // SetBounds ran BoundsChanged for the corrected size
    }
    TGGraphicControl::BoundsChanged();
}

TTextEffects TGBaseLabel::Effects() const
{
    return {directionShadow_,    depthShadow_,    colorShadow_, directionHighlight_,
            depthHighlight_,     colorHighlight_, font_.Color};
}

void TGBaseLabel::ApplyEffects(const TTextEffects& effects)
{
    SetDirectionShadow(effects.DirectionShadow);
    SetDepthShadow(effects.DepthShadow);
    SetColorShadow(effects.colorShadow);
    SetDirectionHighlight(effects.DirectionHighlight);
    SetDepthHighlight(effects.DepthHighlight);
    SetColorHighlight(effects.colorHighlight);
    TGFont font = font_;
    font.Color = effects.FontColor;
    SetFont(font);
}

const TTextMetrics& TGBaseLabel::Metrics() const { return metrics_ ? *metrics_ : ScreenTextMetrics(); }

QFont TGBaseLabel::ScreenFont() const { return design::ScreenFont(font_, PixelsPerInch(), ZoomFactor()); }

const TLabelLayout& TGBaseLabel::Layout()
{
    if (layoutNeeded_)
        RunLayout();
    return layout_;
}

void TGBaseLabel::RunLayout()
{
    const QFont font = ScreenFont();
    TLabelLayoutInput input;
    input.Angle = angle_;
    input.Alignment = alignment_;
    input.Shadow = ShadowOffset(directionShadow_, depthShadow_);
    input.Highlight = HighlightOffset(directionHighlight_, depthHighlight_);
    input.LineHeight = Metrics().LineHeight(font);
    input.TextWidth = Metrics().TextWidth(font, caption_ + QLatin1Char(' '));
    input.Width = Width();
    input.Height = Height();
    layout_ = LayoutLabel(input);
    SetBounds(Left(), Top(), layout_.Width, layout_.Height);
    // The size just set is the layout's own; the layout stands.
    layout_.Width = Width();
    layout_.Height = Height();
    LayoutDone();
}

void TGBaseLabel::GrowToFit()
{
    if (angle_ != 0)
        return;
    const QFont font = ScreenFont();
    TGrowInput input;
    input.WidthWithBlanks = Metrics().TextWidth(font, caption_ + QStringLiteral("     "));
    input.TextHeight = Metrics().TextHeight(font);
    input.Width = Width();
    input.Height = Height();
    const TTextPoint size = GrowToFitSize(Layout(), input);
    SetBounds(Left(), Top(), size.X, size.Y);
    MarkLayoutNeeded();
}

void TGBaseLabel::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Enumeration<TAlignment>("Alignment", AlignmentType(), [this] { return Alignment(); },
                                 [this](TAlignment v) { SetAlignment(v); }, TAlignment::taLeftJustify);
    list.Integer("DepthHighlight", [this] { return DepthHighlight(); }, [this](std::int32_t v) { SetDepthHighlight(v); },
                 0);
    list.Integer("DepthShadow", [this] { return DepthShadow(); }, [this](std::int32_t v) { SetDepthShadow(v); }, 0);
    list.Enumeration<THighlightDirection>("DirectionHighlight", HighlightDirectionType(),
                                          [this] { return DirectionHighlight(); },
                                          [this](THighlightDirection v) { SetDirectionHighlight(v); },
                                          THighlightDirection::hdUpLeft);
    list.Enumeration<TShadowDirection>("DirectionShadow", ShadowDirectionType(), [this] { return DirectionShadow(); },
                                       [this](TShadowDirection v) { SetDirectionShadow(v); },
                                       TShadowDirection::sdDownRight);
    list.Color("colorHighlight", [this] { return colorHighlight(); }, [this](TColor v) { SetColorHighlight(v); },
               ColorValue(0x00FFFF00));
    list.Color("colorShadow", [this] { return colorShadow(); }, [this](TColor v) { SetColorShadow(v); },
               ColorValue(0x00808080));
    list.Integer("Angle", [this] { return Angle(); }, [this](std::int32_t v) { SetAngle(v); }, 0);
    list.String("Caption", [this] { return Caption(); }, [this](const QString& v) { SetCaption(v); });
    list.Font("Font", [this] { return Font(); }, [this](const TGFont& v) { SetFont(v); },
              [this] { return FontAssigned(); });
    list.Boolean("Transparent", [this] { return Transparent(); }, [this](bool v) { SetTransparent(v); },
                 std::nullopt);
    list.Color("BackColor", [this] { return BackColor(); }, [this](TColor v) { SetBackColor(v); }, std::nullopt);
    list.Enumeration<TBorderStyle>("BorderStyle", BorderStyleType(), [this] { return BorderStyle(); },
                                   [this](TBorderStyle v) { SetBorderStyle(v); }, std::nullopt);
}

} // namespace design
