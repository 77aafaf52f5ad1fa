#include "store/address_file.h"

#include "store/address_layout.h"
#include "store/dataset.h"
#include "store/dataset_names.h"
#include "store/field_lengths.h"
#include "store/path_lookup.h"
#include "xbase/apollo.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

namespace {

QString engineReason(const xbase::TApollo& engine) { return QString::fromStdString(engine.sx_LastError().message()); }

// The file as it exists, found without regard to letter case; the path as
// given when nothing matches.
QString existingPath(const QString& path)
{
    if (QFileInfo::exists(path) || !QFileInfo(path).isAbsolute())
        return path;
    return resolvePathIgnoringCase(QStringLiteral("/"), path);
}

bool defineAddressFields(xbase::TApollo& engine, const QString& path, const TNewFileFieldLengths& lengths)
{
    const std::vector<TFieldDef> fields = addressStoredFieldDefs(lengths);
    if (!engine.sx_CreateNew(enginePath(path), static_cast<int>(fields.size())))
        return false;
    for (const TFieldDef& field : fields) {
        if (!engine.sx_CreateField(engineName(field.name), field.type, field.width, 0))
            return false;
    }
    return true;
}

TTableResult creationFailed(QString why)
{
    return TTableResult::failure({QStringLiteral("File creation failed")}, std::move(why));
}

} // namespace

TTableResult CreateAddressFile(const QString& path, TDataset& dataset, const TNewFileFieldLengths& lengths)
{
    dataset.Close();
    xbase::TApollo& engine = dataset.engine();
    if (QFileInfo::exists(existingPath(path)))
        return TTableResult::failure({QStringLiteral("Create failed")}, path + QStringLiteral(" already exists"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!defineAddressFields(engine, path, lengths))
        return TTableResult::failure({QStringLiteral("Create failed")}, engineReason(engine));
    if (!engine.sx_CreateExec() || !QFileInfo::exists(path))
        return creationFailed(engineReason(engine));
    engine.sx_Close();
    const TTableResult opened = OpenTableFile(path, dataset);
    if (!opened)
        return creationFailed(opened.detail);
    TTableResult indexed = BuildAddressIndexes(dataset);
    dataset.Close();
    if (!indexed) {
        indexed.messages = {QStringLiteral("Unable to create index files"), QStringLiteral("File creation failed")};
        return indexed;
    }
    return TTableResult::success();
}

TTableResult BuildAddressIndexes(TDataset& dataset)
{
    xbase::TApollo& engine = dataset.engine();
    if (!dataset.Active() || dataset.isEditing())
        return TTableResult::failure({QStringLiteral("Unable to create index files")},
                                     QStringLiteral("the file must be open and not being edited"));
    const bool hasIndexFile = !engine.sx_IndexName().empty() || !engine.workArea()->indexProblem().isOk();
    if (hasIndexFile && !engine.sx_DeleteStructuralIndex())
        return TTableResult::failure({QStringLiteral("Unable to create index files")}, engineReason(engine));
    for (const TAddressTag& tag : addressTags()) {
        if (engine.sx_IndexTag(engineName(tag.name), engineName(tag.keyExpression)) == 0)
            return TTableResult::failure({QStringLiteral("Unable to create index files")}, engineReason(engine));
    }
    dataset.SetOrder(QString());
    dataset.First();
    return TTableResult::success();
}

TTableResult OpenTableFile(const QString& path, TDataset& dataset)
{
    dataset.Close();
    const QString found = existingPath(path);
    const QFileInfo file(found);
    if (!file.isFile())
        return TTableResult::failure({QStringLiteral("File ") + path + QStringLiteral(" not found")},
                                     path + QStringLiteral(" does not exist"));
    dataset.setDatabaseName(file.absolutePath());
    dataset.setTableName(file.fileName());
    dataset.setIndexName(QString());
    if (!dataset.Open())
        return TTableResult::failure({}, dataset.lastError());
    return TTableResult::success();
}

TAddressOpenResult OpenQVWFile(const QString& path, TDataset& dataset)
{
    TAddressOpenResult result;
    static_cast<TTableResult&>(result) = OpenTableFile(path, dataset);
    if (result.ok) {
        result.indexValid = CheckValidIndex(dataset);
        result.notClosedProperly = dataset.engine().workArea()->indexesSuspect();
    }
    return result;
}

bool CheckValidIndex(TDataset& dataset)
{
    if (!dataset.Active() || dataset.engine().workArea()->indexesSuspect())
        return false;
    for (const QLatin1String& tag : addressTagCheckOrder()) {
        if (dataset.engine().sx_TagArea(engineName(tag)) == 0)
            return false;
    }
    return true;
}

QString GetDatabasePath(const TDataset& dataset) { return dataset.databaseName(); }

} // namespace quorvel
