#pragma once

#include "design/panels/panel_data.h"
#include "envelopes/envelope_overlays.h"

namespace envelopes {

// The creation tools of the envelope surface.
enum class TEPanelState {
    psPointing,
    psLabel,
    psDataLabel,
    psMultiLineLabel,
    psAddressLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psPostNetBarCode,
    psFIMBarCode
};

// The surface of the envelope designer: one envelope at screen resolution.
// Objects are placed as they were drawn, without the dialogs and fitting of
// the label surface. Over the design it can show where the printer cannot
// print and where the postal automation zones lie.
class TEnvelopePanel : public design::TGDataPanel {
    Q_OBJECT

public:
    TEnvelopePanel(design::TGDesignOwner& owner, const QString& clipboardFolder, QWidget* parent = nullptr);

    TEPanelState PanelState() const { return panelState_; }
    // Any tool but pointing turns the surface to drawing.
    void SetPanelState(TEPanelState state);

    const TPrinterArea& PrinterArea() const { return printerArea_; }
    void SetPrinterArea(const TPrinterArea& area);
    bool ShowPrinterMargins() const { return showPrinterMargins_; }
    void SetShowPrinterMargins(bool show);
    bool ShowAutomationTemplate() const { return showTemplate_; }
    void SetShowAutomationTemplate(bool show);

    void CreateObjectInRect(const QRect& rect) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintPrinterMargins(QPainter& painter) const;
    void PaintAutomationTemplate(QPainter& painter) const;

    TEPanelState panelState_ = TEPanelState::psPointing;
    TPrinterArea printerArea_;
    bool showPrinterMargins_ = false;
    bool showTemplate_ = false;
};

} // namespace envelopes
