#pragma once

#include "output/base_report.h"
#include "output/page_painter.h"
#include "output/printer_session.h"

#include <optional>

class QPainter;

namespace output {

// A job that draws straight onto the selected printer's canvas.
class TCanvasReport : public TBaseReport {
public:
    // The device canvas while a job runs, for callers that draw in device
    // pixels themselves (after ToDeviceX ...); null when idle.
    QPainter* Canvas() { return Printing() ? session_.Painter() : nullptr; }

protected:
    bool NeedsPrinter() const override { return true; }
    bool BeginDocument() override;
    void BeginPage() override;
    void EndPage() override {}
    void EndDocument(bool aborted) override;
    void EmitOp(TPageOp&& op) override;
    TDeviceMapping Mapping() const override;

private:
    TPrinterSession session_;
    std::optional<TPagePainter> painter_;
};

} // namespace output
