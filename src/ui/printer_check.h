#pragma once

class QWidget;

namespace quorvel {

class TMessages;

// What the printer check needs to know about the system's printers.
class TPrinterSource {
public:
    virtual ~TPrinterSource() = default;

    virtual bool hasInstalledPrinter() const = 0;
    // Whether the current printer answers with its settings (paper, page
    // size, resolution); a printer that does not cannot be printed to.
    virtual bool currentPrinterHasSettings() const = 0;
    // Selects the current (default) printer again.
    virtual void reselectCurrentPrinter() = 0;
};

// Guards every print path: true when a printer can be used, otherwise shows
// why not and returns false.
bool checkPrinterPresent(TPrinterSource& printers, TMessages& messages, QWidget* parent);

} // namespace quorvel
