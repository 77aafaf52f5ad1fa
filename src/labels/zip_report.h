#pragma once

#include "output/print_status.h"

#include <QStringList>

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output

namespace labels {

class TLabelRunHost;

// How the ZIP report's job ends and asks to be cancelled.
output::TPrintJobTexts ZipReportJobTexts();

// The "Zip Code Count Report": the report lines in columns of 1.875 inches,
// four to a framed page, each line a code and its count in tab cells with
// every other line shaded. It runs as the handler of the status's job and
// ends early when the status asks it to.
class TZipReport {
public:
    static constexpr double kColumnWidth = 1.875;
    static constexpr int kColumnsPerPage = 4;
    static constexpr double kFirstColumn = 0.5;

    TZipReport(QStringList lines, output::TPrintStatus& status) : lines_(std::move(lines)), status_(status) {}

    // Makes PrintZipReport and BeforePrintReport the job of the status.
    void HookJob();
    void BeforePrintReport(output::TBaseReport& report);
    void PrintZipReport(output::TBaseReport& report);
    // The page's title, number and frame.
    void HeaderFooter(output::TBaseReport& report);

private:
    void StartColumn(output::TBaseReport& report, int column);
    void PrintLine(output::TBaseReport& report, const QString& line, bool shaded);

    QStringList lines_;
    output::TPrintStatus& status_;
};

// What a report job needs from its surroundings: the window or the
// command line runs the status and shows a preview through `host`.
struct TZipReportContext {
    output::TOutputDialogs& dialogs;
    TLabelRunHost& host;
    // The shared printer device when null.
    output::TRPDevice* device = nullptr;
};

struct TZipReportResult {
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    QString message; // why a job failed
    int pages = 0;
};

// Prints or previews the report lines; a preview that was not abandoned
// goes to the host's preview.
TZipReportResult RunZipReport(const QStringList& lines, bool preview, const TZipReportContext& context);

} // namespace labels
