#include "reports/windows/report_run_window_host.h"

#include "output/preview_form.h"

namespace reports {

TReportRunWindowHost::TReportRunWindowHost(
    QWidget* parent, labels::TPrintJobWindowHost::TPreparePreview preparePreview)
    : jobWindows_(parent, QStringLiteral("Preview Report"), output::TPreviewForm::zmPageWidth, std::move(preparePreview))
{
}

} // namespace reports
