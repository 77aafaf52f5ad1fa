#include "design/model/object_menu.h"

#include <algorithm>

namespace design {

std::optional<TGFont> TGMenuHost::ChooseFont(const TGFont&) { return std::nullopt; }

void TGMenuHost::RunObjectCommand(TGGraphicControl&, TGObjectCommand) {}

bool TGMenuHost::OpenObjectDialog(TGGraphicControl&, TGObjectDialog) { return false; }

TGMenuItem LineThicknessMenu(int currentWidth, const std::function<void(int)>& setWidth)
{
    TGMenuItems items;
    for (int width = 1; width <= 10; ++width)
        items.push_back(TGMenuItem::Toggle(QString::number(width) + QStringLiteral(" Point"), width == currentWidth,
                                           [setWidth, width] { setWidth(width); }));
    return TGMenuItem::Submenu(QStringLiteral("Line Thickness"), std::move(items));
}

TGMenuItem AlignmentMenu(TAlignment current, const std::function<void(TAlignment)>& setAlignment)
{
    const auto item = [&](const char* caption, TAlignment alignment) {
        return TGMenuItem::Toggle(QString::fromLatin1(caption), current == alignment,
                                  [setAlignment, alignment] { setAlignment(alignment); });
    };
    return TGMenuItem::Submenu(QStringLiteral("Alignment"), {item("Left", TAlignment::taLeftJustify),
                                                             item("Center", TAlignment::taCenter),
                                                             item("Right", TAlignment::taRightJustify)});
}

void RemoveMenuItem(TGMenuItems& items, const QString& caption)
{
    const auto found =
        std::find_if(items.begin(), items.end(), [&](const TGMenuItem& item) { return item.Caption == caption; });
    if (found != items.end())
        items.erase(found);
}

void AppendMenuItems(TGMenuItems& items, TGMenuItems more)
{
    for (TGMenuItem& item : more)
        items.push_back(std::move(item));
}

} // namespace design
