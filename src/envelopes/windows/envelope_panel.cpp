#include "envelopes/windows/envelope_panel.h"

#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/panels/panel_creation.h"
#include "design/panels/panel_label.h"
#include "design/surface/surface_commands.h"

#include <QPainter>

#include <optional>

namespace envelopes {

namespace {

using design::TGNewObject;

std::optional<TGNewObject> ObjectOf(TEPanelState state)
{
    switch (state) {
    case TEPanelState::psPointing:
        return std::nullopt;
    case TEPanelState::psLabel:
        return TGNewObject::Text;
    case TEPanelState::psDataLabel:
        return TGNewObject::DataField;
    case TEPanelState::psMultiLineLabel:
        return TGNewObject::MultiLineText;
    case TEPanelState::psAddressLabel:
        return TGNewObject::AddressBlock;
    case TEPanelState::psRectangle:
        return TGNewObject::Rectangle;
    case TEPanelState::psEllipse:
        return TGNewObject::Ellipse;
    case TEPanelState::psRoundRectangle:
        return TGNewObject::RoundRectangle;
    case TEPanelState::psLine:
        return TGNewObject::VerticalLine;
    case TEPanelState::psImage:
        return TGNewObject::Image;
    case TEPanelState::psPostNetBarCode:
        return TGNewObject::PostNetBarCode;
    case TEPanelState::psFIMBarCode:
        return TGNewObject::FIMBarCode;
    }
    return std::nullopt;
}

const QColor kTemplateFill(239, 239, 239);
const QColor kTemplateOutline(128, 128, 128);
const QColor kCaptionBackground(192, 192, 192); // silver
constexpr double kCaptionPoints = 8.0;

} // namespace

TEnvelopePanel::TEnvelopePanel(design::TGDesignOwner& owner, const QString& clipboardFolder, QWidget* parent)
    : TGDataPanel(owner, design::TGClassSet::EnvelopeSurface(), clipboardFolder, parent)
{
    setObjectName(QStringLiteral("EnvelopePanel"));
    SetShape(design::TLabelShapeType::lsRectangle);
}

void TEnvelopePanel::SetPanelState(TEPanelState state)
{
    if (state == panelState_)
        return;
    panelState_ = state;
    SetPointing(state == TEPanelState::psPointing);
    design::ShowToolCursor(*this, Pointing());
}

void TEnvelopePanel::SetPrinterArea(const TPrinterArea& area)
{
    printerArea_ = area;
    update();
}

void TEnvelopePanel::SetShowPrinterMargins(bool show)
{
    showPrinterMargins_ = show;
    update();
}

void TEnvelopePanel::SetShowAutomationTemplate(bool show)
{
    showTemplate_ = show;
    update();
}

void TEnvelopePanel::CreateObjectInRect(const QRect& rect)
{
    if (const auto kind = ObjectOf(panelState_))
        design::PlaceNewObject(*this, *kind, design::surface::WidenedToolRect(rect), {},
                               design::TGPlacement::pmAsDrawn);
}

void TEnvelopePanel::paintEvent(QPaintEvent* event)
{
    TGDataPanel::paintEvent(event);
    if (!showPrinterMargins_ && !showTemplate_)
        return;
    QPainter painter(this);
    if (showTemplate_)
        PaintAutomationTemplate(painter);
    if (showPrinterMargins_)
        PaintPrinterMargins(painter);
}

void TEnvelopePanel::PaintPrinterMargins(QPainter& painter) const
{
    painter.save();
    painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(PrinterMarginBox(printerArea_, Zoom()).Area().adjusted(0, 0, -1, -1));
    painter.restore();
}

void TEnvelopePanel::PaintAutomationTemplate(QPainter& painter) const
{
    painter.save();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kCaptionPoints * Zoom());
    painter.setFont(font);
    for (const TOverlayBox& box : AutomationTemplateBoxes(size(), Zoom(), Owner().PixelsPerInch())) {
        const QRect area = box.Area();
        painter.fillRect(area, kTemplateFill);
        painter.setPen(kTemplateOutline);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        const QRect textArea(box.CaptionAt(), painter.fontMetrics().size(0, box.caption));
        painter.fillRect(textArea, kCaptionBackground);
        painter.setPen(Qt::black);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, box.caption);
    }
    painter.restore();
}

} // namespace envelopes
