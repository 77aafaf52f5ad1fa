#include "labels/windows/label_design_panel.h"

namespace labels {

void TLabelDesignPanel::AdoptObjects()
{
    HookAllObjects();
    RefreshData();
    update();
}

} // namespace labels
