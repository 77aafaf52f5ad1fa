#pragma once

#include "labels/windows/print_job_window_host.h"

namespace labels {

// The windows of a label run started from "Print Labels": the job runs in
// the print status window, a preview's pages open in "Preview Labels" at
// page width, and a presort shows "Bulk Mail Presorting".
class TLabelRunWindowHost : public TPrintJobWindowHost {
public:
    TLabelRunWindowHost(QWidget* parent, TPreparePreview preparePreview, bool presortDone);

    // Shows "Bulk Mail Presorting" unless the screen's presort is done for
    // these choices (the list written then is used again); a completed
    // presort is done for them from now on.
    TPresortResult RunPresort(quorvel::TDataset& addresses, const QString& presortFile) override;
    bool PresortDone() const { return presortDone_; }

private:
    bool presortDone_;
};

} // namespace labels
