#pragma once

#include "labels/label_stock.h"

#include <QString>

namespace labels {

// The program keeps at most this many characters of a layout's name,
// although the column holds 60.
inline constexpr int kMaxDescriptionLength = 50;

// One label layout: a named design on a sheet of stock, a row of LABEL.DBF.
struct TLabelLayout {
    QString description; // DESCRIPT
    TLabelStock stock;
    QString designFile; // BINARY: the design file's name in the sysdata folder
};

// What New starts from: "<New Label>" on Avery 5160 letter sheets.
TLabelLayout NewLabelLayout();
// What the layout screen shows while the table is empty.
TLabelLayout DefaultLabelSetup();

// A name as the program keeps it: its first 50 characters.
QString KeptDescription(const QString& description);

} // namespace labels
