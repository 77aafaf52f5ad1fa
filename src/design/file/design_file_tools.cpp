#include "design/file/design_file_tools.h"

#include "design/file/design_error.h"
#include "design/file/design_file_io.h"
#include "design/file/design_reader.h"
#include "design/file/label_object_filer.h"
#include "design/file/value_codec.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"
#include "design/model/windows1252.h"

namespace design {

namespace {

bool IsReportFile(const QString& path) { return path.endsWith(QStringLiteral(".R"), Qt::CaseInsensitive); }

TGFilerStatus ReadExisting(const QString& path, QByteArray& bytes)
{
    bool exists = false;
    const TGFilerStatus read = ReadDesignFileBytes(path, bytes, exists);
    if (read && !exists)
        return TGFilerStatus::Error(messages::cannotOpenFile(path));
    return read;
}

void ListRecords(const std::vector<TGStoredRecord>& records, QStringList& lines)
{
    for (const TGStoredRecord& record : records) {
        lines << fromWindows1252(record.className) + QLatin1Char(' ') + fromWindows1252(record.objectName);
        for (const auto& [name, value] : record.properties)
            lines << fromWindows1252(name) + QLatin1Char('=') + FormatValue(value);
    }
}

} // namespace

TGFilerStatus DescribeDesignFile(const QString& path, QStringList& lines)
{
    QByteArray bytes;
    if (const TGFilerStatus read = ReadExisting(path, bytes); !read)
        return read;
    try {
        TGDesignOwner owner;
        TGDesignReader reader(bytes, owner, false);
        const int lists = IsReportFile(path) ? 3 : 1;
        for (int i = 0; i < lists; ++i)
            reader.ReadObjectList(TGClassSet::AllClasses());
        if (IsReportFile(path))
            reader.ReadValueList();
        ListRecords(reader.Records(), lines);
        return TGFilerStatus::Ok();
    } catch (const EDesignFileError& error) {
        return TGFilerStatus::Error(error.message(), error.offset());
    }
}

TGFilerStatus CopyDesignFile(const QString& inPath, const QString& outPath)
{
    QByteArray bytes;
    if (const TGFilerStatus read = ReadExisting(inPath, bytes); !read)
        return read;
    TGDesignOwner owner;
    TGLabelObjectFiler filer;
    const TGClassSet& classes = TGClassSet::AllClasses();
    TGSurfaceObjects bandA(classes);
    if (!IsReportFile(inPath)) {
        const TGFilerStatus decoded = filer.DecodeObjects(bytes, owner, bandA);
        return decoded ? filer.SaveSurface(bandA, outPath) : decoded;
    }
    TGSurfaceObjects bandB(classes);
    TGSurfaceObjects bandC(classes);
    TGReportData data;
    const TGFilerStatus decoded = filer.DecodeReport(bytes, owner, bandA, bandB, bandC, data);
    return decoded ? filer.SaveReportFile(bandA, bandB, bandC, data, outPath) : decoded;
}

} // namespace design
