#pragma once

#include "design/panels/panel_creation.h"
#include "design/panels/panel_data.h"
#include "design/surface/surface_types.h"

namespace design {

// The surface of the label designer.
class TGLabelPanel : public TGDataPanel {
    Q_OBJECT

public:
    TGLabelPanel(TGDesignOwner& owner, const QString& clipboardFolder, QWidget* parent = nullptr);

    TLPanelState PanelState() const { return panelState_; }
    // Any tool but pointing turns the surface to drawing.
    void SetPanelState(TLPanelState state);
    void SetNewObjectEditor(TGNewObjectEditor editor) { editor_ = std::move(editor); }

    void CreateObjectInRect(const QRect& rect) override;

private:
    TLPanelState panelState_ = TLPanelState::psPointing;
    TGNewObjectEditor editor_;
};

// What a creation tool shows while it is active.
void ShowToolCursor(QWidget& surface, bool pointing);

} // namespace design
