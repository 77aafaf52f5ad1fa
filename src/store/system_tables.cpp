#include "store/system_tables.h"

#include "store/dataset.h"
#include "store/dataset_names.h"
#include "store/path_lookup.h"
#include "xbase/apollo.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace quorvel {

namespace {

using L = QLatin1String;
using T = TSystemTable;

const std::array<TSystemTableInfo, 6> kTables = {{
    {T::stLetter, L("LETTER.DBF"), L("DESCRIPT"), L("UPPER(descript)"), true},
    {T::stReport, L("REPORT.DBF"), L("DESCRIPT"), L("UPPER(descript)"), true},
    {T::stEnvelope, L("ENVELOPE.DBF"), L("DESCRIPT"), L("UPPER(descript)"), true},
    {T::stLabel, L("LABEL.DBF"), L("DESCRIPT"), L("UPPER(descript)"), true},
    {T::stLabelTemplates, L("LBLTPL.DBF"), L("DESCRIPT"), L("UPPER(descript)"), false},
    {T::stCsz, L("CSZ.DBF"), L("STATE"), L("UPPER(state)"), false},
}};

TFieldDef c(const char* name, int width, const char* label = "") { return {QString::fromLatin1(name), 'C', width, QString::fromLatin1(label)}; }
TFieldDef n(const char* name, int width, int decimals = 0) { return {QString::fromLatin1(name), 'N', width, {}, decimals}; }

// Lengths in inches N(6,3), counts N(2,0): a template's values are copied
// into a label layout, so both tables share these widths.
std::vector<TFieldDef> sheetGeometry()
{
    return {n("LBLHEIGHT", 6, 3), n("LBLWIDTH", 6, 3), n("NBRACROSS", 2), n("NBRDOWN", 2), n("TOPMARG", 6, 3),
            n("LEFTMARG", 6, 3), n("HORIZPITCH", 6, 3), n("VERTPITCH", 6, 3), n("SHEETWIDTH", 6, 3),
            n("SHEETDEPTH", 6, 3)};
}

std::vector<TFieldDef> labelTemplateFields()
{
    std::vector<TFieldDef> fields{c("DESCRIPT", 60, "Description")};
    for (const TFieldDef& f : sheetGeometry())
        fields.push_back(f);
    for (const TFieldDef& f : {c("PRINTER", 2), c("PAPERSIZE", 5), c("LBLSHAPE", 2), c("MANUFAC", 10),
                               c("PRODTYPE", 25), n("MIDEXTRAX", 6, 3), n("MIDEXTRAY", 6, 3), c("ART", 12)})
        fields.push_back(f);
    return fields;
}

std::vector<TFieldDef> labelLayoutFields()
{
    std::vector<TFieldDef> fields{c("DESCRIPT", 60, "Description"), c("PRINTER", 2)};
    for (const TFieldDef& f : sheetGeometry())
        fields.push_back(f);
    for (const TFieldDef& f : {c("PAPERSIZE", 5), c("LBLSHAPE", 2), c("TPLDESCRIP", 60), c("MANUFAC", 10),
                               c("PRODTYPE", 25), n("MIDEXTRAX", 6, 3), n("MIDEXTRAY", 6, 3), c("ART", 12),
                               TFieldDef{QStringLiteral("DELETED"), 'L', 1, {}}, c("BINARY", 12)})
        fields.push_back(f);
    return fields;
}

} // namespace

std::span<const TSystemTableInfo> systemTables() { return kTables; }

const TSystemTableInfo& systemTableInfo(TSystemTable table) { return kTables[static_cast<std::size_t>(table)]; }

std::vector<TFieldDef> systemTableFields(TSystemTable table)
{
    switch (table) {
    case T::stLetter:
        return {c("DESCRIPT", 50, "Letter Description"), TFieldDef{QStringLiteral("RTF"), 'M', 10, {}}};
    case T::stReport:
        return {c("DESCRIPT", 60, "Description"), c("LAYOUT", 60), c("BINARY", 12)};
    case T::stEnvelope:
        return {c("DESCRIPT", 60, "Description"), n("NUMBER", 5), c("BINARY", 12)};
    case T::stLabel:
        return labelLayoutFields();
    case T::stLabelTemplates:
        return labelTemplateFields();
    case T::stCsz:
        return {c("NAME", 20, "State or Province"), c("STATE", 4, "Abbreviation"), c("LOW_ZIP", 10, "Starting Zip/Post"),
                c("HIGH_ZIP", 10, "Ending Zip/Post")};
    }
    return {};
}

const TSystemTableInfo* findSystemTable(QStringView fileName)
{
    for (const TSystemTableInfo& info : kTables) {
        if (fileName.compare(info.fileName, Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

} // namespace quorvel
