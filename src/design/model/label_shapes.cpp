#include "design/model/label_shapes.h"

#include "design/model/design_qcolor.h"
#include "design/model/pen_brush_mapping.h"
#include "design/model/property_list.h"
#include "design/model/shape_geometry.h"
#include "output/base_report.h"

#include <QPainter>

namespace design {

using namespace shape_geometry;

TGLabelShapes::TGLabelShapes(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 25, 25); }

void TGLabelShapes::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    brush_.Style = transparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    Changed();
}

bool TGLabelShapes::IsRounded() const
{
    return shape_ == TShapeType::stRoundRect || shape_ == TShapeType::stRoundSquare;
}

void TGLabelShapes::ChooseBackgroundColor(TColor color)
{
    brush_.Color = color;
    Changed();
    SetTransparent(false);
}

void TGLabelShapes::ChooseLineColor(TColor color)
{
    pen_.Color = color;
    Changed();
}

void TGLabelShapes::ChooseLineThickness(int width)
{
    pen_.Width = width;
    Changed();
}

void TGLabelShapes::ChooseRounding(int percent)
{
    roundPerc_ = percent;
    Changed();
}

void TGLabelShapes::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    const int hundredths = ShapePenHundredths(pen_.Width, PixelsPerInch());
    report.SelectPen(ToQRgb(pen_.Color), ToOutputPenStyle(pen_.Style), EnginePenWidth(hundredths),
                     ToOutputPenMode(pen_.Mode));
    report.SelectBrush(ToQRgb(brush_.Color), ToOutputBrushStyle(brush_.Style));
    const QRectF r = PageRect(Bounds(), PixelsPerInch(), xOffset, yOffset);
    if (IsRounded()) {
        const double corner = PrintCornerInches(roundPerc_, Bounds(), r);
        report.DrawRoundRect(r.left(), r.top(), r.right(), r.bottom(), corner, corner);
    } else if (shape_ == TShapeType::stEllipse || shape_ == TShapeType::stCircle) {
        report.DrawEllipse(r.left(), r.top(), r.right(), r.bottom());
    } else {
        report.DrawRectangle(r.left(), r.top(), r.right(), r.bottom());
    }
}

void TGLabelShapes::Paint(QPainter& painter)
{
    const int penWidth = ScreenPenWidth(pen_.Width, ZoomFactor());
    painter.setPen(ToScreenPen(pen_, penWidth));
    painter.setBrush(ToScreenBrush(brush_));
    const QRect gdi = ShapeScreenRect(Width(), Height(), penWidth);
    // The last row and column are outside the shape.
    const QRect area(gdi.topLeft(), QSize(gdi.width() - 2, gdi.height() - 2));
    if (IsRounded()) {
        const qreal radius = RoundCornerPixels(roundPerc_, Width(), Height()) / 2.0;
        painter.drawRoundedRect(area, radius, radius);
    } else if (shape_ == TShapeType::stEllipse || shape_ == TShapeType::stCircle) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
}

TGMenuItems TGLabelShapes::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(items, {
        TGMenuItem::Separator(),
        TGMenuItem::Command(QStringLiteral("Background Color"),
                            [this, &host] {
                                if (const auto color = host.ChooseColor(brush_.Color)) {
                                    ChooseBackgroundColor(*color);
                                    host.Repaint();
                                }
                            }),
        TGMenuItem::Command(QStringLiteral("Line Color"),
                            [this, &host] {
                                if (const auto color = host.ChooseColor(pen_.Color)) {
                                    ChooseLineColor(*color);
                                    host.Repaint();
                                }
                            }),
        LineThicknessMenu(pen_.Width, [this](int width) { ChooseLineThickness(width); }),
        TGMenuItem::Separator(),
        TGMenuItem::Toggle(QStringLiteral("Transparent"), transparent_, [this] { ToggleTransparent(); }),
    });
    if (IsRounded()) {
        TGMenuItems degrees;
        for (int percent = 20; percent <= 80; percent += 10)
            degrees.push_back(TGMenuItem::Command(QString::number(percent) + QStringLiteral(" %"),
                                                  [this, percent] { ChooseRounding(percent); }));
        items.push_back(TGMenuItem::Separator());
        items.push_back(TGMenuItem::Submenu(QStringLiteral("Degree of Rounding"), std::move(degrees)));
    }
    return items;
}

void TGLabelShapes::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Boolean("Transparent", [this] { return Transparent(); }, [this](bool v) { SetTransparent(v); },
                 std::nullopt);
    list.Brush("Brush", [this] { return Brush(); }, [this](const TGBrush& v) { SetBrush(v); });
    list.Pen("Pen", [this] { return Pen(); }, [this](const TGPen& v) { SetPen(v); });
    list.Integer("RoundPerc", [this] { return RoundPerc(); }, [this](std::int32_t v) { SetRoundPerc(v); }, 25);
    list.Enumeration<TShapeType>("Shape", ShapeTypeType(), [this] { return Shape(); },
                                 [this](TShapeType v) { SetShape(v); }, TShapeType::stRectangle);
}

} // namespace design
