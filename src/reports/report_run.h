#pragma once

#include "labels/label_run_options.h"
#include "output/print_status.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output
namespace quorvel {
class TAddressDataset;
}
namespace xbase {
class TApolloEnv;
}

namespace reports {

struct TReportDefinition;

// The four list reports every address file has, in the order of the
// "Select Report:" list.
enum TBuiltInReport { brNameAddress = 0, brNameOrganization = 1, brOrganizationName = 2, brAllFields = 3 };

// The texts of the "Select Report:" list.
QStringList BuiltInReportCaptions();
// "Report 1" for the list's first item: the title a report gets when it is
// chosen.
QString DefaultReportTitle(int item);

// What the user chose for one run on the "Print Report" screen (or on the
// command line).
struct TReportRunOptions {
    labels::TRecordChoice records = labels::rcMatchingFilter;
    bool startFromCurrent = false; // "Start from current record"
    bool preview = false;
    // Built-in reports: "Report Title", "Print Memo", "Print Codes".
    QString title = QStringLiteral("Report 1");
    bool printMemo = false, printCodes = false;
    // User-defined reports: "One Record Per Page".
    bool onePerPage = false;
};

// What the "Print Report" window, or the command line, adds to a run.
class TReportRunHost {
public:
    virtual ~TReportRunHost() = default;

    // Runs the job under its status: the window shows its status window,
    // which runs it; the command line runs it at once.
    virtual void RunStatus(output::TPrintStatus& status) = 0;
    // The pages of a preview that finished or was stopped.
    virtual void ShowPreview(QIODevice& pages) = 0;
};

// What a run needs from its surroundings.
struct TReportRunContext {
    quorvel::TAddressDataset& addresses;
    xbase::TApolloEnv& env;
    // Messages and questions; the print options dialog as well.
    output::TOutputDialogs& dialogs;
    TReportRunHost& host;
    // Where REPORT.DBF's design files are.
    QString sysdataFolder;
    // The shared printer device when null.
    output::TRPDevice* device = nullptr;
    // The resolution the designs were made at.
    int pixelsPerInch = 96;
};

struct TReportRunResult {
    // poNotRun when the run stopped before its job (the user has been told
    // why, or cancelled the print options).
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    // Why the run did not start or failed; empty when it was the user's choice.
    QString message;
    int records = 0;
    int pages = 0;
};

// One report run from the "Print" or "Preview" button to the restored
// address file: the order, query and start of the records, the print
// options, the job under its status window and the preview. Whatever
// happens, the address file ends on the order, query and record it had.
// The window and the command line both print reports through here.
class TReportRun {
public:
    explicit TReportRun(const TReportRunContext& context);

    TReportRunResult RunBuiltIn(int item, const TReportRunOptions& options);
    TReportRunResult RunUserDefined(const TReportDefinition& report, const TReportRunOptions& options);

private:
    class TJob;

    TReportRunContext context_;
};

// The status window's texts for a report job.
output::TPrintJobTexts ReportJobTexts(bool preview);

} // namespace reports
