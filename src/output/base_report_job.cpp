#include "output/base_report.h"

#include "output/output_dialogs.h"
#include "output/output_error.h"
#include "output/rp_device.h"

#include <exception>

namespace output {

TBaseReport::TBaseReport() = default;
TBaseReport::~TBaseReport() = default;

TRPDevice& TBaseReport::Device() const
{
    return device_ != nullptr ? *device_ : TRPDevice::Shared();
}

TOutputDialogs& TBaseReport::Dialogs() const
{
    return dialogs_ != nullptr ? *dialogs_ : DefaultOutputDialogs();
}

void TBaseReport::SetUnits(TUnits units)
{
    units_ = units;
    unitsFactor_ = UnitsPerInch(units, unitsFactor_);
}

void TBaseReport::SetUnitsFactor(double factor)
{
    if (factor > 0.0)
        unitsFactor_ = factor;
}

void TBaseReport::SetCopies(int copies)
{
    RequireIdle();
    copies_ = copies < 1 ? 1 : copies;
}

void TBaseReport::SetOrientation(TOrientation orientation)
{
    RequireIdle();
    orientation_ = orientation;
    if (orientation != poDefault && Device().HasPrinters())
        Device().SetOrientation(orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TBaseReport::RequireIdle() const
{
    if (running_)
        throw EReportError(messages::alreadyPrinting());
}

void TBaseReport::RequireDrawing() const
{
    if (!running_)
        throw EReportError(messages::notPrinting());
    if (aborted_)
        throw EJobAborted();
}

void TBaseReport::fire(const TReportEvent& event)
{
    if (event)
        event(*this);
}

void TBaseReport::Emit(TPageOp op)
{
    RequireDrawing();
    if (inRange_)
        EmitOp(std::move(op));
}

void TBaseReport::RunJob()
{
    RequireIdle();
    if (NeedsPrinter() && !Device().HasPrinters()) {
        Dialogs().ShowError(messages::noPrinters());
        return;
    }
    aborted_ = false;
    page_ = 0;
    fire(OnBeforePrint);
    if (orientation_ != poDefault)
        SetOrientation(orientation_);
    Device().SetCopies(copies_);
    if (!BeginDocument()) {
        aborted_ = true;
        fire(OnAfterPrint);
        return;
    }
    running_ = true;
    try {
        startFirstPage();
        PrintBody();
    } catch (const EJobAborted&) {
        // AbortJob was called; the handler unwound to here on purpose.
    } catch (...) {
        finishJob(true);
        throw;
    }
    finishJob(false);
}

void TBaseReport::startFirstPage()
{
    ResetAreaToMargins();
    page_ = 1;
    resetPageState();
    RefreshStatus();
    beginPageOutput();
    fire(OnNewPage);
    fire(OnPrintHeader);
}

void TBaseReport::PrintBody()
{
    if (OnPrint || !OnPrintPage) {
        fire(OnPrint);
        return;
    }
    while (!aborted_ && OnPrintPage(*this, page_))
        StartNextPage();
}

// Ends the page and the document whatever happened before; a failure while
// doing so still leaves the component idle and is passed on afterwards. A
// job that failed is abandoned like an aborted one: half a document must
// not pass for a whole one.
void TBaseReport::finishJob(bool failed)
{
    std::exception_ptr failure;
    try {
        if (!aborted_ && !failed)
            fire(OnPrintFooter);
    } catch (const EJobAborted&) {
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        endPageOutput();
    } catch (...) {
        failure = failure ? failure : std::current_exception();
    }
    running_ = false;
    EndDocument(aborted_ || failed || failure != nullptr);
    fire(OnAfterPrint);
    if (failure)
        std::rethrow_exception(failure);
}

void TBaseReport::StartNextPage()
{
    RequireDrawing();
    fire(OnPrintFooter);
    endPageOutput();
    ++page_;
    RefreshStatus();
    resetPageState();
    beginPageOutput();
    fire(OnNewPage);
    fire(OnPrintHeader);
}

void TBaseReport::resetPageState()
{
    inRange_ = page_ >= firstPage_ && page_ <= lastPage_;
    originX_ = 0.0;
    originY_ = 0.0;
    ResetAreaToMargins();
    currentTab_ = 0;
    CursorHome();
}

void TBaseReport::beginPageOutput()
{
    if (inRange_)
        BeginPage();
}

void TBaseReport::endPageOutput()
{
    if (inRange_)
        EndPage();
}

TStatusContext TBaseReport::DeviceStatus() const
{
    TStatusContext context;
    if (Device().HasPrinters()) {
        context.driverName = Device().DriverName();
        context.printerName = Device().DeviceName();
        context.port = Device().Port();
    }
    return context;
}

void TBaseReport::RefreshStatus()
{
    TStatusContext context = DeviceStatus();
    context.lines = statusText_;
    context.firstPage = firstPage_;
    context.lastPage = lastPage_;
    context.currentPage = page_;
    statusCaption_ = ExpandStatusFormat(statusFormat_, context);
    if (statusSink_)
        statusSink_(statusCaption_);
}

} // namespace output
