#pragma once

#include "output/output_dialogs.h"

namespace quorvel {

// The page output engine's questions and errors, asked through the
// program's own message and dialog seams (TServices), so that they look like
// every other box of the program and tests can answer them.
//
// Printer setup and print options use the common printer dialogs on a
// printer object prepared from the engine's device; what the user chose
// (printer, paper, orientation, copies, page range) is carried back.
class TAppOutputDialogs : public output::TOutputDialogs {
public:
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    bool AskPrinterSetup(output::TRPDevice& device) override;
    bool AskPrintOptions(output::TRPDevice& device, output::TPrintOptions& options) override;
    std::optional<QString> AskPdfFileName(const QString& suggestedName) override;
};

} // namespace quorvel
