#include "design/model/line_shape.h"

#include "design/model/design_qcolor.h"
#include "design/model/pen_brush_mapping.h"
#include "design/model/property_list.h"
#include "design/model/shape_geometry.h"
#include "output/base_report.h"

#include <QPainter>

#include <cmath>

namespace design {

using namespace shape_geometry;

TGLineShape::TGLineShape(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 10, 10); }

void TGLineShape::ChooseLineStyle(TLineStyle style)
{
    Changed();
    lineStyle_ = style;
}

void TGLineShape::ChooseColor(TColor color)
{
    Changed();
    pen_.Color = color;
}

void TGLineShape::ChooseLineThickness(int width)
{
    pen_.Width = width;
    Changed();
}

void TGLineShape::StretchToEdges(int surfaceWidth, int surfaceHeight)
{
    if (lineStyle_ == TLineStyle::stHorizontal)
        SetBounds(0, Top(), surfaceWidth, Height());
    else if (lineStyle_ == TLineStyle::stVertical)
        SetBounds(Left(), 0, Width(), surfaceHeight);
}

void TGLineShape::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    report.SelectPen(ToQRgb(pen_.Color), ToOutputPenStyle(pen_.Style), EnginePenWidth(pen_.Width), output::pmCopy);
    const QLineF line = LinePagePoints(lineStyle_, Bounds(), pen_.Width, PixelsPerInch(), xOffset, yOffset);
    report.MovePenTo(line.x1(), line.y1());
    report.LineToPoint(line.x2(), line.y2());
}

void TGLineShape::Paint(QPainter& painter)
{
    const float zoom = ZoomFactor();
    const int penWidth = zoom == 1.0f ? pen_.Width : static_cast<int>(std::nearbyint(pen_.Width * static_cast<double>(zoom)));
    painter.setPen(ToScreenPen(pen_, std::max(penWidth, 1)));
    painter.drawLine(LineScreenPoints(lineStyle_, Width(), Height(), penWidth));
}

TGMenuItems TGLineShape::MenuItems(TGMenuHost& host)
{
    const auto style = [this](const char* caption, TLineStyle value) {
        return TGMenuItem::Toggle(QString::fromLatin1(caption), lineStyle_ == value,
                                  [this, value] { ChooseLineStyle(value); });
    };
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(items, {
        TGMenuItem::Separator(),
        TGMenuItem::Submenu(QStringLiteral("Style"),
                            {style("Horizontal", TLineStyle::stHorizontal), style("Vertical", TLineStyle::stVertical),
                             style("Angled Sloping Up", TLineStyle::stAngleSlopingUp),
                             style("Angled Sloping Down", TLineStyle::stAngleSlopingDown)}),
        TGMenuItem::Command(QStringLiteral("Color"),
                            [this, &host] {
                                if (const auto color = host.ChooseColor(pen_.Color)) {
                                    ChooseColor(*color);
                                    host.Repaint();
                                }
                            }),
        LineThicknessMenu(pen_.Width, [this](int width) { ChooseLineThickness(width); }),
        TGMenuItem::Separator(),
        TGMenuItem::Command(QStringLiteral("Stretch To Edges"),
                            [this, &host] {
                                StretchToEdges(host.SurfaceWidth(), host.SurfaceHeight());
                                host.Repaint();
                            }),
    });
    return items;
}

void TGLineShape::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Enumeration<TLineStyle>("LineStyle", LineStyleType(), [this] { return LineStyle(); },
                                 [this](TLineStyle v) { SetLineStyle(v); }, TLineStyle::stHorizontal);
    list.Pen("Pen", [this] { return Pen(); }, [this](const TGPen& v) { SetPen(v); });
}

} // namespace design
