#pragma once

#include "labels/label_run.h"
#include "output/page_stream.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "store/address_test_file.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace labels_testing {

// The window's part of a run as a test plays it: the job runs at once, with
// the test's hand on the event pump, and a preview's pages are kept.
class RecordingHost : public labels::TLabelRunHost {
public:
    // Called whenever the job lets pending events run (after each record).
    std::function<void(output::TPrintStatus&)> onEvents;
    // Without the real presort the list written by the test is used, and
    // `presortAnswer` false plays a cancelled presort.
    bool presortAnswer = true;
    bool realPresort = false;
    // The real presort's progress (silent when null).
    labels::TPresortProgress* presortProgress = nullptr;
    int presortRuns = 0;

    bool previewShown = false;
    std::vector<output::TPage> pages;
    QString endStatus;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& stream) override;
    labels::TPresortResult RunPresort(quorvel::TDataset& addresses, const QString& presortFile) override;
};

// Letter sheets of 3 x 10 labels (1 x 2.625 inches) and of 10 x 30 small ones.
labels::TLabelGeometry Sheet5160();
labels::TLabelGeometry Sheet10x30();

// One label as it came out: the page (1-based), the position on the sheet
// (0-based) and its text.
struct PrintedLabel {
    int page = 0;
    int position = 0;
    QString text;
    bool operator==(const PrintedLabel&) const = default;
};

// A small address file (records "R01", "R02", ... in LNAME), a design with
// one field object showing the last name, a letter-size office printer with
// the PDF printer, and scripted answers; what a run showed and asked is
// kept.
class LabelRunTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override;

    // Appends records R01 ... up to the count, with the ZIP codes given in
    // turn (the last one repeating; none when the list is empty).
    void AddRecords(int count, const std::vector<const char*>& zips = {});
    // A design file holding the last-name field at (4, 4) pixels.
    QString WriteDesign(const char* name = "BIN00001.L");

    labels::TLabelRunResult Run(const labels::TLabelGeometry& geometry, const labels::TLabelRunOptions& options);
    labels::TLabelRunResult Run(const labels::TLabelRunOptions& options) { return Run(Sheet5160(), options); }

    // The labels on the recorded pages, found by the pitch box that holds
    // each text's anchor; every label's text must sit at the same offset
    // from its position's corner, or the test fails.
    std::vector<PrintedLabel> Labels(const labels::TLabelGeometry& geometry) const;
    std::vector<PrintedLabel> Labels() const { return Labels(Sheet5160()); }

    // Checks that the query, order and record are as they were before, and
    // the name and city lines off again.
    void ExpectRestored(const char* context) const;

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    RecordingHost host;
    QString designFile;
    QString presortFile;

    QString queryBefore;
    QString orderBefore;
    std::uint32_t recordBefore = 0;
};

} // namespace labels_testing
