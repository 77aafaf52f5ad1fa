#pragma once

#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_layouts.h"
#include "labels/label_run_options.h"
#include "output/print_status.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

class QIODevice;

namespace labels {
class TLabelDesign;
struct TRunRefusal;
} // namespace labels
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

namespace envelopes {

// What the user chose for one run on the "Print Envelope" screen (or on
// the command line).
struct TEnvelopeRunOptions {
    labels::TRecordChoice records = labels::rcMatchingFilter;
    bool startFromCurrent = false; // "Start from current record"
    bool preview = false;
};

// What the "Print Envelope" window, or the command line, adds to a run.
class TEnvelopeRunHost {
public:
    virtual ~TEnvelopeRunHost() = default;

    // Runs the job under its status: the window shows its status window,
    // which runs it; the command line runs it at once.
    virtual void RunStatus(output::TPrintStatus& status) = 0;
    // The pages of a preview that finished or was stopped.
    virtual void ShowPreview(QIODevice& pages) = 0;
    // Reads the envelope printer settings, selects them on the device and
    // returns the feed description.
    virtual TEnvelopeFeedDescription LoadSettings(output::TRPDevice& device) = 0;
    // "Envelope Print": the feed may change there, the device's printer and
    // paper too. False when the user cancelled; the run then ends quietly.
    virtual bool ConfirmPrePrint(TEnvelopeFeedDescription& feed, int sizeCode) = 0;
    // Remembers the printer, paper and feed of a confirmed run.
    virtual void SaveSettings(const output::TRPDevice& device, const TEnvelopeFeedDescription& feed) = 0;
};

// What a run needs from its surroundings.
struct TEnvelopeRunContext {
    quorvel::TAddressDataset& addresses;
    xbase::TApolloEnv& env;
    // Messages and questions; the components' dialogs as well.
    output::TOutputDialogs& dialogs;
    TEnvelopeRunHost& host;
    // Where the layouts' design files are.
    QString sysdataFolder;
    // The shared printer device when null.
    output::TRPDevice* device = nullptr;
    // The resolution the designs were made at.
    int pixelsPerInch = 96;
};

struct TEnvelopeRunResult {
    // poNotRun when the run stopped before its job (the user has been told
    // why, or cancelled).
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    // Why the run did not start or failed; empty when it was the user's choice.
    QString message;
    int envelopes = 0;
    // The job's page as the design was placed on it (inches, turned as the
    // job prints), whether the job printed in landscape, and where on the
    // page the design's top-left corner went.
    QSizeF paper;
    bool landscape = false;
    QPointF offset;
};

// One envelope run from the "Print" or "Preview" button to the restored
// address file: the design file, the envelope's paper and the feed's
// orientation, "Envelope Print", the record selection and start, the job
// under its status window (one envelope a page, the design drawn upright
// where the feed puts the envelope on the page), and the preview. The
// window and the command line both print envelopes through here.
class TEnvelopeRun {
public:
    explicit TEnvelopeRun(const TEnvelopeRunContext& context) : context_(context) {}

    TEnvelopeRunResult Run(const TEnvelopeLayout& layout, const TEnvelopeRunOptions& options);

private:
    bool PreparePaper(output::TPrintStatus& status, TEnvelopeFeedDescription& feed, int sizeCode);
    void PrintJob(output::TPrintStatus& status, labels::TLabelDesign& design, QSizeF envelope,
                  const TEnvelopeFeedDescription& feed, bool onlyCurrent);
    const TEnvelopeRunResult& Refuse(const labels::TRunRefusal& refusal);
    output::TRPDevice& Device() const;

    TEnvelopeRunContext context_;
    TEnvelopeRunResult result_;
};

// The status window's texts for an envelope job: its ending texts, Cancel
// without a question, and a window that closes itself when the job ends.
output::TPrintJobTexts EnvelopeJobTexts(bool preview);

} // namespace envelopes
