#pragma once

#include "output/canvas_report.h"

namespace output {

// Prints a job on the selected printer (or into a PDF file).
class TReportPrinter : public TCanvasReport {};

} // namespace output
