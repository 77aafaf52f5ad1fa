#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace output {

struct TPrinterEntry {
    QString name;
    QString port;
    QString driver;
    bool isDefault = false;
};

// What the system knows about its printers. The device asks through this so
// that tests can stand in a set of printers of their own.
class TPrinterCatalog {
public:
    virtual ~TPrinterCatalog() = default;

    virtual std::vector<TPrinterEntry> Printers() const = 0;
    virtual QList<QPageSize> PageSizes(const QString& printer) const = 0;
    virtual bool SupportsCustomSizes(const QString& printer) const = 0;
    virtual QStringList BinNames(const QString& printer) const = 0;
    // Unprintable borders of the printer for a paper, in inches.
    virtual QMarginsF MinimumMargins(const QString& printer, const QPageSize& size,
                                     QPageLayout::Orientation orientation) const = 0;
    virtual int Resolution(const QString& printer) const = 0;
};

// The system's printers as Qt's print support (CUPS) lists them.
class TQtPrinterCatalog : public TPrinterCatalog {
public:
    std::vector<TPrinterEntry> Printers() const override;
    QList<QPageSize> PageSizes(const QString& printer) const override;
    bool SupportsCustomSizes(const QString& printer) const override;
    QStringList BinNames(const QString& printer) const override;
    QMarginsF MinimumMargins(const QString& printer, const QPageSize& size,
                             QPageLayout::Orientation orientation) const override;
    int Resolution(const QString& printer) const override;
};

// A fixed list, for tests and for machines where the system list is unwanted.
class TFixedPrinterCatalog : public TPrinterCatalog {
public:
    struct Printer {
        TPrinterEntry entry;
        QList<QPageSize> sizes;
        QStringList bins;
        QMarginsF margins; // inches, portrait
        int resolution = 600;
    };

    explicit TFixedPrinterCatalog(std::vector<Printer> printers = {}) : printers_(std::move(printers)) {}

    std::vector<TPrinterEntry> Printers() const override;
    QList<QPageSize> PageSizes(const QString& printer) const override;
    bool SupportsCustomSizes(const QString&) const override { return false; }
    QStringList BinNames(const QString& printer) const override;
    QMarginsF MinimumMargins(const QString& printer, const QPageSize& size,
                             QPageLayout::Orientation orientation) const override;
    int Resolution(const QString& printer) const override;

private:
    const Printer* find(const QString& name) const;

    std::vector<Printer> printers_;
};

} // namespace output
