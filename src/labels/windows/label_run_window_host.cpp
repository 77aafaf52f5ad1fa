#include "labels/windows/label_run_window_host.h"

#include "output/preview_form.h"
#include "output/print_status_window.h"

namespace labels {

void TLabelRunWindowHost::RunStatus(output::TPrintStatus& status)
{
    output::TPrintStatusWindow window(status, parent_);
    window.exec();
}

void TLabelRunWindowHost::ShowPreview(QIODevice& pages)
{
    output::TPreviewForm form(&pages, parent_);
    form.setWindowTitle(QStringLiteral("Preview Labels"));
    form.SetInitialZoom(output::TPreviewForm::zmPageWidth);
    if (preparePreview_)
        preparePreview_(form);
    form.exec();
}

bool TLabelRunWindowHost::RunPresort()
{
    presortDone_ = true;
    return true;
}

} // namespace labels
