#include "labels/label_layout.h"

namespace labels {

TLabelLayout NewLabelLayout()
{
    TLabelLayout layout;
    layout.description = QStringLiteral("<New Label>");
    // TLabelGeometry's own defaults are the 5160 sheet as a new layout has it.
    layout.stock.templateDescription = QStringLiteral("Avery 5160  Address");
    layout.stock.printer = QStringLiteral("LJ");
    layout.stock.manufacturer = QStringLiteral("AVERY");
    layout.stock.productType = QStringLiteral("ADDRESS/SHIPPING LABELS");
    return layout;
}

TLabelLayout DefaultLabelSetup()
{
    TLabelLayout layout = NewLabelLayout();
    layout.description = QStringLiteral("Default Label Setup");
    layout.stock.geometry.horizPitch = 2.75;
    layout.stock.geometry.vertPitch = 1.0;
    layout.stock.productType = QStringLiteral("ADDRESS LABELS");
    return layout;
}

QString KeptDescription(const QString& description) { return description.left(kMaxDescriptionLength); }

} // namespace labels
