#pragma once

#include "labels/label_geometry.h"

#include <QString>

namespace labels {

// A sheet geometry together with where it came from: what a catalogue row
// hands a layout and what a layout row keeps of its stock.
struct TLabelStock {
    TLabelGeometry geometry;
    QString templateDescription; // TPLDESCRIP: the catalogue row's DESCRIPT; empty when typed by hand
    QString printer;             // PRINTER: printer kind code
    QString manufacturer;        // MANUFAC: "USER" when typed by hand
    QString productType;         // PRODTYPE
    QString art;                 // ART: the stock picture's name, empty for none

    bool IsUserDefined() const;
};

// What a geometry typed into the user-defined layout dialog makes of a
// layout's stock: the ten lengths and counts, paper and shape as typed, no
// middle gaps, no template, printer, product type or picture, maker "USER".
TLabelStock UserDefinedStock(const TLabelGeometry& entered);

// The design screen's layout caption: "User Defined Label Layout" for a
// hand-entered geometry, else the template's description.
QString LayoutCaption(const TLabelStock& stock);

// The layout list's "Sheet Name": the template's description, or
// "[User Defined]" when there is none.
QString SheetName(const TLabelStock& stock);

} // namespace labels
