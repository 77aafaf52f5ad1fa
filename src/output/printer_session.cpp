#include "output/printer_session.h"

#include "output/output_dialogs.h"
#include "output/output_error.h"
#include "output/rp_device.h"

#include <QDir>
#include <QFile>

namespace output {

namespace {

QString suggestedPdfName(const QString& title)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Quorvel") : title.trimmed();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (forbidden.contains(c))
            c = QLatin1Char('_');
    return QDir::home().filePath(name + QStringLiteral(".pdf"));
}

} // namespace

bool TPrinterSession::Open(TRPDevice& device, TOutputDialogs& dialogs, const QString& title)
{
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device.ConfigurePrinter(*printer_);
    if (device.IsPdfPrinter()) {
        const std::optional<QString> file = dialogs.AskPdfFileName(suggestedPdfName(title));
        if (!file || file->isEmpty()) {
            printer_.reset();
            return false;
        }
        pdfFile_ = *file;
        printer_->setOutputFileName(pdfFile_);
        printer_->setCreator(QStringLiteral("Quorvel"));
    }
    printer_->setDocName(title.left(31));
    deviceName_ = device.DeviceName();
    unprintableLeft_ = device.Unprintable().left();
    unprintableTop_ = device.Unprintable().top();
    return true;
}

// The document starts with its first page that is printed, so a page range
// that selects nothing feeds no blank sheet and leaves no empty file.
void TPrinterSession::BeginPage()
{
    if (!printer_)
        return;
    if (painter_) {
        printer_->newPage();
        return;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        const QString where = pdfFile_.isEmpty() ? deviceName_ : QDir::toNativeSeparators(pdfFile_);
        throw EReportError(QStringLiteral("The print job could not be started on %1.").arg(where));
    }
}

bool TPrinterSession::Close(bool aborted)
{
    if (painter_ && aborted && pdfFile_.isEmpty())
        printer_->abort();
    const bool started = painter_ != nullptr;
    bool finished = true;
    if (painter_ && painter_->isActive())
        finished = painter_->end();
    painter_.reset();
    printer_.reset();
    if ((aborted || !finished) && started && !pdfFile_.isEmpty())
        QFile::remove(pdfFile_);
    pdfFile_.clear();
    return finished || aborted;
}

TDeviceMapping TPrinterSession::Mapping(double scaleX, double scaleY) const
{
    TDeviceMapping mapping;
    if (printer_) {
        mapping.pixelsPerInchX = printer_->logicalDpiX();
        mapping.pixelsPerInchY = printer_->logicalDpiY();
    }
    mapping.unprintableLeft = unprintableLeft_;
    mapping.unprintableTop = unprintableTop_;
    mapping.scaleX = scaleX;
    mapping.scaleY = scaleY;
    return mapping;
}

} // namespace output
