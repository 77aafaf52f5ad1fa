#include "labels/label_codes.h"

#include <array>

namespace labels {

namespace {

using L = QLatin1String;
using design::TLabelShapeType;

const std::array<TPaperEntry, 7> kPapers = {{
    {L("LTR"), L("Letter (8.5 x 11\")"), 8.5, 11.0, false},
    {L("LTRL"), L("Letter Landscape (11 x 8.5\")"), 11.0, 8.5, true},
    {L("A4"), L("A4 (210 x 297mm)"), 8.27, 11.69, false},
    {L("A4L"), L("A4 Landscape ( 297 x 210mm)"), 11.69, 8.27, true},
    {L("A5"), L("A5 (148 x 210mm)"), 5.82, 8.27, false},
    {L("USERP"), L("Other Portrait (User Defined)"), std::nullopt, std::nullopt, false},
    {L("USERL"), L("Other Landscape (User Defined)"), std::nullopt, std::nullopt, true},
}};

const std::array<TShapeEntry, 3> kShapes = {{
    {L("RR"), L("Rectangular with Rounded Edges"), TLabelShapeType::lsRoundRect},
    {L("SR"), L("Rectangular"), TLabelShapeType::lsRectangle},
    {L("EL"), L("Round"), TLabelShapeType::lsEllipse},
}};

const std::array<TPrinterKind, 4> kPrinters = {{
    {L("LJ"), L("laser printer")},
    {L("IJ"), L("inkjet printer")},
    {L("DM"), L("dot-matrix printer")},
    {L("LP"), L("label printer")},
}};

const std::array<TManufacturerEntry, 4> kManufacturers = {{
    {L("Avery Laserjet"), L("AVERY"), L("LJ")},
    {L("Avery Inkjet"), L("AVERY"), L("IJ")},
    {L("Avery Dot Matrix"), L("AVERY"), L("DM")},
    {L("Costar LabelPrinter"), L("COSTAR"), L("LP")},
}};

const std::array<QLatin1String, 7> kProductTypes = {{
    L("Address/Shipping Labels"),
    L("Card Products"),
    L("Diskette Labels"),
    L("File Folder Labels"),
    L("Index Products"),
    L("Miscellaneous"),
    L("All"),
}};

template <typename Entry, std::size_t N>
const Entry* FindByCode(const std::array<Entry, N>& entries, QStringView code)
{
    for (const Entry& entry : entries)
        if (code == entry.code)
            return &entry;
    return nullptr;
}

} // namespace

std::span<const TPaperEntry> PaperEntries() { return kPapers; }

const TPaperEntry* FindPaper(QStringView code) { return FindByCode(kPapers, code); }

std::span<const TShapeEntry> ShapeEntries() { return kShapes; }

const TShapeEntry* FindShape(QStringView code) { return FindByCode(kShapes, code); }

int ShapeListIndex(QStringView code)
{
    if (code == kShapes[0].code)
        return 0;
    return code == kShapes[1].code ? 1 : 2;
}

std::span<const TPrinterKind> PrinterKinds() { return kPrinters; }

std::span<const TManufacturerEntry> ManufacturerEntries() { return kManufacturers; }

std::span<const QLatin1String> ProductTypeEntries() { return kProductTypes; }

int AllProductTypesIndex() { return static_cast<int>(kProductTypes.size()) - 1; }

} // namespace labels
