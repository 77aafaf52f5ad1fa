#pragma once

#include "design/panels/panel_label.h"

namespace labels {

// The label surface of the design screen. Designs are read and new
// address blocks placed by the label logic straight into the surface's
// objects; the screen then hands them to the surface here, so that they
// take its zoom and its record like objects drawn with a tool.
class TLabelDesignPanel : public design::TGLabelPanel {
    Q_OBJECT

public:
    using design::TGLabelPanel::TGLabelPanel;

    void AdoptObjects();
};

} // namespace labels
