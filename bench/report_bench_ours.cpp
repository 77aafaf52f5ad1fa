// Our side of the report benchmark: the address file opened as the
// `report` command opens it, the built-in reports run through the report
// run with the batch host, to PDF on letter paper and as a preview.
#include "report_bench_phases.h"

#include "reports/batch_report_host.h"
#include "reports/report_run.h"

#include <cstdio>
#include <stdexcept>

namespace quorvel::bench {

namespace {

class ReportJob {
public:
    explicit ReportJob(const ReportBenchConfig& config) : config_(config) {}

    int run(int report, bool preview, const QString& pdf)
    {
        MailRunPlace place(reportAddressFile(config_), pdf);
        place.dialogs.printOptionAnswers.push_back(output::TPrintOptions{});
        place.device.ChoosePaper(1, 0.0, 0.0);
        place.device.SetOrientation(QPageLayout::Portrait);
        reports::TBatchReportHost host;
        host.onPreview = [this](QIODevice& pages) {
            pages.seek(0);
            previewBytes_ = pages.readAll();
        };
        const reports::TReportRunContext context{place.addresses, place.env,     place.dialogs,
                                                 host,            QString::fromStdString(config_.folder),
                                                 &place.device,   kPixelsPerInch};
        reports::TReportRunOptions options;
        options.records = labels::rcAllRecords;
        options.preview = preview;
        options.title = QString::fromLatin1(kReportTitle);
        const reports::TReportRunResult result = reports::TReportRun(context).RunBuiltIn(report, options);
        if (result.outcome != output::TPrintOutcome::poCompleted)
            throw std::runtime_error("the report run did not complete: " + result.message.toStdString() + " " +
                                     place.Said());
        return result.pages;
    }

    const QByteArray& previewBytes() const { return previewBytes_; }

private:
    const ReportBenchConfig& config_;
    QByteArray previewBytes_;
};

} // namespace

std::vector<PhaseResult> runReportSide(const ReportBenchConfig& config)
{
    const OffscreenApplication application;
    ReportJob job(config);
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    const QString folder = QString::fromStdString(config.folder);
    clock.run(kPhaseAllFields, [&] { return job.run(3, false, folder + QStringLiteral("/ours-4.pdf")); });
    for (PhaseResult& phase : runOurMailSide(config.folder, kPhaseList,
                                             [&job](bool preview, const QString& pdf) { return job.run(0, preview, pdf); },
                                             job.previewBytes()))
        log.push_back(std::move(phase));
    std::printf("ours: the preview of report 1 recorded %.1f MB of pages\n", job.previewBytes().size() / 1048576.0);
    std::fflush(stdout);
    return log;
}

} // namespace quorvel::bench
