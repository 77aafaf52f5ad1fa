#include "store/supplied_tables.h"

#include "store/cp1252.h"
#include "store/dataset_names.h"
#include "store/path_lookup.h"
#include "store/supplied_tables_csv.h"
#include "xbase/apollo.h"
#include "xbase/dbf/field_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quorvel {

namespace {

QString csvNameOf(TSystemTable table)
{
    return table == TSystemTable::stCsz ? QStringLiteral("csz.csv") : QStringLiteral("lbltpl.csv");
}

TTableResult failed(const QString& tablePath, const QString& why)
{
    return TTableResult::failure({QStringLiteral("Unable to build ") + QFileInfo(tablePath).fileName()}, why);
}

bool createEmpty(xbase::TApollo& engine, const QString& path, TSystemTable table)
{
    const std::vector<TFieldDef> fields = systemTableFields(table);
    if (!engine.sx_CreateNew(enginePath(path), static_cast<int>(fields.size())))
        return false;
    for (const TFieldDef& f : fields) {
        if (!engine.sx_CreateField(engineName(f.name), f.type, f.width, f.decimals))
            return false;
    }
    return engine.sx_CreateExec();
}

// The rows as whole records in the table's layout, or the first problem.
std::optional<QString> encodeRows(const TCsvTable& csv, xbase::WorkArea& area, std::string* records)
{
    const xbase::Schema& schema = area.schema();
    const int length = area.table().recordLength();
    records->assign(static_cast<std::size_t>(length) * csv.rows.size(), ' ');
    auto* base = reinterpret_cast<unsigned char*>(records->data());
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        unsigned char* rec = base + r * static_cast<std::size_t>(length);
        area.table().blankRecord(rec);
        for (qsizetype c = 0; c < csv.header.size(); ++c) {
            const int field = xbase::findField(schema, engineName(csv.header[c]));
            if (field < 0)
                return QStringLiteral("the table has no column ") + csv.header[c];
            const TCp1252Encoding text = toCp1252(csv.rows[r].values[c]);
            if (!text.ok())
                return csvLineText(csv.rows[r].line) + text.message;
            const xbase::Status s = xbase::putFieldText(rec, schema[static_cast<std::size_t>(field)], text.bytes.toStdString());
            if (!s)
                return csvLineText(csv.rows[r].line) + csv.header[c] + QStringLiteral(": ") + QString::fromStdString(s.message());
        }
    }
    return std::nullopt;
}

std::optional<QString> fillTable(xbase::TApollo& engine, TSystemTable table, const TCsvTable& csv)
{
    xbase::WorkArea& area = *engine.workArea();
    std::string records;
    if (std::optional<QString> problem = encodeRows(csv, area, &records))
        return problem;
    const xbase::Status s = area.appendRecords(reinterpret_cast<const unsigned char*>(records.data()), csv.rows.size());
    if (!s)
        return QString::fromStdString(s.message());
    const TSystemTableInfo& info = systemTableInfo(table);
    if (engine.sx_IndexTag(engineName(info.tagName), engineName(info.tagExpression)) == 0)
        return QString::fromStdString(engine.sx_LastError().message());
    return std::nullopt;
}

// Moves the finished table and its index from the work folder into place.
bool putInPlace(const QString& builtTable, const QString& tablePath)
{
    const QFileInfo built(builtTable);
    const QFileInfo target(tablePath);
    const QString builtIndex = built.absolutePath() + u'/' + built.completeBaseName() + QStringLiteral(".CDX");
    const QString targetIndex = target.absolutePath() + u'/' + target.completeBaseName() + QStringLiteral(".CDX");
    QFile::remove(targetIndex);
    return QFile::rename(builtIndex, targetIndex) && QFile::rename(builtTable, tablePath);
}

} // namespace

TTableResult BuildTableFromCsv(TSystemTable table, const QString& csvPath, const QString& tablePath)
{
    TCsvTable csv;
    if (std::optional<QString> problem = readCsvTable(csvPath, &csv))
        return failed(tablePath, *problem);
    QTemporaryDir work(QFileInfo(tablePath).absolutePath() + QStringLiteral("/.building-XXXXXX"));
    if (!work.isValid())
        return failed(tablePath, work.errorString());
    const QString builtTable = work.path() + u'/' + QFileInfo(tablePath).fileName();
    xbase::TApollo engine;
    if (!createEmpty(engine, builtTable, table))
        return failed(tablePath, QString::fromStdString(engine.sx_LastError().message()));
    const std::optional<QString> problem = fillTable(engine, table, csv);
    engine.sx_Close();
    if (problem)
        return failed(tablePath, csvPath + QStringLiteral(": ") + *problem);
    if (!putInPlace(builtTable, tablePath))
        return failed(tablePath, QStringLiteral("cannot move the new table into ") + QFileInfo(tablePath).absolutePath());
    return TTableResult::success();
}

TTableResult BuildMissingSuppliedTables(const QString& sysdataFolder, const QString& suppliedFolder)
{
    TTableResult result = TTableResult::success();
    for (const TSystemTable table : {TSystemTable::stLabelTemplates, TSystemTable::stCsz}) {
        const QString tablePath = resolvePathIgnoringCase(sysdataFolder, QString(systemTableInfo(table).fileName));
        if (QFileInfo::exists(tablePath))
            continue;
        QString csvPath = resolvePathIgnoringCase(suppliedFolder, csvNameOf(table));
        if (suppliedFolder.isEmpty() || !QFileInfo::exists(csvPath))
            csvPath = resolvePathIgnoringCase(sysdataFolder, csvNameOf(table));
        const TTableResult built = BuildTableFromCsv(table, csvPath, tablePath);
        if (!built) {
            result.ok = false;
            result.messages += built.messages;
            result.detail += (result.detail.isEmpty() ? QString() : QStringLiteral("\n")) + built.detail;
        }
    }
    return result;
}

} // namespace quorvel
