#include "labels/label_layout_table.h"

#include "store/dataset.h"
#include "store/system_tables.h"

namespace labels {

namespace {

TRowField CurrentRow(const quorvel::TDataset& table)
{
    return [&table](const QString& column) { return table.FieldAsString(column); };
}

} // namespace

quorvel::TTableResult OpenLabelLayoutTable(quorvel::TDataset& table, const QString& sysdataFolder)
{
    return OpenLayoutTable(LabelLayoutKind(), table, sysdataFolder);
}

quorvel::TTableResult ReserveLayoutDesignName(quorvel::TDataset& table, const QString& sysdataFolder, QString* name)
{
    return ReserveRowDesignName(LabelLayoutKind(), table, sysdataFolder, name);
}

bool FindLabelLayout(quorvel::TDataset& table, const QString& name) { return FindLayoutNamed(table, name); }

TLayoutRead ReadCurrentLayout(const quorvel::TDataset& table)
{
    return ReadLayoutRow(CurrentRow(table));
}

quorvel::TTableResult OpenLabelTemplateTable(quorvel::TDataset& table, const QString& sysdataFolder)
{
    return OpenInDescriptionOrder(quorvel::TSystemTable::stLabelTemplates, table, sysdataFolder);
}

bool FindLabelTemplate(quorvel::TDataset& table, const QString& description)
{
    const QString wanted = description.simplified();
    bool found = false;
    VisitRows(table, [&] {
        found = table.FieldAsString(u"DESCRIPT").simplified().compare(wanted, Qt::CaseInsensitive) == 0;
        return !found;
    });
    return found;
}

TStockRead ReadCurrentTemplate(const quorvel::TDataset& table)
{
    return ReadTemplateRow(CurrentRow(table));
}

} // namespace labels

