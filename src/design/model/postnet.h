#pragma once

#include "design/model/graphic_control.h"
#include "design/model/record_values.h"

namespace design {

// The POSTNET barcode of the record's ZIP code, optionally with the
// delivery point from the street address. On paper the bars have their
// physical sizes whatever the object's size; on the screen the object shows
// a sample barcode of 270 x 16 pixels at zoom 1.0.
class TGPostNetBarCode : public TGGraphicControl, public TGRecordBinding {
public:
    explicit TGPostNetBarCode(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPostNetBarCode"); }

    const QString& ZipCodeField() const { return zipCodeField_; }
    void SetZipCodeField(const QString& field) { zipCodeField_ = field; }
    const QString& AddressField() const { return addressField_; }
    void SetAddressField(const QString& field) { addressField_ = field; }
    TPostNetBarCodeType BarCodeType() const { return barCodeType_; }
    void SetBarCodeType(TPostNetBarCodeType type) { barCodeType_ = type; }

    // The ZIP and address texts of the current record (never stored); a
    // missing field or record reads as an empty text.
    const QString& ZipText() const { return zipText_; }
    const QString& AddressText() const { return addressText_; }

    void ShowData() override;
    // Bars at the object's position; nothing for a record without a usable ZIP.
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    // Takes the sample picture's size at the zoom, then draws it with the
    // painter's origin at the object's top-left corner.
    void Paint(QPainter& painter) override;

    void DefineProperties(TGPropertyList& list) override;

private:
    QString FieldText(const QString& fieldName) const;

    QString zipCodeField_;
    QString addressField_;
    TPostNetBarCodeType barCodeType_ = TPostNetBarCodeType::pnbc11Digit;
    QString zipText_;
    QString addressText_;
};

} // namespace design
