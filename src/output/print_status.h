#pragma once

#include "output/report_filer.h"
#include "output/report_printer.h"

#include <QBuffer>
#include <QString>

#include <functional>

namespace output {

class TOutputDialogs;
class TRPDevice;

// The texts by which a kind of job (labels, envelopes, reports) ends and
// asks to be cancelled. Ending texts start with a carriage return, so that
// the status label shows them on a line of their own.
struct TPrintJobTexts {
    QString printCompleted;  // "\rLabel Print Completed!"
    QString printCanceled;   // "\rLabel Print Canceled!"
    QString previewCanceled; // "\rLabel Preview Canceled!"
    // "Cancel Label Printing?"; empty: Cancel abandons the job at once.
    QString cancelQuestion;
    // What a finished preview says ("\rPreview Ready!"); the window then
    // waits for Ok before the preview form opens, also after a stop. Empty:
    // the last page's status stays and the window closes by itself.
    QString previewCompleted;
    // What a preview the user stopped says.
    QString previewStopped = QStringLiteral("\rPreview Stopped at page %p!");
    QString cancelCaption = QStringLiteral("CANCEL");
    // What a job ended by an error says above the error ("\rReport Print
    // Failed!"); empty: the error alone.
    QString printFailed = QString();
    QString previewFailed = QString();
    // The window closes itself however the job ended, printing too; only an
    // error's message stays until Ok, so that it is read.
    bool closesWhenEnded = false;
};

enum class TPrintOutcome {
    poNotRun,
    poRunning,
    poCompleted,
    poStopped,  // a preview the user stopped: what was produced is shown
    poCanceled, // the job was abandoned; nothing is kept
    poFailed,   // an error ended the job; nothing is kept
};

// One print or preview job as every status window runs it: a printer
// component and a filer component set up alike, of which the job uses one.
// Printing draws each page straight onto the printer (or into the PDF file)
// and keeps nothing; only a preview records its pages, into PreviewStream().
//
// The job's own handlers draw; the status takes care of the status texts,
// Stop and Cancel, and how the job ended. Handlers call ProcessEvents()
// after each record, so the window's button works during a long job, and
// stop producing once EndRequested() turns true.
class TPrintStatus {
public:
    TPrintStatus(bool preview, TPrintJobTexts texts);
    TPrintStatus(const TPrintStatus&) = delete;
    TPrintStatus& operator=(const TPrintStatus&) = delete;

    bool Previewing() const { return preview_; }
    TReportPrinter& Printer() { return printer_; }
    TReportFiler& Filer() { return filer_; }
    // The component the job runs on: the filer for a preview, else the printer.
    TBaseReport& Report();
    const TBaseReport& Report() const;

    // Settings that both components share.
    void SetDevice(TRPDevice* device);
    void SetDialogs(TOutputDialogs* dialogs);
    TOutputDialogs& Dialogs() const { return Report().Dialogs(); }
    void SetOrientation(TOrientation orientation);
    void SetStatusLabel(const TBaseReport::TStatusSink& sink);
    // What lets pending window messages run; QCoreApplication::processEvents
    // unless set.
    void SetEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    // The job: OnBeforePrint after the status texts are set, OnPrint to
    // produce every page.
    TBaseReport::TReportEvent OnBeforePrint;
    TBaseReport::TReportEvent OnPrint;

    // Runs the job to its end and sets the ending status; never throws.
    void Run();
    void ProcessEvents();
    bool EndRequested() const;

    // The Cancel or Stop button while the job runs: a preview stops after
    // the current item; printing asks the job's cancel question, when it has
    // one, and on Yes abandons the document.
    void CancelButtonClick();
    // The window is being closed while the job runs: printing asks as Cancel
    // does, a preview is abandoned.
    void CloseRequested();

    bool Running() const { return outcome_ == TPrintOutcome::poRunning; }
    bool Ended() const;
    TPrintOutcome Outcome() const { return outcome_; }
    const QString& FailureMessage() const { return failure_; }
    // "Print Status " (with its trailing blank) or "Preview Status".
    QString Caption() const;
    // "Cancel" or "Stop" until the job has ended, then "Ok".
    QString ButtonText() const;
    QString StatusText() const { return Report().StatusCaption(); }
    // A finished or stopped preview goes straight on to the preview form.
    bool ShowsPreview() const;
    bool ClosesItself() const;
    int Pages() const { return Report().CurrentPage(); }
    // The recorded pages of a preview.
    QBuffer& PreviewStream() { return stream_; }

private:
    void BeforePrint(TBaseReport& report);
    TPrintOutcome EndedOutcome() const;
    void Fail(const QString& message);
    QString EndingFormat() const;
    QString FailedFormat() const;

    bool preview_;
    TPrintJobTexts texts_;
    TReportPrinter printer_;
    TReportFiler filer_;
    QBuffer stream_;
    std::function<void()> pump_;
    TPrintOutcome outcome_ = TPrintOutcome::poNotRun;
    bool stopped_ = false;
    QString failure_;
};

} // namespace output
