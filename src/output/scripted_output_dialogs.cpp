#include "output/scripted_output_dialogs.h"

namespace output {

void TScriptedOutputDialogs::ShowError(const QString& text)
{
    errors.append(text);
}

void TScriptedOutputDialogs::ShowInformation(const QString& text)
{
    notices.append(text);
}

bool TScriptedOutputDialogs::AskQuestion(const QString& text, const QString&)
{
    asked.append(QStringLiteral("Question"));
    questions.append(text);
    if (questionAnswers.empty())
        return false;
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

bool TScriptedOutputDialogs::AskPrinterSetup(TRPDevice& device)
{
    asked.append(QStringLiteral("PrinterSetup"));
    if (setupAnswers.empty())
        return false;
    const auto answer = std::move(setupAnswers.front());
    setupAnswers.pop_front();
    return answer ? answer(device) : false;
}

bool TScriptedOutputDialogs::AskPrintOptions(TRPDevice&, TPrintOptions& options)
{
    asked.append(QStringLiteral("PrintOptions"));
    if (printOptionAnswers.empty())
        return false;
    const std::optional<TPrintOptions> answer = printOptionAnswers.front();
    printOptionAnswers.pop_front();
    if (answer)
        options = *answer;
    return answer.has_value();
}

std::optional<QString> TScriptedOutputDialogs::AskPdfFileName(const QString&)
{
    asked.append(QStringLiteral("PdfFileName"));
    if (pdfFileNames.empty())
        return std::nullopt;
    const std::optional<QString> answer = pdfFileNames.front();
    pdfFileNames.pop_front();
    return answer;
}

} // namespace output
