#pragma once

#include "output/printer_catalog.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QPrinter;

namespace output {

// The printer device all page producers share: the printer list and
// selection, paper, paper source, orientation and copies. A built-in
// "Save as PDF" printer is always listed last, so that every report can be
// printed to a file on a machine without printers. Lengths are inches.
class TRPDevice {
public:
    explicit TRPDevice(std::unique_ptr<TPrinterCatalog> catalog = nullptr, bool withPdfPrinter = true);

    // The object every component uses unless told otherwise; created on first
    // use from the system's printers, dropped by ReleaseShared().
    static TRPDevice& Shared();
    static void ReleaseShared();

    static QString PdfPrinterName() { return QStringLiteral("Save as PDF"); }

    QStringList PrinterNames() const;
    bool HasPrinters() const { return !printers_.empty(); }
    // -1 while the system's default printer is in use.
    int CurrentPrinterIndex() const { return selected_; }
    void SelectPrinterIndex(int index);
    // The first printer whose "name on port" contains the text, ignoring case.
    bool SelectPrinterByName(const QString& text);

    QString DeviceName() const;
    QString DriverName() const;
    QString Port() const;
    bool IsPdfPrinter() const;

    // A paper code as printer drivers number papers (1 letter, 9 A4, 20
    // envelope #10, ...), taken when the printer lists that paper; code 0 is
    // a custom sheet of the given length and width (inches).
    bool ChoosePaper(int code, double length, double width);
    QPageSize Paper() const;
    double PaperWidth() const;
    double PaperHeight() const;
    QMarginsF Unprintable() const;
    int Resolution() const;

    QStringList BinNames() const;
    QStringList PaperNames() const;
    int CurrentBinIndex() const;
    int CurrentPaperIndex() const;
    bool SelectBinByName(const QString& name);
    bool SelectPaperByName(const QString& name);

    QPageLayout::Orientation Orientation() const;
    void SetOrientation(QPageLayout::Orientation orientation);
    int Copies() const { return copies_; }
    void SetCopies(int copies) { copies_ = copies < 1 ? 1 : copies; }

    // Puts the selection onto a printer object about to print.
    void ConfigurePrinter(QPrinter& printer) const;

private:
    const TPrinterEntry& current() const;
    void requireDevMode() const;
    void resetForPrinter();
    void forgetDeviceFacts();
    QList<QPageSize> pageSizes() const;

    std::unique_ptr<TPrinterCatalog> catalog_;
    std::vector<TPrinterEntry> printers_;
    int selected_ = -1;
    int defaultIndex_ = 0;
    QPageSize paper_;
    int bin_ = 0;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    int copies_ = 1;
    // Asking the system about a printer is slow (a CUPS round trip), and text
    // measuring asks often; kept until the printer, paper or orientation changes.
    mutable std::optional<QMarginsF> unprintable_;
    mutable std::optional<int> resolution_;
};

} // namespace output
