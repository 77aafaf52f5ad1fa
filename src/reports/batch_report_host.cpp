#include "reports/batch_report_host.h"

namespace reports {

void TBatchReportHost::RunStatus(output::TPrintStatus& status)
{
    // There is no Stop button to press between records.
    status.SetEventPump([] {});
    status.Run();
}

void TBatchReportHost::ShowPreview(QIODevice& pages)
{
    if (onPreview)
        onPreview(pages);
}

} // namespace reports
