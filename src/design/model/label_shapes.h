#pragma once

#include "design/model/graphic_control.h"
#include "design/model/object_menu.h"

namespace design {

// A rectangle, rounded rectangle or ellipse with a pen and a brush.
// Transparent is mirrored in the brush: true clears it, false makes it solid.
// The square and circle kinds draw like the rectangle and the ellipse: none
// of them forces equal sides.
class TGLabelShapes : public TGGraphicControl {
public:
    explicit TGLabelShapes(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGLabelShapes"); }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    const TGBrush& Brush() const { return brush_; }
    void SetBrush(const TGBrush& brush) { brush_ = brush; }
    const TGPen& Pen() const { return pen_; }
    void SetPen(const TGPen& pen) { pen_ = pen; }
    // Corner rounding of rounded shapes, in percent.
    int RoundPerc() const { return roundPerc_; }
    void SetRoundPerc(int percent) { roundPerc_ = percent; }
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape) { shape_ = shape; }

    // The menu commands; each fires the change notification.
    void ChooseBackgroundColor(TColor color);
    void ChooseLineColor(TColor color);
    void ChooseLineThickness(int width);
    void ToggleTransparent() { SetTransparent(!transparent_); }
    void ChooseRounding(int percent);

    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    // Draws with the painter's origin at the object's top-left corner.
    void Paint(QPainter& painter) override;
    // Adds the class's items to the common ones.
    TGMenuItems MenuItems(TGMenuHost& host) override;

    void DefineProperties(TGPropertyList& list) override;

private:
    bool IsRounded() const;

    bool transparent_ = false;
    TGBrush brush_;
    TGPen pen_;
    int roundPerc_ = 25;
    TShapeType shape_ = TShapeType::stRectangle;
};

// The same shapes on report bands.
class Trpshapes : public TGLabelShapes {
public:
    using TGLabelShapes::TGLabelShapes;
    QByteArray ClassName() const override { return QByteArrayLiteral("Trpshapes"); }
};

} // namespace design
