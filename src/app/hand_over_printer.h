#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// The printer side of a hand-over: the printer check, and the selection
// kept across a print window so that a printer chosen there does not stay
// chosen for everything after it.
class THandOverPrinter {
public:
    virtual ~THandOverPrinter() = default;

    // Shows why not when no printer can be used.
    virtual bool check(QWidget* parent) = 0;
    // The printer now selected; empty while the system's default is used.
    virtual QString selection() const = 0;
    // Drops the page output's shared printer device, with whatever the
    // window set on it.
    virtual void release() = 0;
    // The default printer, then the one named (when it is still there).
    virtual void select(const QString& printer) = 0;
};

// The system's printers through the page output's shared device.
class TSharedDevicePrinter : public THandOverPrinter {
public:
    bool check(QWidget* parent) override;
    QString selection() const override;
    void release() override;
    void select(const QString& printer) override;
};

} // namespace quorvel
