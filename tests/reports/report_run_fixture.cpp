#include "report_run_fixture.h"

#include "output/output_test_support.h"
#include "xbase/apollo_env.h"

#include <cmath>

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
    queryBefore = dataset.Query();
    orderBefore = dataset.Order();
    recordBefore = dataset.RecNo();
    const reports::TReportRunContext context{dataset, xbase::TApolloEnv::global(), dialogs, host, sysdata,
                                             device.get(), 96};
    return reports::TReportRun(context).RunBuiltIn(item, options);
}

reports::TReportRunResult ReportRunTest::PreviewBuiltIn(int item, labels::TRecordChoice records)
{
    reports::TReportRunOptions options;
    options.preview = true;
    options.records = records;
    return RunBuiltIn(item, options);
}

std::vector<PrintedText> ReportRunTest::Texts() const
{
    std::vector<PrintedText> texts;
    for (std::size_t page = 0; page < host.pages.size(); ++page)
        for (const output::TTextOp& text : output_testing::TextsOf(host.pages[page]))
            texts.push_back({static_cast<int>(page) + 1, text.position.x(), text.position.y(), text.text});
    return texts;
}

QStringList ReportRunTest::TextsAtX(double x) const
{
    QStringList found;
    for (const PrintedText& text : Texts())
        if (std::abs(text.x - x) < 0.005)
            found << text.text;
    return found;
}

void ReportRunTest::ExpectRestored(const char* context) const
{
    EXPECT_EQ(dataset.Query(), queryBefore) << context;
    EXPECT_EQ(dataset.Order(), orderBefore) << context;
    EXPECT_EQ(dataset.RecNo(), recordBefore) << context;
    EXPECT_FALSE(dataset.ControlsDisabled()) << context;
}

} // namespace reports_testing
