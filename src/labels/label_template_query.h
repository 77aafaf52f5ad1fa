#pragma once

#include "labels/label_stock.h"

#include <QString>
#include <QStringList>

// How the "Select Label Template" dialog narrows the stock catalogue: the
// filter its three choices make, and where its lists and grid start.
namespace labels {

// The catalogue filter for a manufacturer list entry (its text), a product
// type list row and the "European paper sizes only" box. Each clause keeps a
// blank on either side and the clauses are joined by " and ", so that
// "Avery Laserjet" with "Address/Shipping Labels" reads
//   ` UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="ADDRESS/SHIPPING LABELS" `.
// "All" adds no product clause. The European test is a substring test, so
// landscape A4 ("A4L") passes it.
QString BuildLabelQuery(const QString& manufacturerEntry, int productTypeIndex, bool europeanPaperOnly);

// Where the dialog's lists start for the layout's stock.
struct TLabelComboPosition {
    int manufacturerIndex = 0;
    int productTypeIndex = 0;
    // False when the dialog starts from the defaults: the grid then stays
    // on its first row instead of looking for the layout's template.
    bool findTemplateRow = false;
};

// A hand-entered geometry, or `startFromDefaults`, starts on "Avery
// Laserjet" / "Address/Shipping Labels". Otherwise the maker and printer
// kind choose the manufacturer entry (an unknown maker "Avery Laserjet")
// and the product type its entry (an unknown one "All").
TLabelComboPosition PositionLabelCombos(const TLabelStock& current, bool startFromDefaults);

// The row of the filtered catalogue (its descriptions in grid order) that
// the grid starts on: the first, or with `findTemplateRow` the row whose
// description equals the template's exactly. When no row does, the last
// row stays current: a row past the end would be a blank that Ok could
// copy. -1 when the filter leaves no row.
int TemplateRowToShow(const QStringList& descriptions, const QString& templateDescription, bool findTemplateRow);

} // namespace labels
