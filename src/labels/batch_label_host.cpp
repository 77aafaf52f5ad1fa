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

TPresortResult TBatchLabelHost::RunPresort(quorvel::TDataset& addresses, const QString& presortFile)
{
    TSilentPresortProgress silent;
    lastPresort_ = RunBulkMailPresort(addresses, presortFile, presortProgress ? *presortProgress : silent);
    return lastPresort_;
}

} // namespace labels
