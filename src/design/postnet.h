#pragma once

#include "design/graphic_control.h"

namespace design {

// The POSTNET barcode of the record's ZIP code, optionally with the
// delivery point from the street address.
class TGPostNetBarCode : public TGGraphicControl {
public:
    explicit TGPostNetBarCode(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPostNetBarCode"); }

    const QString& ZipCodeField() const { return zipCodeField_; }
    void SetZipCodeField(const QString& field) { zipCodeField_ = field; }
    const QString& AddressField() const { return addressField_; }
    void SetAddressField(const QString& field) { addressField_ = field; }
    TPostNetBarCodeType BarCodeType() const { return barCodeType_; }
    void SetBarCodeType(TPostNetBarCodeType type) { barCodeType_ = type; }

    void DefineProperties(TGPropertyList& list) override;

private:
    QString zipCodeField_;
    QString addressField_;
    TPostNetBarCodeType barCodeType_ = TPostNetBarCodeType::pnbc11Digit;
};

} // namespace design
