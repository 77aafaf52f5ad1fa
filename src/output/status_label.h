#pragma once

#include "output/base_report.h"

class QLabel;

namespace output {

// A status sink that shows the status text in a label. Status texts break
// lines with carriage returns; the label gets them as line breaks. The sink
// does nothing once the label is gone.
TBaseReport::TStatusSink StatusToLabel(QLabel* label);

} // namespace output
