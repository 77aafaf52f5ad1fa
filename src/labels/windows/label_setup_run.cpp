// "Print Labels": Print and Preview. The highlighted layout is read and
// checked, the user picks the positions, and the label run takes over.
#include "labels/label_design_files.h"
#include "labels/label_run.h"
#include "labels/windows/label_run_window_host.h"
#include "labels/windows/label_setup_screen.h"
#include "output/rp_device.h"
#include "store/home_folder.h"
#include "ui/services.h"
#include "xbase/apollo_env.h"

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

void TLabelSetupScreen::RunLabels(const TLabelLayout& layout, bool preview)
{
    TLabelRunOptions options;
    options.records = options_.What();
    options.startFromCurrent = options_.StartFromCurrent();
    options.presort = options_.Presort();
    options.mask = picks_.mask;
    options.copies = picks_.copies;
    options.startPosition = picks_.startPosition;
    options.preview = preview;
    TLabelRunWindowHost host(this, context_.preparePreview, options_.PresortDone());
    TLabelRunContext run { context_.addresses, xbase::TApolloEnv::global(), context_.outputDialogs, host,
        context_.home.path(u"PRESORT.PSL") };
    const QString designFile = LabelDesignPath(context_.home.sysdataFolder(), layout.designFile);
    TLabelRun(run).Run(layout.stock.geometry, designFile, options);
    if (host.PresortDone())
        options_.MarkPresortDone();
}

} // namespace labels
