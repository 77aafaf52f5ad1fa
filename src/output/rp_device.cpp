#include "output/rp_device.h"

#include "output/output_error.h"

#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace output {

namespace {

std::unique_ptr<TRPDevice>& sharedSlot()
{
    static std::unique_ptr<TRPDevice> device;
    return device;
}

// The paper codes designs, label stocks and envelope layouts store are the
// printer drivers' codes (1 letter, 9 A4, 20 envelope #10, ...); Qt knows
// the size behind each of them. Code 0 is a custom sheet, not a paper.
std::optional<QPageSize> paperForCode(int code)
{
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code <= 0 || id == QPageSize::Custom)
        return std::nullopt;
    return QPageSize(id);
}

// What "Save as PDF" offers: the common sheets, then every paper code a
// label stock or an envelope layout may ask for (envelopes 19 to 23 and 27
// to 38), so that a run chooses its paper there as on a printer listing it.
QList<QPageSize> pdfPageSizes()
{
    QList<QPageSize> sizes{QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal), QPageSize(QPageSize::Executive),
                           QPageSize(QPageSize::A3),     QPageSize(QPageSize::A4),    QPageSize(QPageSize::A5),
                           QPageSize(QPageSize::B5),     QPageSize(QPageSize::Tabloid)};
    const auto listed = [&sizes](const QPageSize& size) {
        return std::any_of(sizes.begin(), sizes.end(), [&size](const QPageSize& s) { return s.isEquivalentTo(size); });
    };
    for (int code : {7, 13, 19, 20, 21, 22, 23, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38}) {
        const QPageSize size = *paperForCode(code);
        if (!listed(size))
            sizes.append(size);
    }
    return sizes;
}

} // namespace

TRPDevice::TRPDevice(std::unique_ptr<TPrinterCatalog> catalog, bool withPdfPrinter)
    : catalog_(catalog ? std::move(catalog) : std::make_unique<TQtPrinterCatalog>())
{
    printers_ = catalog_->Printers();
    for (std::size_t i = 0; i < printers_.size(); ++i)
        if (printers_[i].isDefault)
            defaultIndex_ = static_cast<int>(i);
    if (withPdfPrinter)
        printers_.push_back({PdfPrinterName(), QStringLiteral("FILE:"), QStringLiteral("PDF"), false});
    resetForPrinter();
}

TRPDevice& TRPDevice::Shared()
{
    auto& slot = sharedSlot();
    if (!slot)
        slot = std::make_unique<TRPDevice>();
    return *slot;
}

void TRPDevice::ReleaseShared()
{
    sharedSlot().reset();
}

QStringList TRPDevice::PrinterNames() const
{
    QStringList names;
    for (const TPrinterEntry& printer : printers_)
        names.append(printer.name);
    return names;
}

void TRPDevice::SelectPrinterIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(printers_.size()))
        return;
    selected_ = index;
    resetForPrinter();
}

