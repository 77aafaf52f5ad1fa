#include "reports/report_run.h"

#include "design/model/address_record.h"
#include "labels/address_run_state.h"
#include "labels/run_refusal.h"
#include "labels/single_record_report.h"
#include "output/output_dialogs.h"
#include "output/rp_device.h"
#include "reports/built_in_report_print.h"
#include "reports/report_design.h"
#include "reports/report_settings.h"
#include "reports/report_store.h"
#include "reports/user_report_print.h"
#include "store/address_dataset.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace reports {

namespace {

// Reports leave out what the user marked deleted in the prefix, as older
// files did, besides the deleted records.
const QString kAllReportRecords = QStringLiteral("!ISDEL .and. UPPER(PREFIX)<>\"DELETED\"");

// Reports 1, 2 and 4 list by last name, report 3 by organization.
QString BuiltInOrder(TBuiltInReport report)
{
    return report == brOrganizationName ? QStringLiteral("ORG") : QStringLiteral("LNAME");
}

// Reports 1 to 3 start at the first key from "0" on, so that records
// without a name (or organization) are left out of the list.
bool SkipsBlankKeys(TBuiltInReport report) { return report != brAllFields; }

// Goes to the first record whose key is "0" or higher; false when there
// is none.
bool SeekFromZero(quorvel::TAddressDataset& addresses, xbase::TApolloEnv& env)
{
    const bool softSeek = env.sx_GetSoftSeek();
    env.sx_SetSoftSeek(true);
    addresses.engine().sx_Seek("0");
    env.sx_SetSoftSeek(softSeek);
    const bool found = !addresses.engine().sx_Eof();
    addresses.Resync();
    return found;
}

// The printer's own paper, with the built-in reports' margins on both
// components (the left one is set by the report).
void SetBuiltInMargins(output::TPrintStatus& status)
{
    for (output::TBaseReport* component :
         {static_cast<output::TBaseReport*>(&status.Printer()), static_cast<output::TBaseReport*>(&status.Filer())}) {
        component->SetMarginRight(TBuiltInReportPrint::kMarginRight);
        component->SetMarginBottom(TBuiltInReportPrint::kMarginBottom);
        component->SetMarginTop(TBuiltInReportPrint::kMarginTop);
    }
}

// The job's title in the print queue.
const QString kJobTitle = QStringLiteral("ReportPrinter Report");

} // namespace

QStringList BuiltInReportCaptions()
{
    return {QStringLiteral("1. Name,Address,City,State,Zip,Phone"), QStringLiteral("2. Name,Organization,Phone,Fax"),
            QStringLiteral("3. Organization,Name,Phone,Fax "), QStringLiteral("4. All major fields (takes several lines)")};
}

QString DefaultReportTitle(int item) { return QStringLiteral("Report ") + QString::number(item + 1); }

// A report ends and asks as the one-record report does; a job an error
// ended says so.
output::TPrintJobTexts ReportJobTexts(bool)
{
    output::TPrintJobTexts texts = labels::RecordReportJobTexts();
    texts.printFailed = QStringLiteral("\rReport Print Failed!");
    texts.previewFailed = QStringLiteral("\rReport Preview Failed!");
    return texts;
}

// One run's job: its status with both components set up, the print
// options, the address file's selection and start, and the result.
class TReportRun::TJob {
public:
    TJob(const TReportRunContext& context, const TReportRunOptions& options)
        : context_(context), options_(options), status_(options.preview, ReportJobTexts(options.preview))
    {
        status_.SetDevice(&Device());
        status_.SetDialogs(&context_.dialogs);
        status_.Printer().SetTitle(kJobTitle);
        status_.Filer().SetTitle(kJobTitle);
    }

    output::TPrintStatus& Status() { return status_; }
    output::TRPDevice& Device() const
    {
        return context_.device ? *context_.device : output::TRPDevice::Shared();
    }

    // Copies and page range for printing; false when the user cancelled.
    bool AskPrintOptions() { return options_.preview || status_.Report().AskPrintOptions(); }

    // Selects the records and puts the cursor on the first to print; false
    // after telling the user why nothing can be printed.
    bool SelectAndStart(std::uint32_t remembered)
    {
        const auto refused = labels::SelectAndStart(context_.addresses, context_.dialogs, options_.records,
                                                    options_.startFromCurrent, remembered, kAllReportRecords);
        if (refused)
            Refuse(*refused);
        return !refused;
    }

