#include "design/line_shape.h"

#include "design/property_list.h"

namespace design {

TGLineShape::TGLineShape(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 10, 10); }

void TGLineShape::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Enumeration<TLineStyle>("LineStyle", LineStyleType(), [this] { return LineStyle(); },
                                 [this](TLineStyle v) { SetLineStyle(v); }, TLineStyle::stHorizontal);
    list.Pen("Pen", [this] { return Pen(); }, [this](const TGPen& v) { SetPen(v); });
}

} // namespace design
