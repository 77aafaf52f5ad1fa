#pragma once

#include "envelopes/envelope_run.h"
#include "output/page_stream.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "store/address_test_file.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace envelopes_testing {

// The window's part of a run as a test plays it: the feed it hands over,
// its answer in "Envelope Print", the job run at once with the test's hand
// on the event pump, and a preview's pages kept.
class RecordingEnvelopeHost : public envelopes::TEnvelopeRunHost {
public:
    envelopes::TEnvelopeFeedDescription feed;
    bool confirm = true;
    // Called whenever the job lets pending events run (after each envelope).
    std::function<void(output::TPrintStatus&)> onEvents;

    int loads = 0;
    int confirmations = 0;
    int saves = 0;
    bool jobRun = false;
    bool previewShown = false;
    std::vector<output::TPage> pages;
    QString endStatus;
    bool closesItself = false;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& stream) override;
    envelopes::TEnvelopeFeedDescription LoadSettings(output::TRPDevice& device) override;
    bool ConfirmPrePrint(envelopes::TEnvelopeFeedDescription& feed, int sizeCode) override;
    void SaveSettings(const output::TRPDevice& device, const envelopes::TEnvelopeFeedDescription& feed) override;
};

// One envelope as it came out: the page (1-based) and the last name printed.
struct PrintedEnvelope {
    int page = 0;
    QString text;
    bool operator==(const PrintedEnvelope&) const = default;
};

// A small address file (records "R01", "R02", ... in LNAME), a #10 layout
// whose design holds the last-name field at (4, 4) pixels, a letter-size
// office printer with a quarter-inch border (it has no envelope paper, so
// the envelope lands on letter paper) and scripted answers.
class EnvelopeRunTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override;

    void AddRecords(int count);
    envelopes::TEnvelopeRunResult Run(const envelopes::TEnvelopeRunOptions& options);
    envelopes::TEnvelopeRunResult Preview(labels::TRecordChoice records = labels::rcMatchingFilter,
                                          bool startFromCurrent = false);

    // The texts on the recorded pages, one a page.
    std::vector<PrintedEnvelope> Envelopes() const;
    // Checks that the query, order and record are as they were before.
    void ExpectRestored(const char* context) const;

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    RecordingEnvelopeHost host;
    QString sysdata;
    envelopes::TEnvelopeLayout layout;

    QString queryBefore;
    QString orderBefore;
    std::uint32_t recordBefore = 0;
};

// "R01" for 1.
QString Record(int number);

} // namespace envelopes_testing
