#include "design/label_shapes.h"

#include "design/property_list.h"

namespace design {

TGLabelShapes::TGLabelShapes(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 25, 25); }

void TGLabelShapes::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    brush_.Style = transparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    Changed();
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
