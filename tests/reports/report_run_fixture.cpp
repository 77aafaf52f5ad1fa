#include "report_run_fixture.h"

#include "output/output_test_support.h"
#include "xbase/apollo_env.h"


namespace reports_testing {

void RecordingReportHost::RunStatus(output::TPrintStatus& status)
{
    jobRun = true;
    status.SetEventPump([this, &status] {
        if (onEvents)
            onEvents(status);
    });
    status.Run();
    endStatus = status.StatusText();
}

void RecordingReportHost::ShowPreview(QIODevice& stream)
{
    previewShown = true;
    pages = output::ReadPageStream(stream);
}

void ReportRunTest::SetUp()
{
    AddressFileTest::SetUp();
    device = output_testing::MakeOfficeDevice(0.25);
    sysdata = quorvel::store_tests::qs(dir.path());
}

reports::TReportRunResult ReportRunTest::RunBuiltIn(int item, const reports::TReportRunOptions& options)
{
    return Run([item, &options](reports::TReportRun& run) { return run.RunBuiltIn(item, options); });
}

reports::TReportRunResult ReportRunTest::RunUserDefined(const reports::TReportDefinition& report,
                                                        const reports::TReportRunOptions& options)
{
    return Run([&report, &options](reports::TReportRun& run) { return run.RunUserDefined(report, options); });
}

reports::TReportRunResult ReportRunTest::Run(const std::function<reports::TReportRunResult(reports::TReportRun&)>& run)
{
    queryBefore = dataset.Query();
    orderBefore = dataset.Order();
    recordBefore = dataset.RecNo();
    const reports::TReportRunContext context{dataset, xbase::TApolloEnv::global(), dialogs, host, sysdata,
                                             device.get(), 96};
    reports::TReportRun reportRun(context);
    return run(reportRun);
}

reports::TReportRunResult ReportRunTest::PreviewBuiltIn(int item, labels::TRecordChoice records)
{
    reports::TReportRunOptions options;
    options.preview = true;
    options.records = records;
    return RunBuiltIn(item, options);
}

void ReportRunTest::ExpectRestored(const char* context) const
{
    EXPECT_EQ(dataset.Query(), queryBefore) << context;
    EXPECT_EQ(dataset.Order(), orderBefore) << context;
    EXPECT_EQ(dataset.RecNo(), recordBefore) << context;
    EXPECT_FALSE(dataset.ControlsDisabled()) << context;
}

} // namespace reports_testing
