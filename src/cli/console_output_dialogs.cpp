#include "cli/console_output_dialogs.h"

#include <cstdio>

namespace quorvel::cli {

void TConsoleOutputDialogs::Say(const QString& text)
{
    // Message boxes break lines with "\r\n"; a terminal wants "\n".
    QString line = text.trimmed();
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "quorvel-cli: %s\n", line.toUtf8().constData());
    said_ = true;
}

void TConsoleOutputDialogs::ShowError(const QString& text) { Say(text); }

void TConsoleOutputDialogs::ShowInformation(const QString& text) { Say(text); }

bool TConsoleOutputDialogs::AskQuestion(const QString& text, const QString&)
{
    Say(text + QStringLiteral(" (answered No)"));
    return false;
}

// The printer and its settings were chosen by the command's options.
bool TConsoleOutputDialogs::AskPrinterSetup(output::TRPDevice&) { return true; }

bool TConsoleOutputDialogs::AskPrintOptions(output::TRPDevice&, output::TPrintOptions&) { return true; }

std::optional<QString> TConsoleOutputDialogs::AskPdfFileName(const QString&)
{
    if (pdfFile_.isEmpty())
        return std::nullopt;
    return pdfFile_;
}

} // namespace quorvel::cli