    void Refuse(const labels::TRunRefusal& refusal)
    {
        result_.message = refusal.message;
        refusal.Tell(context_.dialogs);
    }

    // Runs `producer` under the status and shows a preview that came to an
    // end of its own or was stopped; a failed job shows none.
    template <class Producer>
    TReportRunResult Run(Producer& producer)
    {
        status_.OnBeforePrint = [&producer](output::TBaseReport& report) { producer.BeforePrint(report); };
        status_.OnPrint = [&producer](output::TBaseReport& report) { producer.Print(report); };
        context_.host.RunStatus(status_);
        result_.outcome = status_.Outcome();
        result_.message = status_.FailureMessage();
        result_.records = producer.Records();
        result_.pages = status_.Pages();
        if (status_.ShowsPreview())
            context_.host.ShowPreview(status_.PreviewStream());
        return result_;
    }

    const TReportRunResult& Result() const { return result_; }

private:
    const TReportRunContext& context_;
    const TReportRunOptions& options_;
    output::TPrintStatus status_;
    TReportRunResult result_;
};

TReportRun::TReportRun(const TReportRunContext& context) : context_(context) {}

TReportRunResult TReportRun::RunBuiltIn(int item, const TReportRunOptions& options)
{
    TJob job(context_, options);
    if (item < brNameAddress || item > brAllFields) {
        job.Refuse({QStringLiteral("There is no built-in report %1.").arg(item + 1), true});
        return job.Result();
    }
    const auto report = static_cast<TBuiltInReport>(item);
    if (!job.AskPrintOptions())
        return job.Result();
    SetBuiltInMargins(job.Status());

    const labels::TAddressRunState state(context_.addresses, context_.env);
    if (!context_.addresses.SetOrder(BuiltInOrder(report))) {
        job.Refuse({context_.addresses.lastError(), true});
        return job.Result();
    }
    if (!job.SelectAndStart(state.RememberedRecord()))
        return job.Result();
    const bool atCurrent =
        options.startFromCurrent && context_.addresses.RecNo() == state.RememberedRecord();
    // The chosen record prints whatever its key, hence not for "Only
    // current record".
    const bool nothingToPrint = SkipsBlankKeys(report) && options.records != labels::rcOnlyCurrent && !atCurrent &&
                                !SeekFromZero(context_.addresses, context_.env);

    TBuiltInPrintOptions printOptions;
    printOptions.title = options.title;
    printOptions.printMemo = options.printMemo;
    printOptions.printCodes = options.printCodes;
    TBuiltInReportPrint producer(report, context_.addresses, printOptions, job.Status());
    producer.SetNothingToPrint(nothingToPrint);
    return job.Run(producer);
}

TReportRunResult TReportRun::RunUserDefined(const TReportDefinition& definition, const TReportRunOptions& options)
{
    TJob job(context_, options);
    TReportDesign design(context_.pixelsPerInch);
    const QString path = ReportDesignPath(context_.sysdataFolder, definition.designFile);
    const TReportDesignLoad loaded = path.isEmpty() ? TReportDesignLoad() : design.Load(path);
    if (!loaded.found) {
        job.Refuse({ReportLayoutKind().missingDesign, false});
        return job.Result();
    }
    if (!loaded.status) {
        job.Refuse({loaded.status.Message(), true});
        return job.Result();
    }
    // Letter or A4 as the design was laid out, or a sheet of its own size.
    const TReportPage page = ReportPage(design.Settings(), context_.pixelsPerInch);
    const double length = std::max(page.paperInches.width(), page.paperInches.height());
    const double width = std::min(page.paperInches.width(), page.paperInches.height());
    job.Status().Report().ChoosePaper(page.paperCode, page.paperCode == 0 ? length : 0.0,
                                      page.paperCode == 0 ? width : 0.0);
    job.Status().SetOrientation(page.landscape ? output::poLandScape : output::poPortrait);
    if (!job.AskPrintOptions())
        return job.Result();

    const labels::TAddressRunState state(context_.addresses, context_.env);
    if (!job.SelectAndStart(state.RememberedRecord()))
        return job.Result();
    const design::TGAddressRecord record(context_.addresses);
    design.SetRecord(&record);
    TUserDefinedReportPrint producer(design, context_.addresses, record, options.onePerPage, job.Status(),
                                     context_.pixelsPerInch);
    TReportRunResult result = job.Run(producer);
    design.SetRecord(nullptr);
    return result;
}

} // namespace reports
