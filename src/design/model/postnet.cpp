#include "design/model/postnet.h"

#include "design/model/postnet_code.h"
#include "design/model/postnet_sample.h"
#include "design/model/property_list.h"
#include "output/base_report.h"

#include <QPainter>

#include <cmath>

namespace design {

TGPostNetBarCode::TGPostNetBarCode(TGDesignOwner& owner) : TGGraphicControl(owner)
{
    SetBounds(0, 0, kPostnetSampleWidth, kPostnetSampleHeight);
}

QString TGPostNetBarCode::FieldText(const QString& fieldName) const
{
    const TGRecordSource* record = RecordContext().Record;
    if (!record || fieldName.isEmpty())
        return {};
    return record->FieldText(fieldName).value_or(QString());
}

void TGPostNetBarCode::ShowData()
{
    addressText_ = FieldText(addressField_);
    zipText_ = FieldText(zipCodeField_);
}

void TGPostNetBarCode::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    const std::optional<QString> digits = postnet::EncodedDigits(zipText_, addressText_, barCodeType_);
    if (!digits)
        return;
    report.SelectBrush(qRgb(0, 0, 0), output::bsSolid);
    report.SelectPen(qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy);
    const double ppi = PixelsPerInch();
    const double x = xOffset + Left() / ppi;
    const double y = yOffset + Top() / ppi;
    for (const QRectF& bar : postnet::BarRectangles(postnet::BarPattern(*digits), x, y))
        report.DrawRectangle(bar.left(), bar.top(), bar.right(), bar.bottom());
}

void TGPostNetBarCode::Paint(QPainter& painter)
{
    const QSize size = PostnetSampleSizeAtZoom(ZoomFactor());
    if (Width() != size.width() || Height() != size.height())
        SetBounds(Left(), Top(), size.width(), size.height());
    painter.drawImage(QRect(0, 0, Width(), Height()), PostnetSampleImage());
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
