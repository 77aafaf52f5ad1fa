#include "design/panels/panel_label.h"

#include "design/model/class_set.h"
#include "design/surface/surface_commands.h"

#include <optional>

namespace design {

namespace {

std::optional<TGNewObject> ObjectOf(TLPanelState state)
{
    switch (state) {
    case TLPanelState::psPointing:
        return std::nullopt;
    case TLPanelState::psLabel:
        return TGNewObject::Text;
    case TLPanelState::psCounterLabel:
        return TGNewObject::Counter;
    case TLPanelState::psSymbolLabel:
        return TGNewObject::Symbol;
    case TLPanelState::psDataLabel:
        return TGNewObject::DataField;
    case TLPanelState::psMultiLineLabel:
        return TGNewObject::MultiLineText;
    case TLPanelState::psMultiLineDataLabel:
        return TGNewObject::Memo;
    case TLPanelState::psAddressLabel:
        return TGNewObject::AddressBlock;
    case TLPanelState::psRectangle:
        return TGNewObject::Rectangle;
    case TLPanelState::psEllipse:
        return TGNewObject::Ellipse;
    case TLPanelState::psRoundRectangle:
        return TGNewObject::RoundRectangle;
    case TLPanelState::psLine:
        return TGNewObject::VerticalLine;
    case TLPanelState::psImage:
        return TGNewObject::Image;
    case TLPanelState::psPostNetBarCode:
        return TGNewObject::PostNetBarCode;
    }
    return std::nullopt;
}

} // namespace

void ShowToolCursor(QWidget& surface, bool pointing)
{
    if (pointing)
        surface.unsetCursor();
    else
        surface.setCursor(Qt::CrossCursor);
}

TGLabelPanel::TGLabelPanel(TGDesignOwner& owner, const QString& clipboardFolder, QWidget* parent)
    : TGDataPanel(owner, TGClassSet::LabelSurface(), clipboardFolder, parent)
{
    setObjectName(QStringLiteral("LabelPanel"));
}

void TGLabelPanel::SetPanelState(TLPanelState state)
{
    if (state == panelState_)
        return;
    panelState_ = state;
    SetPointing(state == TLPanelState::psPointing);
    ShowToolCursor(*this, Pointing());
}

void TGLabelPanel::CreateObjectInRect(const QRect& rect)
{
    if (const auto kind = ObjectOf(panelState_))
        PlaceNewObject(*this, *kind, surface::WidenedToolRect(rect), editor_);
}

} // namespace design
