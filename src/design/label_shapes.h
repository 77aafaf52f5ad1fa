#pragma once

#include "design/graphic_control.h"

namespace design {

// A rectangle, rounded rectangle or ellipse with a pen and a brush.
// Transparent is mirrored in the brush: true clears it, false makes it solid.
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

    void DefineProperties(TGPropertyList& list) override;

private:
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
