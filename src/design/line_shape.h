#pragma once

#include "design/graphic_control.h"

namespace design {

// A straight line along the top edge, the left edge or a diagonal of the
// object's rectangle.
class TGLineShape : public TGGraphicControl {
public:
    explicit TGLineShape(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGLineShape"); }

    TLineStyle LineStyle() const { return lineStyle_; }
    void SetLineStyle(TLineStyle style) { lineStyle_ = style; }
    const TGPen& Pen() const { return pen_; }
    void SetPen(const TGPen& pen) { pen_ = pen; }

    void DefineProperties(TGPropertyList& list) override;

private:
    TLineStyle lineStyle_ = TLineStyle::stHorizontal;
    TGPen pen_;
};

} // namespace design
