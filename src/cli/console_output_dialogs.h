#pragma once

#include "output/output_dialogs.h"

#include <QString>

namespace quorvel::cli {

// The print engine's messages and questions on a command line: every text
// goes to stderr as it comes, nobody is there to answer, so each question
// counts as answered No (and says so), and a "Save as PDF" job writes to
// the file the command was given.
class TConsoleOutputDialogs : public output::TOutputDialogs {
public:
    explicit TConsoleOutputDialogs(QString pdfFile = {}) : pdfFile_(std::move(pdfFile)) {}

    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    bool AskPrinterSetup(output::TRPDevice& device) override;
    bool AskPrintOptions(output::TRPDevice& device, output::TPrintOptions& options) override;
    std::optional<QString> AskPdfFileName(const QString& suggestedName) override;

    // Whether anything was told or asked.
    bool Said() const { return said_; }

private:
    void Say(const QString& text);

    QString pdfFile_;
    bool said_ = false;
};

} // namespace quorvel::cli
