#pragma once

#include "labels/label_run_options.h"
#include "letters/letter_page.h"
#include "output/print_status.h"

#include <QString>

#include <functional>
#include <optional>

class QTextDocument;

namespace output {
class TOutputDialogs;
}
namespace quorvel {
class TAddressDataset;
}
namespace xbase {
class TApolloEnv;
}

namespace letters {

class TLetterPageSink;

// What the user chose in "Print Letters" (or on the command line).
struct TLetterPrintOptions {
    labels::TRecordChoice records = labels::rcOnlyCurrent;
    bool startFromCurrent = false; // "Start from current record"
    int copies = 1;                // "# copies of each letter", 1 to 999
};

inline constexpr int kMaxLetterCopies = 999;

// The status window's side of a run: it shows the status line and lets
// pending input through, during which its Cancel button may call
// TLetterPrint::RequestCancel.
class TLetterPrintMonitor {
public:
    virtual ~TLetterPrintMonitor() = default;
    virtual void ShowStatus(const QString& text) = 0;
    virtual void ProcessEvents() = 0;
};

struct TLetterRunContext {
    quorvel::TAddressDataset& addresses;
    xbase::TApolloEnv& env;
    output::TOutputDialogs& dialogs;
};

// Walks the records a run prints, as it prints them: selects them (the
// query, order and record are put back afterwards, however it ends), goes
// to the first one to print, and hands `visit` a fresh copy of the letter
// merged with each record until it returns false. A refusal (nothing
// selected, a query that does not read) is returned, and nothing visited.
using TMergedLetterVisitor = std::function<bool(QTextDocument& merged)>;
std::optional<QString> VisitMergedLetters(const TLetterRunContext& context, const QTextDocument& letter,
                                          const TLetterPrintOptions& options, const TMergedLetterVisitor& visit);

struct TLetterPrintResult {
    output::TPrintOutcome outcome = output::TPrintOutcome::poNotRun;
    int letters = 0; // letters printed, copies included
    int pages = 0;
    QString status;  // the status line's last text
    QString message; // why it did not run or failed
};

// The print run of the "Print Status Screen": each selected record's
// merged letter, every copy, page by page into the sink, with "Printing
// page n" after each record and "Cancel print job?" when Cancel was
// pressed. A run ends "Letter Print Completed!", "Letter Print Canceled!"
// or, when the sink failed, "Letter Print Failed!" with the reason in an
// information box; a failed or cancelled document is not kept.
class TLetterPrint {
public:
    TLetterPrint(const TLetterRunContext& context, TLetterPageSink& sink, TLetterPrintMonitor& monitor);

    TLetterPrintResult Run(const QTextDocument& letter, const TLetterPage& page, const TLetterPrintOptions& options);
    void RequestCancel() { cancelRequested_ = true; }

private:
    // Empty when every page went to the sink, else why not.
    QString PrintLetter(QTextDocument& merged, const TLetterPage& page, int copies, TLetterPrintResult& result);
    bool ConfirmCancel();
    TLetterPrintResult Failed(TLetterPrintResult result, const QString& reason);

    TLetterRunContext context_;
    TLetterPageSink& sink_;
    TLetterPrintMonitor& monitor_;
    bool cancelRequested_ = false;
};

} // namespace letters
