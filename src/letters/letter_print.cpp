#include "letters/letter_print.h"

#include "design/model/address_record.h"
#include "labels/address_run_state.h"
#include "letters/letter_merge.h"
#include "letters/letter_page_sink.h"
#include "letters/letter_pages.h"
#include "output/output_dialogs.h"
#include "store/address_dataset.h"

#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace letters {

namespace {

const QString kCompleted = QStringLiteral("Letter Print Completed!");
const QString kCanceled = QStringLiteral("Letter Print Canceled!");
const QString kFailed = QStringLiteral("Letter Print Failed!");

QString sinkError(const TLetterPageSink& sink)
{
    return sink.Error().isEmpty() ? QStringLiteral("The printer refused the page.") : sink.Error();
}

} // namespace

std::optional<QString> VisitMergedLetters(const TLetterRunContext& context, const QTextDocument& letter,
                                          const TLetterPrintOptions& options, const TMergedLetterVisitor& visit)
{
    labels::TAddressRunState state(context.addresses, context.env);
    if (const std::optional<labels::TRunRefusal> refusal =
            labels::SelectAndStart(context.addresses, context.dialogs, options.records, options.startFromCurrent,
                                   state.RememberedRecord()))
        return refusal->message;
    const design::TGAddressRecord record(context.addresses);
    while (!context.addresses.Eof()) {
        const std::unique_ptr<QTextDocument> merged(letter.clone());
        MergeLetter(*merged, record);
        if (!visit(*merged) || options.records == labels::rcOnlyCurrent)
            break;
        context.addresses.Next();
    }
    return std::nullopt;
}

TLetterPrint::TLetterPrint(const TLetterRunContext& context, TLetterPageSink& sink, TLetterPrintMonitor& monitor)
    : context_(context), sink_(sink), monitor_(monitor)
{
}

TLetterPrintResult TLetterPrint::Run(const QTextDocument& letter, const TLetterPage& page,
                                     const TLetterPrintOptions& options)
{
    TLetterPrintResult result;
    const int copies = std::clamp(options.copies, 1, kMaxLetterCopies);
    bool begun = false;
    bool declined = false;
    bool aborted = false;
    std::optional<QString> failure;
    const auto printOne = [&](QTextDocument& merged) {
        // The document starts with the first letter, so that an empty
        // selection leaves no empty file behind.
        const bool pageStarted = begun ? sink_.NewPage() : sink_.Begin(page);
        if (!pageStarted) {
            if (!begun && sink_.Error().isEmpty())
                declined = true;
            else
                failure = sinkError(sink_);
            return false;
        }
        begun = true;
        if (const QString problem = PrintLetter(merged, page, copies, result); !problem.isEmpty()) {
            failure = problem;
            return false;
        }
        monitor_.ShowStatus(QStringLiteral("Printing page ") + QString::number(result.pages));
        monitor_.ProcessEvents();
        if (cancelRequested_ && ConfirmCancel()) {
            aborted = true;
            return false;
        }
        return true;
    };
    if (const std::optional<QString> refusal = VisitMergedLetters(context_, letter, options, printOne)) {
        result.message = *refusal;
        return result;
    }
    if (declined)
        return result;
    if (failure)
        return Failed(result, *failure);
    if (aborted) {
        result.outcome = output::TPrintOutcome::poCanceled;
        result.status = kCanceled;
        monitor_.ShowStatus(result.status);
        return result;
    }
    if (!sink_.End())
        return Failed(result, sinkError(sink_));
    result.outcome = output::TPrintOutcome::poCompleted;
    result.status = kCompleted;
    monitor_.ShowStatus(result.status);
    return result;
}

QString TLetterPrint::PrintLetter(QTextDocument& merged, const TLetterPage& page, int copies,
                                 TLetterPrintResult& result)
{
    const TLetterPages pages(merged, page, sink_.Device(), sink_.UnprintableOffset());
    if (!pages.Usable())
        return QStringLiteral("The letter's margins leave no room for its text on this printer's page.");
    const int count = pages.PageCount();
    for (int copy = 0; copy < copies; ++copy) {
        for (int index = 0; index < count; ++index) {
            if ((copy > 0 || index > 0) && !sink_.NewPage())
                return sinkError(sink_);
            pages.DrawPage(sink_.Painter(), index);
            ++result.pages;
        }
        ++result.letters;
    }
    return {};
}

bool TLetterPrint::ConfirmCancel()
{
    cancelRequested_ = false;
    if (!context_.dialogs.AskQuestion(QStringLiteral("Cancel print job?"), QStringLiteral("CANCEL")))
        return false;
    sink_.Abort();
    return true;
}

TLetterPrintResult TLetterPrint::Failed(TLetterPrintResult result, const QString& reason)
{
    sink_.Abort();
    result.outcome = output::TPrintOutcome::poFailed;
    result.status = kFailed;
    result.message = reason;
    monitor_.ShowStatus(result.status);
    context_.dialogs.ShowInformation(reason);
    return result;
}

} // namespace letters
