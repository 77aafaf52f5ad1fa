#include "labels/windows/print_job_window_host.h"

#include "output/preview_form.h"
#include "output/print_status_window.h"

namespace labels {

void TPrintJobWindowHost::RunStatus(output::TPrintStatus& status)
{
    output::TPrintStatusWindow window(status, parent_);
    window.exec();
}

void TPrintJobWindowHost::ShowPreview(QIODevice& pages)
{
    output::TPreviewForm form(&pages, parent_);
    form.setWindowTitle(previewTitle_);
    form.SetInitialZoom(previewZoom_);
    if (preparePreview_)
        preparePreview_(form);
    form.exec();
}

} // namespace labels
