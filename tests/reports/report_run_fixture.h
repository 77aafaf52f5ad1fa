#pragma once

#include "output/page_stream.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "reports/report_run.h"
#include "store/address_test_file.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace reports_testing {

// The window's part of a run as a test plays it: the job run at once with
// the test's hand on the event pump, and a preview's pages kept.
class RecordingReportHost : public reports::TReportRunHost {
public:
    // Called whenever the job lets pending events run (after each record).
    std::function<void(output::TPrintStatus&)> onEvents;

    bool jobRun = false;
    bool previewShown = false;
    std::vector<output::TPage> pages;
    QString endStatus;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& stream) override;
};

// A small address file on a letter-size office printer with a
// quarter-inch border, scripted answers, and runs of the built-in reports
// into the recorded preview (user-defined ones too).
class ReportRunTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override;

    reports::TReportRunResult RunBuiltIn(int item, const reports::TReportRunOptions& options);
    reports::TReportRunResult PreviewBuiltIn(int item, labels::TRecordChoice records = labels::rcAllRecords);
    reports::TReportRunResult RunUserDefined(const reports::TReportDefinition& report,
                                             const reports::TReportRunOptions& options);
    reports::TReportRunResult Run(const std::function<reports::TReportRunResult(reports::TReportRun&)>& run);
    // Checks that the query, order and record are as they were before.
    void ExpectRestored(const char* context) const;

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    RecordingReportHost host;
    QString sysdata;

    QString queryBefore;
    QString orderBefore;
    std::uint32_t recordBefore = 0;
};

} // namespace reports_testing
