#pragma once

#include "design/panels/panel_creation.h"
#include "design/panels/panel_data.h"
#include "design/surface/surface_types.h"

#include <optional>

namespace design {

// One band of the report designer (header, detail, memo or footer). Some
// objects only make sense in some bands; the band refuses the others.
class TReportPanel : public TGDataPanel {
    Q_OBJECT

public:
    TReportPanel(TGDesignOwner& owner, TRPanelKind kind, const QString& clipboardFolder, QWidget* parent = nullptr);

    TRPanelState PanelState() const { return panelState_; }
    void SetPanelState(TRPanelState state);
    TRPanelKind PAnelKind() const { return kind_; }
    void SetPAnelKind(TRPanelKind kind) { kind_ = kind; }
    bool EditingEnabled() const { return editingEnabled_; }
    void SetEditingEnabled(bool enabled) { editingEnabled_ = enabled; }
    void SetNewObjectEditor(TGNewObjectEditor editor) { editor_ = std::move(editor); }

    void CreateObjectInRect(const QRect& rect) override;
    void ObjectMouseDown(TGGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         QPoint surfacePoint) override;
    void KeepObjectsInside() override;
    void RemoveObjectsOutside() override;

    // The text shown when the tool may not be used on this band; nothing
    // when it may.
    static std::optional<QString> RefusalFor(TRPanelState tool, TRPanelKind band);

signals:
    // The band handled a press on one of its objects.
    void ControlMouseDownEvent();

protected:
    void SurfaceMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point,
                          QPoint globalPoint) override;

private:
    TRPanelKind kind_;
    TRPanelState panelState_ = TRPanelState::psPointing;
    bool editingEnabled_ = true;
    TGNewObjectEditor editor_;
};

} // namespace design