bool TRPDevice::SelectPrinterByName(const QString& text)
{
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        const QString full = printers_[i].name + QStringLiteral(" on ") + printers_[i].port;
        if (full.contains(text, Qt::CaseInsensitive)) {
            SelectPrinterIndex(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

const TPrinterEntry& TRPDevice::current() const
{
    requireDevMode();
    return printers_.at(static_cast<std::size_t>(selected_ >= 0 ? selected_ : defaultIndex_));
}

void TRPDevice::requireDevMode() const
{
    if (printers_.empty())
        throw EReportError(messages::noDevMode());
}

QString TRPDevice::DeviceName() const { return printers_.empty() ? QString() : current().name; }
QString TRPDevice::DriverName() const { return printers_.empty() ? QString() : current().driver; }
QString TRPDevice::Port() const { return printers_.empty() ? QString() : current().port; }
bool TRPDevice::IsPdfPrinter() const { return !printers_.empty() && current().name == PdfPrinterName() && current().port == QStringLiteral("FILE:"); }

QList<QPageSize> TRPDevice::pageSizes() const
{
    return IsPdfPrinter() ? pdfPageSizes() : catalog_->PageSizes(current().name);
}

void TRPDevice::forgetDeviceFacts()
{
    unprintable_.reset();
    resolution_.reset();
}

void TRPDevice::resetForPrinter()
{
    bin_ = 0;
    forgetDeviceFacts();
    if (printers_.empty())
        return;
    const QList<QPageSize> sizes = pageSizes();
    const bool keep = !paper_.isValid() ? false : sizes.isEmpty() || sizes.contains(paper_);
    if (!keep)
        paper_ = sizes.isEmpty() ? QPageSize(QPageSize::Letter) : sizes.first();
}

bool TRPDevice::ChoosePaper(int code, double length, double width)
{
    requireDevMode();
    std::optional<QPageSize> wanted = paperForCode(code);
    if (code == 0 && length > 0.0 && width > 0.0) {
        // Sizes travel in tenths of a millimetre, as the printers take them.
        const auto tenths = [](double inches) { return std::round(inches * 254.0) / 10.0; };
        wanted = QPageSize(QSizeF(tenths(width), tenths(length)), QPageSize::Millimeter, QString(),
                           QPageSize::ExactMatch);
    }
    if (!wanted)
        return false;
    const QList<QPageSize> sizes = pageSizes();
    const bool custom = IsPdfPrinter() || catalog_->SupportsCustomSizes(current().name);
    // The printer's own entry for the size, so that the paper chosen is one
    // its list names (envelope B5 is the B5 sheet there).
    const auto listed = std::find_if(sizes.begin(), sizes.end(),
                                     [&wanted](const QPageSize& size) { return size.isEquivalentTo(*wanted); });
    if (listed == sizes.end() && !(custom && code == 0))
        return false;
    paper_ = listed == sizes.end() ? *wanted : *listed;
    forgetDeviceFacts();
    return true;
}

QPageSize TRPDevice::Paper() const
{
    requireDevMode();
    return paper_;
}

// Qt rounds sizes to hundredths of the unit asked for; millimetres keep a
// custom sheet (a #10 envelope is 4.125 inches deep) within a few
// ten-thousandths of an inch.
static QSizeF sizeInInches(const QPageSize& paper)
{
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    const auto inches = [](double millimetres) { return std::round(millimetres / 25.4 * 1e6) / 1e6; };
    return {inches(mm.width()), inches(mm.height())};
}

double TRPDevice::PaperWidth() const
{
    const QSizeF size = sizeInInches(Paper());
    return orientation_ == QPageLayout::Landscape ? size.height() : size.width();
}

double TRPDevice::PaperHeight() const
{
    const QSizeF size = sizeInInches(Paper());
    return orientation_ == QPageLayout::Landscape ? size.width() : size.height();
}

QMarginsF TRPDevice::Unprintable() const
{
    if (IsPdfPrinter())
        return {};
    if (!unprintable_)
        unprintable_ = catalog_->MinimumMargins(current().name, paper_, orientation_);
    return *unprintable_;
}

int TRPDevice::Resolution() const
{
    if (printers_.empty() || IsPdfPrinter())
        return 1200;
    if (!resolution_)
        resolution_ = catalog_->Resolution(current().name);
    return *resolution_;
}

QStringList TRPDevice::BinNames() const
{
    if (IsPdfPrinter())
        return {QStringLiteral("Automatically Select")};
    return catalog_->BinNames(current().name);
}

QStringList TRPDevice::PaperNames() const
{
    QStringList names;
    for (const QPageSize& size : pageSizes())
        names.append(size.name());
    return names;
}

int TRPDevice::CurrentBinIndex() const
{
    requireDevMode();
    return bin_;
}

int TRPDevice::CurrentPaperIndex() const
{
    const QList<QPageSize> sizes = pageSizes();
    for (qsizetype i = 0; i < sizes.size(); ++i)
        if (sizes.at(i).isEquivalentTo(paper_))
            return static_cast<int>(i);
    return -1;
}

bool TRPDevice::SelectBinByName(const QString& name)
{
    const QStringList bins = BinNames();
    for (qsizetype i = 0; i < bins.size(); ++i) {
        if (bins.at(i).compare(name, Qt::CaseInsensitive) == 0) {
            bin_ = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool TRPDevice::SelectPaperByName(const QString& name)
{
    for (const QPageSize& size : pageSizes()) {
        if (size.name().compare(name, Qt::CaseInsensitive) == 0) {
            paper_ = size;
            forgetDeviceFacts();
            return true;
        }
    }
    return false;
}

QPageLayout::Orientation TRPDevice::Orientation() const
{
    requireDevMode();
    return orientation_;
}

void TRPDevice::SetOrientation(QPageLayout::Orientation orientation)
{
    requireDevMode();
    orientation_ = orientation;
    forgetDeviceFacts();
}

void TRPDevice::ConfigurePrinter(QPrinter& printer) const
{
    if (IsPdfPrinter()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFullPage(true);
    } else {
        printer.setPrinterName(current().name);
        printer.setFullPage(false);
    }
    printer.setPageSize(paper_);
    printer.setPageOrientation(orientation_);
    printer.setPageMargins(Unprintable(), QPageLayout::Inch);
    printer.setCopyCount(copies_);
}

} // namespace output
