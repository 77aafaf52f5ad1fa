// "Print Envelope": Print, Preview and Printer Setup. The envelope run
// does the work; the screen gives it its windows and settings.
#include "envelopes/envelope_run.h"
#include "envelopes/envelope_settings.h"
#include "envelopes/windows/envelope_current_record.h"
#include "envelopes/windows/envelope_run_window_host.h"
#include "envelopes/windows/envelope_setup_screen.h"
#include "output/output_dialogs.h"
#include "output/rp_device.h"
#include "store/home_folder.h"
#include "xbase/apollo_env.h"

namespace envelopes {

void TQVEnvelopes::StartRun(bool preview)
{
    if (!GoToHighlighted())
        return;
    const TEnvelopeLayout layout = ReadCurrentEnvelopeLayout(context_.layouts);
    output::TRPDevice& device = output::TRPDevice::Shared();
    TEnvelopeRunWindowHost host(this, context_.ini, device, context_.outputDialogs, context_.preparePreview);
    TEnvelopeRunContext run { context_.addresses, xbase::TApolloEnv::global(), context_.outputDialogs, host,
        context_.home.sysdataFolder(), &device, kPixelsPerInch };
    TEnvelopeRunOptions options = options_;
    options.preview = preview;
    // The run tells the user why it did not start or how it failed.
    TEnvelopeRun(run).Run(layout, options);
    CurrentRecord->ShowRecord();
    EDisplay->RefreshData();
    EDisplay->update();
}

void TQVEnvelopes::PrinterSetupButtonClick()
{
    output::TRPDevice& device = output::TRPDevice::Shared();
    if (!context_.outputDialogs.AskPrinterSetup(device))
        return;
    const quorvel::TTableResult saved = SaveEnvelopeSettings(context_.ini, device, ReadEnvelopeFeed(context_.ini));
    if (!saved)
        ShowFailure(saved.messages);
}

} // namespace envelopes
