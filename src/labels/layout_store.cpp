#include "labels/layout_store.h"

#include "design/file/design_file_name.h"
#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "labels/label_layout.h"
#include "store/dataset.h"
#include "store/path_lookup.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace labels {

namespace {

using quorvel::TDataset;
using quorvel::TTableResult;

TTableResult NotSaved(const TLayoutKind& kind, const QString& reason)
{
    return TTableResult::failure({QStringLiteral("The ") + kind.noun + QStringLiteral(" could not be saved: ") + reason},
                                 reason);
}

TTableResult Failed(const TLayoutKind& kind, TDataset& table, const QString& reason)
{
    table.Cancel();
    return NotSaved(kind, reason);
}

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

} // namespace

const TLayoutKind& LabelLayoutKind()
{
    static const TLayoutKind kind{
        quorvel::TSystemTable::stLabel,
        QLatin1String(".L"),
        QStringLiteral("label layout"),
        QStringLiteral("Label definition file has been removed from the sysdata directory"),
        QStringLiteral("All 99999 label design file names (BIN00001.L to BIN99999.L) are taken in the sysdata "
                       "folder. The label layout cannot be saved."),
        &design::TGClassSet::LabelSurface,
    };
    return kind;
}

TTableResult OpenInDescriptionOrder(quorvel::TSystemTable which, TDataset& table, const QString& sysdataFolder)
{
    TTableResult opened = quorvel::OpenSystemTable(which, table, sysdataFolder);
    if (!opened)
        return opened;
    // Without its tag the table is still usable, in record order.
    table.SetOrder(QString(quorvel::systemTableInfo(which).tagName));
    table.First();
    return opened;
}

TTableResult OpenLayoutTable(const TLayoutKind& kind, TDataset& table, const QString& sysdataFolder)
{
    return OpenDescribedRows(kind.systemTable, table, sysdataFolder);
}

TTableResult OpenDescribedRows(quorvel::TSystemTable which, TDataset& table, const QString& sysdataFolder)
{
    TTableResult opened = OpenInDescriptionOrder(which, table, sysdataFolder);
    if (opened && !table.SetQuery(QStringLiteral("not DELETED()")))
        return TTableResult::failure(
            {QStringLiteral("Unable to Open or Create ") + QString(quorvel::systemTableInfo(which).fileName)},
            table.lastError());
    return opened;
}

void VisitRows(TDataset& table, const std::function<bool()>& visit)
{
    for (bool more = table.First(); more; more = table.Next())
        if (!visit())
            return;
}

bool FindLayoutNamed(TDataset& table, const QString& name)
{
    return FindLayoutNamed(table, name, kMaxDescriptionLength);
}

bool FindLayoutNamed(TDataset& table, const QString& name, int keptLength)
{
    // The table keeps names as the program cuts them, without trailing blanks.
    QString wanted = name.left(keptLength);
    while (wanted.endsWith(u' '))
        wanted.chop(1);
    bool found = false;
    VisitRows(table, [&] {
        found = table.FieldAsString(u"DESCRIPT").compare(wanted, Qt::CaseInsensitive) == 0;
        return !found;
    });
    return found;
}

bool IsPlainDesignName(const TLayoutKind& kind, const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^BIN[0-9]{5}(\\.[A-Z])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = plain.match(name);
    return match.hasMatch() && match.captured(1).compare(kind.extension, Qt::CaseInsensitive) == 0;
}

QString DesignFilePath(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name)
{
    if (!IsPlainDesignName(kind, name))
        return {};
    return quorvel::resolvePathIgnoringCase(sysdataFolder, name);
}

