#pragma once

#include "reports/report_run.h"

#include <functional>

namespace reports {

// The part of a report run that has no window: the command line and the
// benchmarks. The job runs at once with nobody to press Stop; a preview's
// pages go to `onPreview`.
class TBatchReportHost : public TReportRunHost {
public:
    std::function<void(QIODevice& pages)> onPreview;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;
};

} // namespace reports
