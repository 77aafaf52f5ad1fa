#include "design/postnet.h"

#include "design/property_list.h"

namespace design {

TGPostNetBarCode::TGPostNetBarCode(TGDesignOwner& owner) : TGGraphicControl(owner)
{
    // The size of the sample barcode shown on the screen.
    SetBounds(0, 0, 270, 16);
}

void TGPostNetBarCode::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.String("ZipCodeField", [this] { return ZipCodeField(); }, [this](const QString& v) { SetZipCodeField(v); });
    list.String("AddressField", [this] { return AddressField(); }, [this](const QString& v) { SetAddressField(v); });
    list.Enumeration<TPostNetBarCodeType>("BarCodeType", PostNetBarCodeTypeType(), [this] { return BarCodeType(); },
                                          [this](TPostNetBarCodeType v) { SetBarCodeType(v); }, std::nullopt);
}

} // namespace design
