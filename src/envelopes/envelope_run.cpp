#include "envelopes/envelope_run.h"

#include "design/model/address_record.h"
#include "envelopes/envelope_printer.h"
#include "envelopes/envelope_sizes.h"
#include "labels/address_run_state.h"
#include "labels/label_design.h"
#include "labels/run_refusal.h"
#include "output/output_dialogs.h"
#include "output/rp_device.h"
#include "store/address_dataset.h"

namespace envelopes {

namespace {

output::TOrientation JobOrientation(const TEnvelopeFeedDescription& feed)
{
    return feed.orientation == foLandscape ? output::poLandScape : output::poPortrait;
}

} // namespace

TEnvelopeRunResult TEnvelopeRun::Run(const TEnvelopeLayout& layout, const TEnvelopeRunOptions& options)
{
    result_ = TEnvelopeRunResult();
    output::TRPDevice& device = Device();
    TEnvelopeFeedDescription feed = context_.host.LoadSettings(device);
    const labels::TLayoutKind& kind = EnvelopeLayoutKind();
    labels::TLabelDesign design(context_.pixelsPerInch, kind.classes());
    const QString path = EnvelopeDesignPath(context_.sysdataFolder, layout.designFile);
    if (const auto refused = labels::LoadRunDesign(design, path, kind.missingDesign))
        return Refuse(*refused);

    const TEnvelopeSize& size = EnvelopeSizeOrDefault(layout.sizeCode);
    output::TPrintStatus status(options.preview, EnvelopeJobTexts(options.preview));
    status.SetDevice(&device);
    status.SetDialogs(&context_.dialogs);
    if (!PreparePaper(status, feed, size.code))
        return result_;

    const labels::TAddressRunState state(context_.addresses, context_.env);
    if (const auto refused = labels::SelectAndStart(context_.addresses, context_.dialogs, options.records,
                                                    options.startFromCurrent, state.RememberedRecord()))
        return Refuse(*refused);
    PrintJob(status, design, QSizeF(size.width, size.height), feed, options.records == labels::rcOnlyCurrent);
    return result_;
}

// The envelope's own paper, turned as the feed takes it, unless "Envelope
// Print" chooses otherwise; false when it was cancelled.
bool TEnvelopeRun::PreparePaper(output::TPrintStatus& status, TEnvelopeFeedDescription& feed, int sizeCode)
{
    status.Report().ChoosePaper(sizeCode, 0.0, 0.0);
    status.SetOrientation(JobOrientation(feed));
    if (!context_.host.ConfirmPrePrint(feed, sizeCode))
        return false;
    // The feed may have changed in the dialog, and the job turns with it.
    status.SetOrientation(JobOrientation(feed));
    context_.host.SaveSettings(status.Report().Device(), feed);
    return true;
}

void TEnvelopeRun::PrintJob(output::TPrintStatus& status, labels::TLabelDesign& design, QSizeF envelope,
                            const TEnvelopeFeedDescription& feed, bool onlyCurrent)
{
    const design::TGAddressRecord record(context_.addresses);
    design.SetRecord(&record);
    TEnvelopePrinter printer(design, context_.addresses, status, envelope, feed, onlyCurrent);
    printer.HookJob();
    context_.host.RunStatus(status);
    design.SetRecord(nullptr);
    result_.outcome = status.Outcome();
    result_.message = status.FailureMessage();
    result_.envelopes = printer.Envelopes();
    result_.paper = printer.Paper();
    result_.landscape = feed.orientation == foLandscape;
    result_.offset = printer.Offset();
    if (status.ShowsPreview())
        context_.host.ShowPreview(status.PreviewStream());
}

const TEnvelopeRunResult& TEnvelopeRun::Refuse(const labels::TRunRefusal& refusal)
{
    result_.message = refusal.message;
    refusal.Tell(context_.dialogs);
    return result_;
}

output::TRPDevice& TEnvelopeRun::Device() const
{
    return context_.device ? *context_.device : output::TRPDevice::Shared();
}

// The same texts for a print and a preview job: the kind is there for a
// window that asks by the job it shows.
output::TPrintJobTexts EnvelopeJobTexts(bool)
{
    output::TPrintJobTexts texts;
    texts.printCompleted = QStringLiteral("\rEnvelope Print Completed!");
    texts.printCanceled = QStringLiteral("\rEnvelope Print Canceled!");
    texts.previewCanceled = QStringLiteral("\rEnvelope Preview Canceled!");
    texts.previewStopped = QStringLiteral("\rPreview Stopped!");
    // An envelope job is abandoned at the first press of Cancel.
    texts.cancelQuestion.clear();
    texts.closesWhenEnded = true;
    return texts;
}

} // namespace envelopes
