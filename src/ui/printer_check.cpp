#include "ui/printer_check.h"

#include "ui/messages.h"

namespace quorvel {

bool checkPrinterPresent(TPrinterSource& printers, TMessages& messages, QWidget* parent)
{
    if (!printers.hasInstalledPrinter()) {
        messages.information(
            parent, QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
        return false;
    }
    if (!printers.currentPrinterHasSettings()) {
        printers.reselectCurrentPrinter();
        if (!printers.currentPrinterHasSettings()) {
            messages.information(parent, QStringLiteral("There is no default printer selected.\r\nUnable to perform "
                                                        "printer related operations"));
            return false;
        }
    }
    return true;
}

} // namespace quorvel
