#include "output/printer_catalog.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace output {


std::vector<TPrinterEntry> TQtPrinterCatalog::Printers() const
{
    std::vector<TPrinterEntry> entries;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        // CUPS has no ports; its location is what users recognise a queue by.
        const QString port = info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
        entries.push_back({info.printerName(), port, info.makeAndModel(), info.isDefault()});
    }
    return entries;
}

QList<QPageSize> TQtPrinterCatalog::PageSizes(const QString& printer) const
{
    return QPrinterInfo::printerInfo(printer).supportedPageSizes();
}

bool TQtPrinterCatalog::SupportsCustomSizes(const QString& printer) const
{
    return QPrinterInfo::printerInfo(printer).supportsCustomPageSizes();
}

// Qt's print support does not list the paper sources of CUPS queues; the
// queue's own default source is used.
QStringList TQtPrinterCatalog::BinNames(const QString&) const
{
    return {QStringLiteral("Automatically Select")};
}

QMarginsF TQtPrinterCatalog::MinimumMargins(const QString& printer, const QPageSize& size,
                                            QPageLayout::Orientation orientation) const
{
    QPrinter device(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution);
    device.setPageSize(size);
    device.setPageOrientation(orientation);
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return layout.minimumMargins();
}

int TQtPrinterCatalog::Resolution(const QString& printer) const
{
    return QPrinter(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution).resolution();
}

const TFixedPrinterCatalog::Printer* TFixedPrinterCatalog::find(const QString& name) const
{
    for (const Printer& printer : printers_)
        if (printer.entry.name == name)
            return &printer;
    return nullptr;
}

std::vector<TPrinterEntry> TFixedPrinterCatalog::Printers() const
{
    std::vector<TPrinterEntry> entries;
    for (const Printer& printer : printers_)
        entries.push_back(printer.entry);
    return entries;
}

QList<QPageSize> TFixedPrinterCatalog::PageSizes(const QString& printer) const
{
    const Printer* found = find(printer);
    return found ? found->sizes : QList<QPageSize>();
}

QStringList TFixedPrinterCatalog::BinNames(const QString& printer) const
{
    const Printer* found = find(printer);
    return found ? found->bins : QStringList();
}

QMarginsF TFixedPrinterCatalog::MinimumMargins(const QString& printer, const QPageSize&,
                                               QPageLayout::Orientation orientation) const
{
    const Printer* found = find(printer);
    if (!found)
        return {};
    const QMarginsF m = found->margins;
    // Turning the sheet a quarter turn anticlockwise moves the left border to the bottom.
    return orientation == QPageLayout::Landscape ? QMarginsF(m.top(), m.right(), m.bottom(), m.left()) : m;
}

int TFixedPrinterCatalog::Resolution(const QString& printer) const
{
    const Printer* found = find(printer);
    return found ? found->resolution : 600;
}

} // namespace output