bool DesignFileExists(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name)
{
    const QString path = DesignFilePath(kind, sysdataFolder, name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

TTableResult ReserveDesignFileName(const TLayoutKind& kind, const QString& sysdataFolder, QString* name,
                                   const QSet<QString>& namedByRows)
{
    *name = design::NextDesignFileName(sysdataFolder, QString(kind.extension), namedByRows);
    if (!name->isEmpty())
        return TTableResult::success();
    return TTableResult::failure({kind.allNamesTaken}, sysdataFolder);
}

TTableResult ReserveRowDesignName(const TLayoutKind& kind, TDataset& table, const QString& sysdataFolder,
                                  QString* name)
{
    QSet<QString> named;
    const std::uint32_t current = table.GetBookmark();
    VisitRows(table, [&] {
        named.insert(table.FieldAsString(u"BINARY").trimmed().toUpper());
        return true;
    });
    if (current != 0)
        table.GotoBookmark(current);
    return ReserveDesignFileName(kind, sysdataFolder, name, named);
}

TDesignLoad LoadLayoutDesign(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name,
                             design::TGDesignOwner& owner, design::TGSurfaceObjects& surface)
{
    TDesignLoad load;
    if (!DesignFileExists(kind, sysdataFolder, name))
        return load;
    load.found = true;
    load.status = design::TGLabelObjectFiler().LoadSurface(owner, surface, DesignFilePath(kind, sysdataFolder, name));
    return load;
}

TTableResult SaveLayoutRow(const TLayoutKind& kind, TDataset& table, const QString& sysdataFolder,
                           QString& designFile, TLayoutSave mode, const TRowWriter& writeColumns,
                           const TDesignWriter& writeDesign)
{
    QString name = designFile;
    if (!IsPlainDesignName(kind, name)) {
        const TTableResult reserved = ReserveRowDesignName(kind, table, sysdataFolder, &name);
        if (!reserved)
            return reserved;
    }
    const QString path = DesignFilePath(kind, sysdataFolder, name);
    const bool fileWasThere = QFileInfo::exists(path);
    const bool editing = mode == TLayoutSave::lsNew ? table.Insert() : table.Edit();
    if (!editing || !writeColumns(name))
        return Failed(kind, table, table.lastError());
    const design::TGFilerStatus written = writeDesign(path);
    if (!written)
        return Failed(kind, table, written.Message());
    if (!table.Post()) {
        const QString reason = table.lastError();
        if (!fileWasThere)
            QFile::remove(path);
        return Failed(kind, table, reason);
    }
    designFile = name;
    return TTableResult::success();
}

TTableResult DeleteLayoutRow(const TLayoutKind& kind, TDataset& table, const QString& sysdataFolder)
{
    const QString name = table.FieldAsString(u"BINARY");
    if (!table.Delete())
        return TTableResult::failure(
            {QStringLiteral("The ") + kind.noun + QStringLiteral(" could not be deleted: ") + table.lastError()},
            table.lastError());
    if (!DesignFileExists(kind, sysdataFolder, name))
        return TTableResult::success();
    const QString path = DesignFilePath(kind, sysdataFolder, name);
    if (!QFile::remove(path))
        return TTableResult::failure({QStringLiteral("The ") + kind.noun +
                                      QStringLiteral(" was deleted, but its design file could not be removed: ") + path},
                                     path);
    return TTableResult::success();
}

TTableResult CloneLayoutRow(const TLayoutKind& kind, TDataset& table, const QString& sysdataFolder,
                            const QString& designFile, const TCloneSaver& saveClone)
{
    design::TGDesignOwner owner;
    design::TGSurfaceObjects objects(kind.classes());
    const TDesignLoad load = LoadLayoutDesign(kind, sysdataFolder, designFile, owner, objects);
    if (!load.found)
        return TTableResult::failure({kind.missingDesign});
    if (!load.status)
        return TTableResult::failure({load.status.Message()});
    QString cloneFile;
    const TTableResult reserved = ReserveRowDesignName(kind, table, sysdataFolder, &cloneFile);
    if (!reserved)
        return reserved;
    return saveClone(cloneFile,
                     [&objects](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); });
}

QString DeleteLayoutQuestion(const QString& description)
{
    return QStringLiteral("Delete ") + Quoted(description) + u'?';
}

QString CloneLayoutQuestion(const QString& description)
{
    return QStringLiteral("Clone ") + Quoted(description) + u'?';
}

} // namespace labels
