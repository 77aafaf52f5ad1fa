#pragma once

#include "labels/label_run.h"

#include <functional>

namespace labels {

// The part of a label run that has no window: the command line and the
// benchmarks. The job runs at once, with nothing to pump between records
// (there is no Stop button to press), and a preview's pages go to
// `onPreview` when one is set. A presorted run presorts first, showing its
// progress to `presortProgress` when one is set; a list that cannot be
// written ends the run with the presort's message as the run's.
class TBatchLabelHost : public TLabelRunHost {
public:
    std::function<void(QIODevice& pages)> onPreview;
    TPresortProgress* presortProgress = nullptr;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;
    TPresortResult RunPresort(quorvel::TDataset& addresses, const QString& presortFile) override;

    // The presort of the last presorted run (its list and tally included).
    const TPresortResult& LastPresort() const { return lastPresort_; }

private:
    TPresortResult lastPresort_;
};

} // namespace labels
