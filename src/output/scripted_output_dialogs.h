#pragma once

#include "output/output_dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace output {

// Records what the engine said and asked, and gives prepared answers in
// order. With no answer prepared, every question is cancelled.
class TScriptedOutputDialogs : public TOutputDialogs {
public:
    QStringList errors;
    QStringList notices;
    QStringList questions; // each question's text
    QStringList asked; // "PrinterSetup", "PrintOptions", "PdfFileName", "Question"

    std::deque<std::function<bool(TRPDevice&)>> setupAnswers;
    std::deque<std::optional<TPrintOptions>> printOptionAnswers;
    std::deque<std::optional<QString>> pdfFileNames;
    std::deque<bool> questionAnswers; // No once they run out

    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    bool AskPrinterSetup(TRPDevice& device) override;
    bool AskPrintOptions(TRPDevice& device, TPrintOptions& options) override;
    std::optional<QString> AskPdfFileName(const QString& suggestedName) override;
};

} // namespace output
