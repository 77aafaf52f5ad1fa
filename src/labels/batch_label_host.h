#pragma once

#include "labels/label_run.h"

#include <functional>

namespace labels {

// The part of a label run that has no window: the command line and the
// benchmarks. The job runs at once, with nothing to pump between records
// (there is no Stop button to press), and a preview's pages go to
// `onPreview` when one is set.
class TBatchLabelHost : public TLabelRunHost {
public:
    std::function<void(QIODevice& pages)> onPreview;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;
};

} // namespace labels
