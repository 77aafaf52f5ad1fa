#include "design/fim_barcode.h"

#include "design/property_list.h"

namespace design {

TGFIMBarCode::TGFIMBarCode(TGDesignOwner& owner) : TGGraphicControl(owner)
{
    // 5/8 inch wide and 9/16 inch high, truncated to whole pixels.
    const int ppi = PixelsPerInch();
    SetBounds(0, 0, ppi * 5 / 8, ppi * 9 / 16);
}

void TGFIMBarCode::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Enumeration<TFIMBarCodeType>("FIMType", FIMBarCodeTypeType(), [this] { return FIMType(); },
                                      [this](TFIMBarCodeType v) { SetFIMType(v); }, std::nullopt);
}

} // namespace design
