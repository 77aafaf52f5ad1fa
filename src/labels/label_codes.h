#pragma once

#include "design/surface/surface_types.h"

#include <QLatin1String>
#include <QString>

#include <optional>
#include <span>

// The codes a sheet geometry and a stock carry, with the texts the label
// dialogs list them under. Kept as tables so that the dialogs, the stock
// search and the command line agree on one spelling of each.
namespace labels {

// A paper code (PAPERSIZE) and its entry in the paper size list. The preset
// is the sheet size in inches that choosing the entry fills in; the two
// "Other" entries have none.
struct TPaperEntry {
    QLatin1String code;
    QLatin1String listEntry;
    std::optional<double> presetWidth;
    std::optional<double> presetHeight;
    bool landscape;
};

// In the order of the paper size list.
std::span<const TPaperEntry> PaperEntries();
// The entry of a code (compared exactly, as stored); null for an unknown one.
const TPaperEntry* FindPaper(QStringView code);

// An outline code (LBLSHAPE), its list entry and the surface's shape.
struct TShapeEntry {
    QLatin1String code;
    QLatin1String listEntry;
    design::TLabelShapeType shape;
};

// In the order of the label shape list: "RR", "SR", "EL".
std::span<const TShapeEntry> ShapeEntries();
const TShapeEntry* FindShape(QStringView code);
// The list row preselected for a code: "RR" 0, "SR" 1, anything else 2.
int ShapeListIndex(QStringView code);

// A printer kind code (PRINTER) and what it stands for.
struct TPrinterKind {
    QLatin1String code;
    QLatin1String name;
};
std::span<const TPrinterKind> PrinterKinds();

// An entry of the template dialog's manufacturer list: the entry stands for
// a maker and a printer kind.
struct TManufacturerEntry {
    QLatin1String listEntry;
    QLatin1String manufacturer;
    QLatin1String printer;
};
std::span<const TManufacturerEntry> ManufacturerEntries();

// The template dialog's product type list; the last entry, "All", filters
// nothing.
std::span<const QLatin1String> ProductTypeEntries();
int AllProductTypesIndex();

} // namespace labels
