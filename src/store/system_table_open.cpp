// The common open of the system tables.
#include "store/system_tables.h"

#include "store/dataset.h"
#include "store/dataset_names.h"
#include "store/path_lookup.h"
#include "xbase/apollo.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

namespace {

QString unableText(const TSystemTableInfo& info)
{
    if (info.table == TSystemTable::stLabelTemplates)
        return QStringLiteral("Unable to Open ") + QString(info.fileName);
    return QStringLiteral("Unable to Open or Create ") + QString(info.fileName);
}

QString engineReason(const xbase::TApollo& engine) { return QString::fromStdString(engine.sx_LastError().message()); }

bool createTable(xbase::TApollo& engine, const QString& path, const std::vector<TFieldDef>& fields)
{
    if (!engine.sx_CreateNew(enginePath(path), static_cast<int>(fields.size())))
        return false;
    for (const TFieldDef& field : fields) {
        if (!engine.sx_CreateField(engineName(field.name), field.type, field.width, field.decimals))
            return false;
    }
    const bool created = engine.sx_CreateExec();
    engine.sx_Close();
    return created;
}

// The index file beside the table, whatever the letter case of its name.
bool indexFileExists(const QString& tablePath)
{
    const QFileInfo table(tablePath);
    const QString index = table.completeBaseName() + QStringLiteral(".CDX");
    return QFileInfo::exists(resolvePathIgnoringCase(table.absolutePath(), index));
}

// A missing or unreadable index gets its one tag again, and an index file
// without that tag gets it added; one left behind by a session that never
// closed the table is built anew without a word, as the table is small.
// The table is usable without it, so a failure here is not the open's
// failure.
void repairIndex(const TSystemTableInfo& info, TDataset& dataset)
{
    xbase::TApollo& engine = dataset.engine();
    const xbase::WorkArea& area = *engine.workArea();
    const bool unreadable = !area.indexProblem().isOk() || area.indexesSuspect();
    const bool present = indexFileExists(dataset.filePath()) && engine.sx_TagArea(engineName(info.tagName)) != 0;
    if (present && !unreadable)
        return;
    if (unreadable)
        engine.sx_DeleteStructuralIndex();
    engine.sx_IndexTag(engineName(info.tagName), engineName(info.tagExpression));
    dataset.SetOrder(QString());
    dataset.First();
}

} // namespace

TTableResult OpenSystemTable(TSystemTable table, TDataset& dataset, const QString& sysdataFolder)
{
    const TSystemTableInfo& info = systemTableInfo(table);
    dataset.Close();
    const QString path = resolvePathIgnoringCase(sysdataFolder, QString(info.fileName));
    const QFileInfo file(path);
    dataset.setDatabaseName(file.absolutePath());
    dataset.setTableName(file.fileName());
    dataset.setIndexName(QString());
    if (!file.exists()) {
        if (!info.createdWhenMissing)
            return TTableResult::failure({unableText(info)}, path + QStringLiteral(" does not exist"));
        QDir().mkpath(file.absolutePath());
        if (!createTable(dataset.engine(), path, systemTableFields(table)))
            return TTableResult::failure({unableText(info)}, engineReason(dataset.engine()));
    }
    if (!dataset.Open())
        return TTableResult::failure({unableText(info)}, dataset.lastError());
    repairIndex(info, dataset);
    return TTableResult::success();
}

} // namespace quorvel
