#include "output/canvas_report.h"

#include "output/output_error.h"
#include "output/rp_device.h"

namespace output {

bool TCanvasReport::BeginDocument()
{
    return session_.Open(Device(), Dialogs(), Title());
}

void TCanvasReport::BeginPage()
{
    session_.BeginPage();
    if (!painter_)
        painter_.emplace(*session_.Painter(), session_.Mapping(ScaleX(), ScaleY()));
}

void TCanvasReport::EndDocument(bool aborted)
{
    painter_.reset();
    if (!session_.Close(aborted))
        throw EReportError(QStringLiteral("The print job could not be finished on %1.").arg(Device().DeviceName()));
}

void TCanvasReport::EmitOp(TPageOp&& op)
{
    if (painter_)
        painter_->drawOp(op);
}

TDeviceMapping TCanvasReport::Mapping() const
{
    return Printing() ? session_.Mapping(ScaleX(), ScaleY()) : TBaseReport::Mapping();
}

} // namespace output
