// "Print Report": Print, Preview and Printer Setup. The report run does the
// work, remembering and restoring the address file around it; the window
// gives it its windows and the choices made.
#include "output/output_dialogs.h"
#include "output/rp_device.h"
#include "reports/report_run.h"
#include "reports/report_store.h"
#include "reports/windows/report_run_window_host.h"
#include "reports/windows/report_setup.h"
#include "store/home_folder.h"
#include "xbase/apollo_env.h"

namespace reports {

void TReportSetup::StartRun(bool preview)
{
    const bool designed = CurrentPage() == pgDesigner;
    if (designed && !GoToHighlighted())
        return;
    output::TRPDevice& device = output::TRPDevice::Shared();
    TReportRunWindowHost host(this, context_.preparePreview);
    const TReportRunContext run { context_.addresses, xbase::TApolloEnv::global(), context_.outputDialogs, host,
        context_.home.sysdataFolder(), &device, kPixelsPerInch };
    TReportRunOptions options = options_;
    options.preview = preview;
    // Pages end after a record only in a report of the user's own.
    if (!designed)
        options.onePerPage = false;
    // The run tells the user why it did not start or how it failed.
    TReportRun runner(run);
    if (designed)
        runner.RunUserDefined(ReadCurrentReport(context_.reports), options);
    else
        runner.RunBuiltIn(SelectedBuiltIn(), options);
}

void TReportSetup::PrinterSetupButtonClick()
{
    context_.outputDialogs.AskPrinterSetup(output::TRPDevice::Shared());
}

} // namespace reports
