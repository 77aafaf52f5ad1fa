#include "app/hand_over_printer.h"

#include "app/startup.h"
#include "output/rp_device.h"

namespace quorvel {

bool TSharedDevicePrinter::check(QWidget* parent)
{
    return checkPrinter(parent);
}

QString TSharedDevicePrinter::selection() const
{
    const output::TRPDevice& device = output::TRPDevice::Shared();
    const int index = device.CurrentPrinterIndex();
    return index < 0 ? QString() : device.PrinterNames().value(index);
}

void TSharedDevicePrinter::release()
{
    output::TRPDevice::ReleaseShared();
}

void TSharedDevicePrinter::select(const QString& printer)
{
    output::TRPDevice& device = output::TRPDevice::Shared();
    device.SelectPrinterIndex(-1);
    if (printer.isEmpty())
        return;
    // By its whole name: a printer whose name merely contains the other's
    // is a different printer.
    const int index = static_cast<int>(device.PrinterNames().indexOf(printer));
    if (index >= 0)
        device.SelectPrinterIndex(index);
}

} // namespace quorvel
