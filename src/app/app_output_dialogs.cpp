#include "app/app_output_dialogs.h"

#include "output/rp_device.h"
#include "ui/services.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>

namespace quorvel {

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

// Which printer a printer object is set to, as a common dialog shows it.
struct TPrinterChoice {
    QString name;
    bool toPdf = false;

    static TPrinterChoice of(const QPrinter& printer)
    {
        return {printer.printerName(), printer.outputFormat() == QPrinter::PdfFormat};
    }
    bool operator==(const TPrinterChoice&) const = default;
};

// A printer the user picked in a common dialog becomes the device's. What
// the dialog was given is compared, not the device's own name: a printer
// the platform does not know reads back as PDF output, and that must not
// be taken for the user's choice.
void takePrinterChoice(const QPrinter& printer, const TPrinterChoice& offered, output::TRPDevice& device)
{
    const TPrinterChoice chosen = TPrinterChoice::of(printer);
    if (chosen == offered)
        return;
    if (chosen.toPdf)
        device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    else if (!chosen.name.isEmpty())
        device.SelectPrinterByName(chosen.name);
}

void takePageChoice(const QPrinter& printer, output::TRPDevice& device)
{
    const QPageLayout layout = printer.pageLayout();
    const QPageSize size = layout.pageSize();
    if (!device.SelectPaperByName(size.name())) {
        const QSizeF inches = size.size(QPageSize::Inch);
        device.ChoosePaper(0, inches.height(), inches.width());
    }
    device.SetOrientation(layout.orientation());
}

bool printsAllPages(const output::TPrintOptions& options)
{
    return options.firstPage <= 1 && options.lastPage >= output::TPrintOptions{}.lastPage;
}

} // namespace

void TAppOutputDialogs::ShowError(const QString& text) { TServices::messages().error(dialogParent(), text); }

void TAppOutputDialogs::ShowInformation(const QString& text)
{
    TServices::messages().information(dialogParent(), text);
}

bool TAppOutputDialogs::AskQuestion(const QString& text, const QString& caption)
{
    return TServices::messages().question(dialogParent(), text, caption);
}

bool TAppOutputDialogs::AskPrinterSetup(output::TRPDevice& device)
{
    QPrinter printer;
    device.ConfigurePrinter(printer);
    const TPrinterChoice offered = TPrinterChoice::of(printer);
    const QPageLayout offeredPage = printer.pageLayout();
    if (!TServices::dialogs().printerSetup(dialogParent(), printer))
        return false;
    takePrinterChoice(printer, offered, device);
    if (!printer.pageLayout().isEquivalentTo(offeredPage))
        takePageChoice(printer, device);
    return true;
}

bool TAppOutputDialogs::AskPrintOptions(output::TRPDevice& device, output::TPrintOptions& options)
{
    QPrinter printer;
    device.ConfigurePrinter(printer);
    printer.setCopyCount(options.copies);
    if (!printsAllPages(options)) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(options.firstPage, options.lastPage);
    }
    const TPrinterChoice offered = TPrinterChoice::of(printer);
    if (!TServices::dialogs().print(dialogParent(), printer))
        return false;
    takePrinterChoice(printer, offered, device);
    options.copies = printer.copyCount() < 1 ? 1 : printer.copyCount();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    options.firstPage = range ? printer.fromPage() : output::TPrintOptions{}.firstPage;
    options.lastPage = range ? printer.toPage() : output::TPrintOptions{}.lastPage;
    return true;
}

std::optional<QString> TAppOutputDialogs::AskPdfFileName(const QString& suggestedName)
{
    const TFileRequest request{QStringLiteral("Save as PDF"), suggestedName, QStringLiteral("PDF Files|*.pdf"),
                               QStringLiteral("pdf")};
    const QString file = TServices::dialogs().saveFileName(dialogParent(), request);
    if (file.isEmpty())
        return std::nullopt;
    return file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? file : file + QStringLiteral(".pdf");
}

} // namespace quorvel
