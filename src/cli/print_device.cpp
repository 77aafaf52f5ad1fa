#include "cli/print_device.h"

#include "cli/usage_text.h"
#include "output/rp_device.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel::cli {

QString pdfOutputPath(const ParsedArguments& args)
{
    if (!args.given("--pdf"))
        return {};
    return QDir::cleanPath(QFileInfo(QString::fromStdString(args.value("--pdf"))).absoluteFilePath());
}

std::unique_ptr<output::TRPDevice> pdfDevice()
{
    auto device = std::make_unique<output::TRPDevice>(std::make_unique<output::TFixedPrinterCatalog>());
    device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    return device;
}

std::unique_ptr<output::TRPDevice> systemPrinterDevice(const std::string& name)
{
    auto device = std::make_unique<output::TRPDevice>();
    if (!name.empty()) {
        if (!device->SelectPrinterByName(QString::fromStdString(name)) || device->IsPdfPrinter()) {
            failWith("no printer's name contains \"" + name + "\"");
            return nullptr;
        }
    } else if (device->IsPdfPrinter()) {
        failWith("there is no printer to print on; give --pdf OUT to make a PDF file");
        return nullptr;
    }
    return device;
}

} // namespace quorvel::cli
