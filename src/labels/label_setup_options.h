#pragma once

#include "labels/label_run_options.h"

// The run options of the "Print Labels" screen and how they depend on
// each other. A presort is done once for a set of choices and reused by
// the runs that follow; any change of the choices makes it stale.
namespace labels {

class TLabelSetupOptions {
public:
    TRecordChoice What() const { return what_; }
    bool StartFromCurrent() const { return startFromCurrent_; }
    bool Presort() const { return presort_; }
    // One record is no bulk mailing: "Only current record" takes presort
    // away, and the other two choices offer it again.
    bool PresortAllowed() const { return what_ != rcOnlyCurrent; }
    bool PresortDone() const { return presortDone_; }

    void Choose(TRecordChoice what);
    void SetStartFromCurrent(bool start);
    void SetPresort(bool presort);
    void MarkPresortDone() { presortDone_ = true; }

private:
    TRecordChoice what_ = rcMatchingFilter;
    bool startFromCurrent_ = false;
    bool presort_ = false;
    bool presortDone_ = false;
};

} // namespace labels
