#include "labels/label_layout_commands.h"

#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "labels/label_design_files.h"
#include "labels/label_layout_table.h"
#include "store/dataset.h"

#include <QFile>
#include <QFileInfo>

#include <map>

namespace labels {

namespace {

using quorvel::TDataset;
using quorvel::TTableResult;

TTableResult NotSaved(const QString& reason)
{
    return TTableResult::failure({QStringLiteral("The label layout could not be saved: ") + reason}, reason);
}

TTableResult Failed(TDataset& table, const QString& reason)
{
    table.Cancel();
    return NotSaved(reason);
}

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

// The layout as its row will read back, or why the table would refuse it.
TLayoutRead AsStored(const TLabelLayout& layout)
{
    std::map<QString, QString> texts;
    for (const TColumnText& text : LayoutRowTexts(layout))
        texts[text.column] = text.text;
    return ReadLayoutRow([&texts](const QString& column) { return texts[column]; });
}

bool WriteColumns(TDataset& table, const TLabelLayout& layout)
{
    for (const TColumnText& text : LayoutRowTexts(layout))
        if (!table.SetFieldAsString(text.column, text.text))
            return false;
    return true;
}

} // namespace

QString DeleteQuestion(const TLabelLayout& layout) { return QStringLiteral("Delete ") + Quoted(layout.description) + u'?'; }

QString CloneQuestion(const TLabelLayout& layout) { return QStringLiteral("Clone ") + Quoted(layout.description) + u'?'; }

TLabelDesignLoad LoadLabelDesign(const QString& sysdataFolder, const QString& name, design::TGDesignOwner& owner,
                                 design::TGSurfaceObjects& surface)
{
    TLabelDesignLoad load;
    if (!LabelDesignExists(sysdataFolder, name))
        return load;
    load.found = true;
    load.status = design::TGLabelObjectFiler().LoadSurface(owner, surface, LabelDesignPath(sysdataFolder, name));
    return load;
}

TTableResult SaveLabelLayout(TDataset& table, const QString& sysdataFolder, TLabelLayout& layout, TLayoutSave mode,
                             const TDesignWriter& writeDesign)
{
    TLayoutRead stored = AsStored(layout);
    if (!stored.layout)
        return NotSaved(stored.message);
    if (!IsPlainLabelDesignName(stored.layout->designFile)) {
        const TTableResult reserved = ReserveLayoutDesignName(table, sysdataFolder, &stored.layout->designFile);
        if (!reserved)
            return reserved;
    }
    const QString path = LabelDesignPath(sysdataFolder, stored.layout->designFile);
    const bool fileWasThere = QFileInfo::exists(path);
    const bool editing = mode == TLayoutSave::lsNew ? table.Insert() : table.Edit();
    if (!editing || !WriteColumns(table, *stored.layout))
        return Failed(table, table.lastError());
    const design::TGFilerStatus written = writeDesign(path);
    if (!written)
        return Failed(table, written.Message());
    if (!table.Post()) {
        const QString reason = table.lastError();
        if (!fileWasThere)
            QFile::remove(path);
        return Failed(table, reason);
    }
    layout = *stored.layout;
    return TTableResult::success();
}

TTableResult DeleteLabelLayout(TDataset& table, const QString& sysdataFolder)
{
    const QString name = table.FieldAsString(u"BINARY");
    if (!table.Delete())
        return TTableResult::failure({QStringLiteral("The label layout could not be deleted: ") + table.lastError()},
                                     table.lastError());
    if (!LabelDesignExists(sysdataFolder, name))
        return TTableResult::success();
    const QString path = LabelDesignPath(sysdataFolder, name);
    if (!QFile::remove(path))
        return TTableResult::failure(
            {QStringLiteral("The label layout was deleted, but its design file could not be removed: ") + path}, path);
    return TTableResult::success();
}

TTableResult CloneLabelLayout(TDataset& table, const QString& sysdataFolder)
{
    const TLayoutRead source = ReadCurrentLayout(table);
    if (!source.layout)
        return TTableResult::failure({source.message});
    design::TGDesignOwner owner;
    design::TGSurfaceObjects objects(design::TGClassSet::LabelSurface());
    const TLabelDesignLoad load = LoadLabelDesign(sysdataFolder, source.layout->designFile, owner, objects);
    if (!load.found)
        return TTableResult::failure({QStringLiteral("Label definition file has been removed from the sysdata directory")});
    if (!load.status)
        return TTableResult::failure({load.status.Message()});
    TLabelLayout clone = *source.layout;
    clone.description = KeptDescription(QStringLiteral("Clone of :") + source.layout->description);
    const TTableResult reserved = ReserveLayoutDesignName(table, sysdataFolder, &clone.designFile);
    if (!reserved)
        return reserved;
    return SaveLabelLayout(table, sysdataFolder, clone, TLayoutSave::lsNew,
                           [&objects](const QString& path) { return design::TGLabelObjectFiler().SaveSurface(objects, path); });
}

} // namespace labels
