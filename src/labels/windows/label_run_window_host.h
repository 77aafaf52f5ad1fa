#pragma once

#include "labels/label_run.h"

#include <functional>

class QWidget;

namespace output {
class TPreviewForm;
}

namespace labels {

// The windows of a label run started from "Print Labels": the job runs in
// the print status window, a preview's pages open in "Preview Labels" at
// page width.
class TLabelRunWindowHost : public TLabelRunHost {
public:
    using TPreparePreview = std::function<void(output::TPreviewForm&)>;

    TLabelRunWindowHost(QWidget* parent, TPreparePreview preparePreview, bool presortDone)
        : parent_(parent)
        , preparePreview_(std::move(preparePreview))
        , presortDone_(presortDone)
    {
    }

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;
    // Shows "Bulk Mail Presorting" unless the screen's presort is done for
    // these choices (the list written then is used again); a completed
    // presort is done for them from now on.
    TPresortResult RunPresort(quorvel::TDataset& addresses, const QString& presortFile) override;
    bool PresortDone() const { return presortDone_; }

private:
    QWidget* parent_;
    TPreparePreview preparePreview_;
    bool presortDone_;
};

} // namespace labels
