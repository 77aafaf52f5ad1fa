#include "design/object_menu.h"

namespace design {

TGMenuItem LineThicknessMenu(int currentWidth, const std::function<void(int)>& setWidth)
{
    TGMenuItems items;
    for (int width = 1; width <= 10; ++width)
        items.push_back(TGMenuItem::Toggle(QString::number(width) + QStringLiteral(" Point"), width == currentWidth,
                                           [setWidth, width] { setWidth(width); }));
    return TGMenuItem::Submenu(QStringLiteral("Line Thickness"), std::move(items));
}

} // namespace design
