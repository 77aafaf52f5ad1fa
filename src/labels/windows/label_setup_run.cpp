// "Print Labels": Print and Preview. The highlighted layout is read and
// checked, the user picks the positions, and the label run takes over.
#include "labels/windows/label_setup_screen.h"
#include "output/rp_device.h"
#include "ui/services.h"

#include <QComboBox>

namespace labels {

void TLabelSetupScreen::StartRun(bool preview)
{
    const std::optional<TLabelLayout> layout = HighlightedLayout();
    if (!layout)
        return;
    TSelectSpecificLabels picker(
        layout->stock.geometry, picks_, options_.Presort(), output::TRPDevice::Shared().PrinterNames(), this);
    if (picker.exec() != 1)
        return;
    picks_ = picker.Picks();
    if (picks_.printerIndex != PrinterCombo->currentIndex()) {
        output::TRPDevice::Shared().SelectPrinterIndex(picks_.printerIndex);
        PrinterCombo->setCurrentIndex(picks_.printerIndex);
    }
    RunLabels(*layout, preview);
}

void TLabelSetupScreen::RunLabels(const TLabelLayout&, bool)
{
    // The label run is the one place Print and Preview reach; until it is
    // part of the program the user is told rather than shown an empty run.
    quorvel::TServices::messages().information(this, QStringLiteral("Label printing is not available yet"));
}

} // namespace labels
