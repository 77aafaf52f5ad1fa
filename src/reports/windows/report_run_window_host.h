#pragma once

#include "labels/windows/print_job_window_host.h"
#include "reports/report_run.h"

namespace reports {

// The windows of a report run started from "Print Report": the job runs in
// the print status window, and a preview's pages open in "Preview Report"
// at page width, the way a list is read.
class TReportRunWindowHost : public TReportRunHost {
public:
    TReportRunWindowHost(QWidget* parent, labels::TPrintJobWindowHost::TPreparePreview preparePreview);

    void RunStatus(output::TPrintStatus& status) override { jobWindows_.RunStatus(status); }
    void ShowPreview(QIODevice& pages) override { jobWindows_.ShowPreview(pages); }

private:
    labels::TPrintJobWindowHost jobWindows_;
};

} // namespace reports
