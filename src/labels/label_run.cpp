#include "labels/label_run.h"

#include "design/model/address_record.h"
#include "labels/address_run_state.h"
#include "labels/label_design.h"
#include "labels/label_paper.h"
#include "labels/presort_list.h"
#include "labels/presort_passes.h"
#include "labels/run_refusal.h"
#include "output/output_dialogs.h"
#include "store/address_dataset.h"
#include "xbase/apollo_env.h"


namespace labels {

TPresortResult TLabelRunHost::RunPresort(quorvel::TDataset&, const QString&)
{
    TPresortResult result;
    result.outcome = TPresortOutcome::Completed;
    return result;
}

TLabelRunResult TLabelRun::Run(const TLabelGeometry& geometry, const QString& designFile,
                               const TLabelRunOptions& given)
{
    result_ = TLabelRunResult();
    TLabelRunOptions options = given;
    // Presorting orders many records; the current one alone has no order,
    // and copies of a presorted label would split its package.
    options.presort = options.presort && options.records != rcOnlyCurrent;
    if (options.presort)
        options.copies = 1;
    if (const QString why = CheckRunOptions(options, geometry); !why.isEmpty()) {
        Refuse(why);
        return result_;
    }
    TLabelDesign design(context_.pixelsPerInch);
    if (const auto refused = LoadRunDesign(design, designFile, messages::designFileRemoved())) {
        Refuse(refused->message, refused->error);
        return result_;
    }
    const TAddressRunState state(context_.addresses, context_.env);
    if (!SelectAndStart(options, state.RememberedRecord()))
        return result_;
    QStringList presortLines;
    if (options.presort && !PreparePresort(presortLines))
        return result_;
    PrintJob(geometry, design, options, options.presort ? &presortLines : nullptr);
    return result_;
}

bool TLabelRun::Refuse(const QString& message, bool asError)
{
    result_.message = message;
    TRunRefusal{message, asError}.Tell(context_.dialogs);
    return false;
}

bool TLabelRun::SelectAndStart(const TLabelRunOptions& options, std::uint32_t record)
{
    const std::optional<TRunRefusal> refused =
        labels::SelectAndStart(context_.addresses, context_.dialogs, options.records, options.startFromCurrent, record);
    return refused ? Refuse(refused->message, refused->error) : true;
}

// The presort writes the list that the run then follows, in ZIP order.
bool TLabelRun::PreparePresort(QStringList& lines)
{
    const TPresortResult presort = context_.host.RunPresort(context_.addresses, context_.presortFile);
    if (presort.outcome == TPresortOutcome::Cancelled)
        return false;
    if (presort.outcome == TPresortOutcome::Failed)
        return Refuse(presort.message, true);
    context_.env.sx_SetExact(false);
    if (!context_.addresses.SetOrder(QStringLiteral("ZIP")))
        return Refuse(context_.addresses.lastError(), true);
    const TPresortFile list = ReadPresortFile(context_.presortFile);
    if (!list.ok())
        return Refuse(list.error, true);
    lines = list.lines;
    context_.dialogs.ShowInformation(messages::presortOrder(lines.contains(QLatin1String(kNotPresortedHeader))));
    return true;
}

void TLabelRun::PrintJob(const TLabelGeometry& geometry, TLabelDesign& design, const TLabelRunOptions& options,
                         const QStringList* presortLines)
{
    output::TPrintStatus status(options.preview, LabelJobTexts());
    status.SetDevice(context_.device);
    status.SetDialogs(&context_.dialogs);
    if (!PrepareLabelPaper(status, geometry))
        return;
    const design::TGAddressRecord record(context_.addresses);
    design.SetRecord(&record);
    TLabelPrinter printer(geometry, design, context_.addresses, status);
    printer.SetMask(options.mask);
    printer.SetCopies(options.copies);
    printer.SetStartPosition(options.startPosition);
    if (presortLines)
        printer.SetPresortLines(*presortLines);
    printer.HookJob();
    context_.host.RunStatus(status);
    result_.outcome = status.Outcome();
    result_.message = status.FailureMessage();
    result_.counts = printer.Counts();
    result_.counts.pages = status.Pages();
    design.SetRecord(nullptr);
    if (status.ShowsPreview())
        context_.host.ShowPreview(status.PreviewStream());
}

} // namespace labels
