#pragma once

#include "labels/label_geometry.h"

#include <QString>

namespace output {
class TPrintStatus;
}

namespace labels {

// The paper a sheet needs, as the run asks the printer for it.
struct TLabelPaper {
    bool landscape = false;
    // The sheet as it lies in the printer, portrait: in landscape the
    // sheet's depth is its width. Two decimals, as they are compared.
    double width = 8.5;
    double height = 11.0;
    // 1 letter, 9 A4, 11 A5, 0 a custom size, -1 leave the printer's paper.
    int paperCode = 1;
};

// Letter for "LTR" and "LTRL", A4 for "A4" and "A4L", A5 for "A5", a
// custom size for "USERP" and "USERL"; landscape for the codes ending in L.
TLabelPaper LabelPaperFor(const TLabelGeometry& geometry);

// "Unable to confirm that the paper size was set to ..." for the paper.
QString PaperQuestion(const TLabelPaper& paper);

// Puts the sheet's paper and orientation on the job's printer (both of the
// status's components) and reads them back. When the printer reports
// another size (more than 0.05 inch off either way), or cannot take a
// custom size at all, the user is asked whether to print anyway; false
// when they answered No.
bool PrepareLabelPaper(output::TPrintStatus& status, const TLabelGeometry& geometry);

} // namespace labels
