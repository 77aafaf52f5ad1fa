#pragma once

#include "labels/label_geometry.h"
#include "labels/label_printer.h"
#include "labels/label_run_options.h"
#include "labels/presort_run.h"
#include "output/print_status.h"

#include <QString>

class QIODevice;

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output
namespace quorvel {
class TAddressDataset;
class TDataset;
} // namespace quorvel
namespace xbase {
class TApolloEnv;
}

namespace labels {

class TLabelDesign;

// What the "Print Labels" window, or the command line, adds to a run.
class TLabelRunHost {
public:
    virtual ~TLabelRunHost() = default;

    // Runs the job under its status: the window shows its status window,
    // which runs it; the command line runs it at once.
    virtual void RunStatus(output::TPrintStatus& status) = 0;
    // The pages of a preview that finished or was stopped.
    virtual void ShowPreview(QIODevice& pages) = 0;
    // The bulk-mail presort of the selection before a presorted run, into
    // `presortFile`, unless it was done for these settings already. A host
    // that does not presort reports it completed: the list written last is
    // used. Cancelled ends the run quietly, Failed with its message.
    virtual TPresortResult RunPresort(quorvel::TDataset& addresses, const QString& presortFile);
};

// What a run needs from its surroundings.
struct TLabelRunContext {
    quorvel::TAddressDataset& addresses;
    xbase::TApolloEnv& env;
    // Messages and questions; the components' dialogs as well.
    output::TOutputDialogs& dialogs;
    TLabelRunHost& host;
    // The presort list, "PRESORT.PSL" in the home folder.
    QString presortFile;
    // The shared printer device when null.
    output::TRPDevice* device = nullptr;
    // The resolution the designs were made at.
    int pixelsPerInch = 96;
};

struct TLabelRunResult {
    // poNotRun when the run stopped before its job (the user has been told why).
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    // Why the run did not start or failed; empty when it was the user's choice.
    QString message;
    TLabelRunCounts counts;
};

// One label run from the "Print" or "Preview" button to the restored
// address file: the design file, the record selection and start, the
// presort, paper and orientation, the job under its status window, and the
// preview. The window and the command line both run labels through here.
class TLabelRun {
public:
    explicit TLabelRun(const TLabelRunContext& context) : context_(context) {}

    // Prints or previews the design file's labels on sheets of the geometry.
    TLabelRunResult Run(const TLabelGeometry& geometry, const QString& designFile, const TLabelRunOptions& options);

private:
    bool Refuse(const QString& message, bool asError = false);
    bool SelectAndStart(const TLabelRunOptions& options, std::uint32_t record);
    bool PreparePresort(QStringList& lines);
    void PrintJob(const TLabelGeometry& geometry, TLabelDesign& design, const TLabelRunOptions& options,
                  const QStringList* presortLines);

    TLabelRunContext context_;
    TLabelRunResult result_;
};

} // namespace labels
