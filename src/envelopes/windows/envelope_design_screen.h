#pragma once

#include "envelopes/envelope_layouts.h"
#include "envelopes/envelope_overlays.h"
#include "labels/windows/design_screen.h"

class QToolButton;

namespace envelopes {

class TEnvelopePanel;

// What the envelope design screen works with besides the layout.
struct TEnvelopeDesignContext : labels::TDesignScreenContext {
    // The current printer's unprintable borders and paper, for the margin
    // overlay.
    TPrinterArea printer;
    // ENVELOPE.DBF, standing on the layout's row unless the layout is new.
    // Save writes the row and the design file; without a table Save only
    // keeps the layout for the caller.
    quorvel::TDataset* layouts = nullptr;
};

// "Envelope Design Screen": one envelope of a layout at screen resolution,
// with the tools to place text, fields, address blocks, shapes, lines,
// pictures, POSTNET and FIM barcodes on it, and overlays showing where the
// printer cannot print and where the postal automation zones lie. Save
// writes the layout and closes with 1; Cancel closes with 2, writing
// nothing.
class TEnvelopeDesignScreen : public labels::TDesignScreen {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 4110;

    // A new layout has no row yet: Save appends one.
    TEnvelopeDesignScreen(TEnvelopeDesignContext context, const TEnvelopeLayout& layout, bool isNew,
                          QWidget* parent = nullptr);

    TEnvelopePanel& Panel() { return *EnvelopePanel; }

    // Reads the layout's design into the surface. A missing design file
    // opens empty and gets a new name on Save; a damaged one is told and
    // gives false: the screen must not open, since saving what was read of
    // it would overwrite the file with less.
    bool LoadDesign();

    // The layout as edited; after Save as the row holds it.
    const TEnvelopeLayout& Layout() const { return layout_; }
    // Whether Save wrote the layout.
    bool Saved() const { return saved_; }

    // "Envelope Size", then the surface takes the size chosen.
    void ChangeSizeButtonClick();

protected:
    void AddViewToggles(QWidget* bar) override;
    void ToolClick(int tool) override;
    void ChangeButtonClick() override { ChangeSizeButtonClick(); }
    void FormActivate() override;
    bool KeepLayout(const QString& description) override;

private:
    void ShowEnvelopeSize();

    TEnvelopeLayout layout_;
    bool isNew_;
    bool saved_ = false;
    std::uint32_t layoutRow_ = 0;
    TPrinterArea printer_;
    quorvel::TDataset* layouts_;

    QToolButton* ShowPrinterMarginsButton = nullptr;
    QToolButton* USPSTemplate = nullptr;
    TEnvelopePanel* EnvelopePanel;
};

} // namespace envelopes
