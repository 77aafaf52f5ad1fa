#include "envelopes/envelope_layouts.h"

#include "design/model/class_set.h"
#include "labels/label_layout.h"
#include "store/dataset.h"

namespace envelopes {

namespace {

using quorvel::TDataset;
using quorvel::TTableResult;

int StoredSizeCode(const QString& text)
{
    bool isNumber = false;
    const int code = text.trimmed().toInt(&isNumber);
    return isNumber ? EnvelopeSizeOrDefault(code).code : kDefaultEnvelopeCode;
}

bool WriteColumns(TDataset& table, const TEnvelopeLayout& layout)
{
    return table.SetFieldAsString(u"DESCRIPT", layout.description)
        && table.SetFieldAsString(u"NUMBER", QString::number(layout.sizeCode))
        && table.SetFieldAsString(u"BINARY", layout.designFile);
}

} // namespace

const labels::TLayoutKind& EnvelopeLayoutKind()
{
    static const labels::TLayoutKind kind{
        quorvel::TSystemTable::stEnvelope,
        QLatin1String(".E"),
        QStringLiteral("envelope layout"),
        QStringLiteral("Envelope definition file has been removed from the sysdata directory"),
        QStringLiteral("No free design file name is left in the sysdata folder"),
        &design::TGClassSet::EnvelopeSurface,
    };
    return kind;
}

TEnvelopeLayout NewEnvelopeLayout() { return {QStringLiteral("<New envelope>"), kDefaultEnvelopeCode, {}}; }

TTableResult OpenEnvelopeLayoutTable(TDataset& table, const QString& sysdataFolder)
{
    return labels::OpenLayoutTable(EnvelopeLayoutKind(), table, sysdataFolder);
}

TEnvelopeLayout ReadCurrentEnvelopeLayout(const TDataset& table)
{
    return {table.FieldAsString(u"DESCRIPT"), StoredSizeCode(table.FieldAsString(u"NUMBER")),
            table.FieldAsString(u"BINARY").trimmed()};
}

bool FindEnvelopeLayout(TDataset& table, const QString& name) { return labels::FindLayoutNamed(table, name); }

QString EnvelopeDesignPath(const QString& sysdataFolder, const QString& name)
{
    return labels::DesignFilePath(EnvelopeLayoutKind(), sysdataFolder, name);
}

bool EnvelopeDesignExists(const QString& sysdataFolder, const QString& name)
{
    return labels::DesignFileExists(EnvelopeLayoutKind(), sysdataFolder, name);
}

TTableResult ReserveEnvelopeDesignName(TDataset& table, const QString& sysdataFolder, QString* name)
{
    return labels::ReserveRowDesignName(EnvelopeLayoutKind(), table, sysdataFolder, name);
}

TEnvelopeDesignLoad LoadEnvelopeDesign(const QString& sysdataFolder, const QString& name, design::TGDesignOwner& owner,
                                       design::TGSurfaceObjects& surface)
{
    return labels::LoadLayoutDesign(EnvelopeLayoutKind(), sysdataFolder, name, owner, surface);
}

TTableResult SaveEnvelopeLayout(TDataset& table, const QString& sysdataFolder, TEnvelopeLayout& layout,
                                TLayoutSave mode, const TDesignWriter& writeDesign)
{
    TEnvelopeLayout row = layout;
    row.description = labels::KeptDescription(layout.description);
    row.sizeCode = EnvelopeSizeOrDefault(layout.sizeCode).code;
    return labels::SaveLayoutStruct(EnvelopeLayoutKind(), table, sysdataFolder, layout, row, mode, WriteColumns,
                                    writeDesign);
}

TTableResult DeleteEnvelopeLayout(TDataset& table, const QString& sysdataFolder)
{
    return labels::DeleteLayoutRow(EnvelopeLayoutKind(), table, sysdataFolder);
}

TTableResult CloneEnvelopeLayout(TDataset& table, const QString& sysdataFolder)
{
    const TEnvelopeLayout source = ReadCurrentEnvelopeLayout(table);
    const auto saveClone = [&](const QString& cloneFile, const TDesignWriter& writer) {
        TEnvelopeLayout clone{QStringLiteral("Clone of ") + source.description, source.sizeCode, cloneFile};
        return SaveEnvelopeLayout(table, sysdataFolder, clone, TLayoutSave::lsNew, writer);
    };
    return labels::CloneLayoutRow(EnvelopeLayoutKind(), table, sysdataFolder, source.designFile, saveClone);
}

QString DeleteQuestion(const TEnvelopeLayout& layout) { return labels::DeleteLayoutQuestion(layout.description); }

QString CloneQuestion(const TEnvelopeLayout& layout) { return labels::CloneLayoutQuestion(layout.description); }

} // namespace envelopes
