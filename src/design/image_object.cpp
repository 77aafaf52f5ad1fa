#include "design/image_object.h"

#include "design/property_list.h"

namespace design {

TGImage::TGImage(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TGImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    Changed();
}

void TGImage::SetStretch(bool stretch) { autoSize_ = !stretch; }

void TGImage::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Boolean("AutoSize", [this] { return AutoSize(); }, [this](bool v) { SetAutoSize(v); }, false);
    list.Enumeration<TBorderStyle>("BorderStyle", BorderStyleType(), [this] { return BorderStyle(); },
                                   [this](TBorderStyle v) { SetBorderStyle(v); }, std::nullopt);
    list.Picture("Picture.Data", [this] { return Picture(); }, [this](const TGPicture& v) { SetPicture(v); });
    list.Boolean("Stretch", [this] { return Stretch(); }, [this](bool v) { SetStretch(v); }, true);
}

} // namespace design
