#include "labels/batch_label_host.h"

namespace labels {

void TBatchLabelHost::RunStatus(output::TPrintStatus& status)
{
    status.SetEventPump([] {});
    status.Run();
}

void TBatchLabelHost::ShowPreview(QIODevice& pages)
{
    if (onPreview)
        onPreview(pages);
}

} // namespace labels
