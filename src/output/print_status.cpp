#include "output/print_status.h"

#include "output/output_dialogs.h"
#include "output/output_error.h"

#include <QCoreApplication>

#include <exception>

namespace output {

namespace {

// The settings every status window gives both of its components, so that a
// preview shows exactly what printing would put on paper.
void SetUpComponent(TBaseReport& report)
{
    report.SetUnitsFactor(1.0);
    report.SetLineHeightMethod(lhmFont);
    report.SetMarginLeft(0.5);
    report.SetMarginRight(0.5);
    report.SetMarginTop(0.5);
    report.SetMarginBottom(0.5);
    report.SetTitle(QStringLiteral("Quorvel"));
}

// A message shown through a status format must not be read as codes.
QString LiteralFormat(const QString& text) { return QString(text).replace(QLatin1Char('%'), QStringLiteral("%%")); }

} // namespace

TPrintStatus::TPrintStatus(bool preview, TPrintJobTexts texts) : preview_(preview), texts_(std::move(texts))
{
    SetUpComponent(printer_);
    SetUpComponent(filer_);
    filer_.SetAccuracyMethod(amPositioning);
    filer_.SetStreamMode(smUser);
    filer_.SetStream(&stream_);
}

TBaseReport& TPrintStatus::Report()
{
    return preview_ ? static_cast<TBaseReport&>(filer_) : printer_;
}

const TBaseReport& TPrintStatus::Report() const
{
    return preview_ ? static_cast<const TBaseReport&>(filer_) : printer_;
}

void TPrintStatus::SetDevice(TRPDevice* device)
{
    printer_.SetDevice(device);
    filer_.SetDevice(device);
}

void TPrintStatus::SetDialogs(TOutputDialogs* dialogs)
{
    printer_.SetDialogs(dialogs);
    filer_.SetDialogs(dialogs);
}

void TPrintStatus::SetOrientation(TOrientation orientation)
{
    printer_.SetOrientation(orientation);
    filer_.SetOrientation(orientation);
}

void TPrintStatus::SetStatusLabel(const TBaseReport::TStatusSink& sink)
{
    printer_.SetStatusLabel(sink);
    filer_.SetStatusLabel(sink);
}

void TPrintStatus::Run()
{
    TBaseReport& report = Report();
    report.OnBeforePrint = [this](TBaseReport& r) { BeforePrint(r); };
    report.OnPrint = OnPrint;
    stopped_ = false;
    failure_.clear();
    outcome_ = TPrintOutcome::poRunning;
    try {
        report.RunJob();
        // RunJob returns early, neither aborted nor with a page, only when
        // there was no printer to print on (it has told the user so).
        if (!report.JobAborted() && report.CurrentPage() == 0)
            Fail(messages::noPrinters());
        else
            outcome_ = EndedOutcome();
    } catch (const EReportError& error) {
        Fail(error.text());
    } catch (const std::exception& error) {
        Fail(QString::fromUtf8(error.what()));
    } catch (...) {
        Fail(QStringLiteral("The print job ended with an unknown error."));
    }
    // A job the user abandoned counts as cancelled even when abandoning it
    // raised an error on the way out.
    if (outcome_ == TPrintOutcome::poFailed && report.JobAborted())
        outcome_ = TPrintOutcome::poCanceled;
    const QString ending = EndingFormat();
    if (!ending.isEmpty())
        report.SetStatusFormat(ending);
    report.RefreshStatus();
}

void TPrintStatus::BeforePrint(TBaseReport& report)
{
    report.SetStatusFormat(preview_ ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                    : QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText().clear();
    report.StatusText() << QString() << QString();
    if (OnBeforePrint)
        OnBeforePrint(report);
}

TPrintOutcome TPrintStatus::EndedOutcome() const
{
    if (Report().JobAborted())
        return TPrintOutcome::poCanceled;
    return stopped_ ? TPrintOutcome::poStopped : TPrintOutcome::poCompleted;
}

void TPrintStatus::Fail(const QString& message)
{
    outcome_ = TPrintOutcome::poFailed;
    failure_ = message;
}

// The job's own failure text, when it has one, then the error on a line
// of its own.
QString TPrintStatus::FailedFormat() const
{
    const QString& failed = preview_ ? texts_.previewFailed : texts_.printFailed;
    return failed + QStringLiteral("\r") + LiteralFormat(failure_);
}

// The status once the job has ended, in order of precedence: abandoned,
// failed, stopped, completed. A completed preview without a text of its
// own keeps its last page status: its window closes at once.
QString TPrintStatus::EndingFormat() const
{
    switch (outcome_) {
    case TPrintOutcome::poCanceled: return preview_ ? texts_.previewCanceled : texts_.printCanceled;
    case TPrintOutcome::poFailed: return FailedFormat();
    case TPrintOutcome::poStopped: return texts_.previewStopped;
    case TPrintOutcome::poCompleted: return preview_ ? texts_.previewCompleted : texts_.printCompleted;
    case TPrintOutcome::poNotRun:
    case TPrintOutcome::poRunning: break;
    }
    return {};
}

void TPrintStatus::ProcessEvents()
{
    if (pump_)
        pump_();
    else
        QCoreApplication::processEvents();
}

bool TPrintStatus::EndRequested() const { return stopped_ || Report().JobAborted(); }

void TPrintStatus::CancelButtonClick()
{
    if (!Running() || EndRequested())
        return;
    if (preview_)
        stopped_ = true;
    else if (texts_.cancelQuestion.isEmpty() || Dialogs().AskQuestion(texts_.cancelQuestion, texts_.cancelCaption))
        Report().AbortJob();
}

void TPrintStatus::CloseRequested()
{
    if (!Running() || EndRequested())
        return;
    if (preview_)
        Report().AbortJob();
    else
        CancelButtonClick();
}

bool TPrintStatus::Ended() const { return outcome_ != TPrintOutcome::poNotRun && outcome_ != TPrintOutcome::poRunning; }

QString TPrintStatus::Caption() const
{
    return preview_ ? QStringLiteral("Preview Status") : QStringLiteral("Print Status ");
}

QString TPrintStatus::ButtonText() const
{
    if (Ended())
        return QStringLiteral("Ok");
    return preview_ ? QStringLiteral("Stop") : QStringLiteral("Cancel");
}

bool TPrintStatus::ClosesItself() const
{
    if (texts_.closesWhenEnded)
        return Ended() && outcome_ != TPrintOutcome::poFailed;
    return ShowsPreview() && texts_.previewCompleted.isEmpty();
}

bool TPrintStatus::ShowsPreview() const
{
    return preview_ && (outcome_ == TPrintOutcome::poCompleted || outcome_ == TPrintOutcome::poStopped);
}

} // namespace output
