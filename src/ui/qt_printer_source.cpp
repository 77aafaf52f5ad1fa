#include "ui/qt_printer_source.h"

#include <QPrinterInfo>

namespace quorvel {

namespace {

QString defaultPrinterOrPdf()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? TQtPrinterSource::pdfPrinterName() : name;
}

} // namespace

TQtPrinterSource::TQtPrinterSource() : current_(defaultPrinterOrPdf()) { }

bool TQtPrinterSource::hasInstalledPrinter() const
{
    // The PDF printer is part of the program and always installed.
    return true;
}

bool TQtPrinterSource::currentPrinterHasSettings() const
{
    if (current_ == pdfPrinterName())
        return true;
    const QPrinterInfo printer = QPrinterInfo::printerInfo(current_);
    return !printer.isNull() && !printer.supportedPageSizes().isEmpty();
}

void TQtPrinterSource::reselectCurrentPrinter() { current_ = defaultPrinterOrPdf(); }

} // namespace quorvel
