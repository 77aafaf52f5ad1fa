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

// A text as it came out: its page (1-based), where its baseline starts
// (inches) and what it says.
struct PrintedText {
    int page = 0;
    double x = 0.0;
    double y = 0.0;
    QString text;
};

// A small address file on a letter-size office printer with a
// quarter-inch border, scripted answers, and runs of the built-in reports
// into the recorded preview.
class ReportRunTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override;

    reports::TReportRunResult RunBuiltIn(int item, const reports::TReportRunOptions& options);
    reports::TReportRunResult PreviewBuiltIn(int item, labels::TRecordChoice records = labels::rcAllRecords);

    // Every text of the recorded pages, page by page in drawing order.
    std::vector<PrintedText> Texts() const;
    // The texts that start at `x` (within a hundredth), in order.
    QStringList TextsAtX(double x) const;
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
