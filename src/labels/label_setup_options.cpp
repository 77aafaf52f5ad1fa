#include "labels/label_setup_options.h"

namespace labels {

void TLabelSetupOptions::Choose(TRecordChoice what)
{
    what_ = what;
    if (!PresortAllowed())
        presort_ = false;
    presortDone_ = false;
}

void TLabelSetupOptions::SetStartFromCurrent(bool start)
{
    startFromCurrent_ = start;
    presortDone_ = false;
}

void TLabelSetupOptions::SetPresort(bool presort)
{
    presort_ = presort && PresortAllowed();
    presortDone_ = false;
}

} // namespace labels
