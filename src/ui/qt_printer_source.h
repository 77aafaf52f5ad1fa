#pragma once

#include "ui/printer_check.h"

#include <QString>

namespace quorvel {

// The system's printers as the print system (CUPS) lists them, plus the
// built-in "Save as PDF" printer, which is always there. On a machine
// without printers the PDF printer is the current one, so the check passes
// and the user can still make PDF files.
class TQtPrinterSource : public TPrinterSource {
public:
    static QString pdfPrinterName() { return QStringLiteral("Save as PDF"); }

    TQtPrinterSource();

    bool hasInstalledPrinter() const override;
    bool currentPrinterHasSettings() const override;
    void reselectCurrentPrinter() override;

    const QString& currentPrinter() const { return current_; }

private:
    QString current_;
};

} // namespace quorvel
