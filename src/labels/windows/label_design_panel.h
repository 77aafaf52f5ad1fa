#pragma once

#include "design/panels/panel_label.h"

namespace labels {

// The label surface of the design screen. Designs are read and new
// address blocks placed by the label logic straight into the surface's
// objects; the screen then hands them to the surface with AdoptObjects.
class TLabelDesignPanel : public design::TGLabelPanel {
public:
    using design::TGLabelPanel::TGLabelPanel;
};

} // namespace labels
