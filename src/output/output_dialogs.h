#pragma once

#include <QString>

#include <optional>

namespace output {

class TRPDevice;

// Copies and page range of a print job; 1 and 9999 mean all pages.
struct TPrintOptions {
    int copies = 1;
    int firstPage = 1;
    int lastPage = 9999;
};

// Everything the engine asks the user or tells them goes through here, so
// that the program can route it to its own dialogs and tests can script it.
class TOutputDialogs {
public:
    virtual ~TOutputDialogs() = default;

    // An error box with an Ok button.
    virtual void ShowError(const QString& text) = 0;
    // A notice in an information box with an Ok button.
    virtual void ShowInformation(const QString& text) = 0;
    // A Yes/No question whose caption names the action; true for Yes.
    virtual bool AskQuestion(const QString& text, const QString& caption) = 0;
    // Printer, paper, source and orientation for the device; true when the
    // user confirmed (the device then holds the choice).
    virtual bool AskPrinterSetup(TRPDevice& device) = 0;
    // Copies and page range; true when the user confirmed.
    virtual bool AskPrintOptions(TRPDevice& device, TPrintOptions& options) = 0;
    // The file a job printed to "Save as PDF" goes to; nothing when cancelled.
    virtual std::optional<QString> AskPdfFileName(const QString& suggestedName) = 0;
};

// Qt's message box and file dialog and the engine's own setup dialogs.
class TQtOutputDialogs : public TOutputDialogs {
public:
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    bool AskPrinterSetup(TRPDevice& device) override;
    bool AskPrintOptions(TRPDevice& device, TPrintOptions& options) override;
    std::optional<QString> AskPdfFileName(const QString& suggestedName) override;
};

// The dialogs a component uses when it was given none.
TOutputDialogs& DefaultOutputDialogs();

} // namespace output
