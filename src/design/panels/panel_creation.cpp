#include "design/panels/panel_creation.h"

#include "design/model/address_label.h"
#include "design/model/class_set.h"
#include "design/model/counter_label.h"
#include "design/model/data_label.h"
#include "design/model/date_time_label.h"
#include "design/model/graphic_control.h"
#include "design/model/image_object.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/memo_label.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet.h"
#include "design/model/text_labels.h"
#include "design/panels/panel_data.h"
#include "design/panels/surface_menu_host.h"

namespace design {

namespace {

const char* ClassNameOf(TGNewObject kind)
{
    switch (kind) {
    case TGNewObject::Text:
        return "TGPLabel";
    case TGNewObject::Counter:
        return "TGCounterLabel";
    case TGNewObject::Symbol:
        return "TGSymbolLabel";
    case TGNewObject::DataField:
        return "TGPDLabel";
    case TGNewObject::MultiLineText:
        return "TGMultiLineLabel";
    case TGNewObject::Memo:
        return "TGDMultiLineLabel";
    case TGNewObject::AddressBlock:
        return "TGDMultiLineAddressLabel";
    case TGNewObject::Rectangle:
    case TGNewObject::Ellipse:
    case TGNewObject::RoundRectangle:
        return "TGLabelShapes";
    case TGNewObject::ReportRectangle:
    case TGNewObject::ReportEllipse:
    case TGNewObject::ReportRoundRectangle:
        return "Trpshapes";
    case TGNewObject::VerticalLine:
    case TGNewObject::HorizontalLine:
        return "TGLineShape";
    case TGNewObject::Image:
        return "TGImage";
    case TGNewObject::PostNetBarCode:
        return "TGPostNetBarCode";
    case TGNewObject::FIMBarCode:
        return "TGFIMBarCode";
    case TGNewObject::DateTime:
        return "TGDateTimeLabel";
    case TGNewObject::PageNumber:
        return "TGPageNumberLabel";
    }
    return "";
}

TShapeType ShapeOf(TGNewObject kind)
{
    switch (kind) {
    case TGNewObject::Ellipse:
    case TGNewObject::ReportEllipse:
        return TShapeType::stEllipse;
    case TGNewObject::RoundRectangle:
    case TGNewObject::ReportRoundRectangle:
        return TShapeType::stRoundRect;
    default:
        return TShapeType::stRectangle;
    }
}

// The dialog in which the user gives a new object what it shows.
std::optional<TGObjectDialog> PlacingDialog(TGNewObject kind)
{
    switch (kind) {
    case TGNewObject::Text:
        return TGObjectDialog::Text;
    case TGNewObject::Symbol:
        return TGObjectDialog::Symbol;
    case TGNewObject::DataField:
        return TGObjectDialog::DataField;
    case TGNewObject::MultiLineText:
        return TGObjectDialog::MultiLineText;
    default:
        return std::nullopt;
    }
}

void OpenPlacingDialog(TGDataPanel& panel, TGGraphicControl& object, TGObjectDialog dialog,
                       const TGNewObjectEditor& editor)
{
    if (editor) {
        editor(object);
        return;
    }
    // The same dialog the object's menu opens, through the same host.
    TGSurfaceMenuHost host(panel, nullptr);
    host.OpenObjectDialog(object, dialog);
}

bool ShowsRecord(TGNewObject kind)
{
    return kind == TGNewObject::DataField || kind == TGNewObject::Memo || kind == TGNewObject::AddressBlock ||
           kind == TGNewObject::PostNetBarCode;
}

// The starting properties that differ from a freshly made object's.
void Prepare(TGGraphicControl& object, TGNewObject kind, const TGFont& surfaceFont)
{
    if (auto* text = dynamic_cast<TGPLabel*>(&object))
        text->SetCaption(QStringLiteral("<text>"));
    if (auto* counter = dynamic_cast<TGCounterLabel*>(&object)) {
        counter->SetStartingnumber(1000);
        counter->SetTextBefore(QString());
        counter->SetTextAfter(QString());
    }
    if (auto* field = dynamic_cast<TGPDLabel*>(&object))
        field->SetDataFieldName(QStringLiteral("<field>"));
    if (auto* memo = dynamic_cast<TGDMultiLineLabel*>(&object)) {
        memo->SetDataFieldName(QStringLiteral("Memo"));
        memo->SetDataFieldDescript(QStringLiteral("MEMO"));
    }
    if (auto* shape = dynamic_cast<TGLabelShapes*>(&object))
        shape->SetShape(ShapeOf(kind));
    if (auto* line = dynamic_cast<TGLineShape*>(&object))
        line->SetLineStyle(kind == TGNewObject::VerticalLine ? TLineStyle::stVertical : TLineStyle::stHorizontal);
    if (auto* barcode = dynamic_cast<TGPostNetBarCode*>(&object)) {
        barcode->SetZipCodeField(QStringLiteral("ZIP"));
        barcode->SetAddressField(QStringLiteral("STREET"));
    }
    // Symbols keep the symbol font they were made with.
    if (kind == TGNewObject::Symbol)
        return;
    if (auto* label = dynamic_cast<TGBaseLabel*>(&object))
        label->SetFont(surfaceFont);
    if (auto* lines = dynamic_cast<TGMultiLineBaseLabel*>(&object))
        lines->SetFont(surfaceFont);
}

} // namespace

TGGraphicControl* PlaceNewObject(TGDataPanel& panel, TGNewObject kind, const QRect& rect,
                                 const TGNewObjectEditor& editor, TGPlacement placement)
{
    const TGClassEntry* entry = TGClassSet::AllClasses().Find(QByteArray(ClassNameOf(kind)));
    if (!entry)
        return nullptr;
    std::unique_ptr<TGGraphicControl> made = entry->create(panel.Owner());
    Prepare(*made, kind, panel.NewObjectFont());
    made->Loaded(); // initialised as an object read from a file would be
    TGGraphicControl* placed = panel.AddObject(std::move(made), rect);
    const bool askAndFit = placement == TGPlacement::pmAskAndFit;
    if (const std::optional<TGObjectDialog> dialog = PlacingDialog(kind); dialog && askAndFit)
        OpenPlacingDialog(panel, *placed, *dialog, editor);
    if (ShowsRecord(kind))
        panel.ShowAllData();
    if (auto* label = dynamic_cast<TGBaseLabel*>(placed); label && kind != TGNewObject::Image && askAndFit)
        label->GrowToFit();
    panel.update();
    return placed;
}

} // namespace design
