#include "labels/label_layout_table.h"

#include "labels/label_design_files.h"
#include "labels/label_layout.h"
#include "store/dataset.h"
#include "store/system_tables.h"

namespace labels {

namespace {

quorvel::TTableResult OpenInDescriptionOrder(quorvel::TSystemTable which, quorvel::TDataset& table,
                                             const QString& sysdataFolder)
{
    quorvel::TTableResult opened = quorvel::OpenSystemTable(which, table, sysdataFolder);
    if (!opened)
        return opened;
    // Without its tag the table is still usable, in record order.
    table.SetOrder(QString(quorvel::systemTableInfo(which).tagName));
    table.First();
    return opened;
}

TRowField CurrentRow(const quorvel::TDataset& table)
{
    return [&table](const QString& column) { return table.FieldAsString(column); };
}

} // namespace

quorvel::TTableResult OpenLabelLayoutTable(quorvel::TDataset& table, const QString& sysdataFolder)
{
    quorvel::TTableResult opened = OpenInDescriptionOrder(quorvel::TSystemTable::stLabel, table, sysdataFolder);
    if (opened && !table.SetQuery(QStringLiteral("not DELETED()")))
        return quorvel::TTableResult::failure({QStringLiteral("Unable to Open or Create LABEL.DBF")}, table.lastError());
    return opened;
}

void VisitRows(quorvel::TDataset& table, const std::function<bool()>& visit)
{
    for (bool more = table.First(); more; more = table.Next())
        if (!visit())
            return;
}

quorvel::TTableResult ReserveLayoutDesignName(quorvel::TDataset& table, const QString& sysdataFolder, QString* name)
{
    QSet<QString> named;
    const std::uint32_t current = table.GetBookmark();
    VisitRows(table, [&] {
        named.insert(table.FieldAsString(u"BINARY").trimmed().toUpper());
        return true;
    });
    if (current != 0)
        table.GotoBookmark(current);
    return ReserveLabelDesignName(sysdataFolder, name, named);
}

bool FindLabelLayout(quorvel::TDataset& table, const QString& name)
{
    // The table keeps names as the program cuts them, without trailing blanks.
    QString wanted = KeptDescription(name);
    while (wanted.endsWith(u' '))
        wanted.chop(1);
    bool found = false;
    VisitRows(table, [&] {
        found = table.FieldAsString(u"DESCRIPT").compare(wanted, Qt::CaseInsensitive) == 0;
        return !found;
    });
    return found;
}

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

