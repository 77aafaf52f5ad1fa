#include "letters/printer_letter_sink.h"

#include "output/output_error.h"
#include "output/rp_device.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace letters {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QPageLayout letterPageLayout(const TLetterPage& page)
{
    const double width = page.paperWidth / kTwipsPerInch;
    const double height = page.paperHeight / kTwipsPerInch;
    const QPageSize size(QSizeF(std::min(width, height), std::max(width, height)), QPageSize::Inch);
    return QPageLayout(size, width > height ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

TPrinterLetterSink::TPrinterLetterSink(output::TRPDevice& device, output::TOutputDialogs& dialogs, QString title)
    : device_(device), dialogs_(dialogs), title_(std::move(title))
{
}

bool TPrinterLetterSink::Begin(const TLetterPage& page)
{
    error_.clear();
    if (!session_.Open(device_, dialogs_, title_))
        return false;
    open_ = true;
    QPrinter& printer = *session_.Printer();
    printer.setCopyCount(1);
    if (device_.IsPdfPrinter())
        printer.setPageLayout(letterPageLayout(page));
    offset_ = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    return NewPage();
}

bool TPrinterLetterSink::NewPage()
{
    try {
        session_.BeginPage();
    } catch (const output::EReportError& error) {
        error_ = error.text();
        return false;
    }
    if (!session_.Painter()) {
        error_ = QStringLiteral("The print job could not be started.");
        return false;
    }
    return true;
}

QPainter& TPrinterLetterSink::Painter() { return *session_.Painter(); }

QPaintDevice& TPrinterLetterSink::Device() { return *session_.Printer(); }

bool TPrinterLetterSink::End()
{
    open_ = false;
    if (session_.Close(false))
        return true;
    error_ = QStringLiteral("The printed document could not be written completely.");
    return false;
}

void TPrinterLetterSink::Abort()
{
    if (open_)
        session_.Close(true);
    open_ = false;
}

} // namespace letters
