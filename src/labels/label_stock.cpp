#include "labels/label_stock.h"

namespace labels {

namespace {

const QLatin1String kUserManufacturer("USER");

} // namespace

bool TLabelStock::IsUserDefined() const { return manufacturer == kUserManufacturer; }

TLabelStock UserDefinedStock(const TLabelGeometry& entered)
{
    TLabelStock stock;
    stock.geometry = entered;
    stock.geometry.midExtraX = 0.0;
    stock.geometry.midExtraY = 0.0;
    stock.manufacturer = kUserManufacturer;
    return stock;
}

QString LayoutCaption(const TLabelStock& stock)
{
    return stock.IsUserDefined() ? QStringLiteral("User Defined Label Layout") : stock.templateDescription;
}

QString SheetName(const TLabelStock& stock)
{
    return stock.templateDescription.isEmpty() ? QStringLiteral("[User Defined]") : stock.templateDescription;
}

} // namespace labels
