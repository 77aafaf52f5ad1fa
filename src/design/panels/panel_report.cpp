#include "design/panels/panel_report.h"

#include "design/model/class_set.h"
#include "design/panels/panel_label.h"
#include "design/surface/surface_commands.h"
#include "ui/services.h"


namespace design {

namespace {

std::optional<TGNewObject> ObjectOf(TRPanelState state)
{
    switch (state) {
    case TRPanelState::psPointing:
        return std::nullopt;
    case TRPanelState::psLabel:
        return TGNewObject::Text;
    case TRPanelState::psDataLabel:
        return TGNewObject::DataField;
    case TRPanelState::psMultiLineDataLabel:
        return TGNewObject::Memo;
    case TRPanelState::psLine:
        return TGNewObject::HorizontalLine;
    case TRPanelState::psImage:
        return TGNewObject::Image;
    case TRPanelState::psDateTime:
        return TGNewObject::DateTime;
    case TRPanelState::psPageNumber:
        return TGNewObject::PageNumber;
    case TRPanelState::psSymbolLabel:
        return TGNewObject::Symbol;
    case TRPanelState::psRectangle:
        return TGNewObject::ReportRectangle;
    case TRPanelState::psEllipse:
        return TGNewObject::ReportEllipse;
    case TRPanelState::psRoundRectangle:
        return TGNewObject::ReportRoundRectangle;
    }
    return std::nullopt;
}

} // namespace

TReportPanel::TReportPanel(TGDesignOwner& owner, TRPanelKind kind, const QString& clipboardFolder, QWidget* parent)
    : TGDataPanel(owner, TGClassSet::ReportBand(), clipboardFolder, parent), kind_(kind)
{
    setObjectName(QStringLiteral("ReportPanel"));
}

void TReportPanel::SetPanelState(TRPanelState state)
{
    if (state == panelState_)
        return;
    panelState_ = state;
    SetPointing(state == TRPanelState::psPointing);
    ShowToolCursor(*this, Pointing());
}

std::optional<QString> TReportPanel::RefusalFor(TRPanelState tool, TRPanelKind band)
{
    switch (tool) {
    case TRPanelState::psMultiLineDataLabel:
        if (band != TRPanelKind::rpkMemo)
            return QStringLiteral("This object may only be used in the memo band");
        break;
    case TRPanelState::psDataLabel:
        if (band != TRPanelKind::rpkDetail)
            return QStringLiteral("This object may only be used in the detail band");
        break;
    case TRPanelState::psDateTime:
    case TRPanelState::psPageNumber:
        if (band != TRPanelKind::rpkHeader && band != TRPanelKind::rpkFooter)
            return QStringLiteral("This object may only be used in the header or footer bands");
        break;
    case TRPanelState::psImage:
        if (band != TRPanelKind::rpkHeader)
            return QStringLiteral("This object may only be used in the header band");
        break;
    default:
        break;
    }
    return std::nullopt;
}

void TReportPanel::CreateObjectInRect(const QRect& rect)
{
    if (const auto refusal = RefusalFor(panelState_, kind_)) {
        quorvel::TServices::messages().beep();
        quorvel::TServices::messages().information(this, *refusal);
        return;
    }
    if (const auto kind = ObjectOf(panelState_))
        PlaceNewObject(*this, *kind, surface::WidenedToolRect(rect), editor_);
}

void TReportPanel::ObjectMouseDown(TGGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                   QPoint surfacePoint)
{
    TGDataPanel::ObjectMouseDown(object, button, modifiers, surfacePoint);
    emit ControlMouseDownEvent();
}

void TReportPanel::SurfaceMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point,
                                    QPoint globalPoint)
{
    if (!editingEnabled_) {
        quorvel::TServices::messages().beep();
        return;
    }
    TGDataPanel::SurfaceMouseDown(button, modifiers, point, globalPoint);
}

void TReportPanel::KeepObjectsInside()
{
    ClearSelection();
    surface::KeepObjectsInside(Objects().Objects(), size(), surface::TGKeepInsideRule{0, 0});
    update();
}

void TReportPanel::RemoveObjectsOutside()
{
    DiscardObjectMenu();
    ClearSelection();
    const surface::TGOutsideRule bandRule{10, 10, false};
    for (TGGraphicControl* object : surface::ObjectsOutside(Objects().Objects(), size(), bandRule))
        Objects().Destroy(object);
    update();
}

} // namespace design
