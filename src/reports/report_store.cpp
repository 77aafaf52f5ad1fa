#include "reports/report_store.h"

#include "design/file/design_file_io.h"
#include "design/model/class_set.h"
#include "store/dataset.h"

namespace reports {

namespace {

using quorvel::TDataset;
using quorvel::TTableResult;

// DESCRIPT and LAYOUT are 60 characters wide.
constexpr int kKeptTextLength = 60;

bool WriteColumns(TDataset& table, const TReportDefinition& report)
{
    return table.SetFieldAsString(u"DESCRIPT", report.description)
        && table.SetFieldAsString(u"LAYOUT", report.layout) && table.SetFieldAsString(u"BINARY", report.designFile);
}

// Copies the source design byte for byte; a source that is not there
// leaves the clone without a file, as the report it was cloned from.
labels::TDesignWriter CopyOf(const QString& sourcePath)
{
    return [sourcePath](const QString& path) {
        QByteArray bytes;
        bool exists = false;
        if (sourcePath.isEmpty())
            return design::TGFilerStatus::Ok();
        const design::TGFilerStatus read = design::ReadDesignFileBytes(sourcePath, bytes, exists);
        if (!read || !exists)
            return read;
        return design::WriteDesignFileBytes(path, bytes);
    };
}

} // namespace

TReportDefinition NewReportDefinition()
{
    return {QStringLiteral("<new report>"), QStringLiteral("Letter Size, Portrait"), {}};
}

const labels::TLayoutKind& ReportLayoutKind()
{
    static const labels::TLayoutKind kind{
        quorvel::TSystemTable::stReport,
        QLatin1String(".R"),
        QStringLiteral("report"),
        QStringLiteral("Report definition file has been removed from the sysdata directory"),
        QStringLiteral("All 99999 report design file names (BIN00001.R to BIN99999.R) are taken in the sysdata "
                       "folder. The report cannot be saved."),
        &design::TGClassSet::ReportBand,
    };
    return kind;
}

TTableResult OpenReportTable(TDataset& table, const QString& sysdataFolder)
{
    return labels::OpenLayoutTable(ReportLayoutKind(), table, sysdataFolder);
}

TReportDefinition ReadCurrentReport(const TDataset& table)
{
    return {table.FieldAsString(u"DESCRIPT"), table.FieldAsString(u"LAYOUT"),
            table.FieldAsString(u"BINARY").trimmed()};
}

bool FindReport(TDataset& table, const QString& description)
{
    return labels::FindLayoutNamed(table, description, kKeptTextLength);
}

QString ReportDesignPath(const QString& sysdataFolder, const QString& name)
{
    return labels::DesignFilePath(ReportLayoutKind(), sysdataFolder, name);
}

TTableResult SaveReport(TDataset& table, const QString& sysdataFolder, TReportDefinition& report,
                        labels::TLayoutSave mode, const labels::TDesignWriter& writeDesign)
{
    TReportDefinition row = report;
    row.description = report.description.left(kKeptTextLength);
    row.layout = report.layout.left(kKeptTextLength);
    return labels::SaveLayoutStruct(ReportLayoutKind(), table, sysdataFolder, report, row, mode, WriteColumns,
                                    writeDesign);
}

TTableResult DeleteReport(TDataset& table, const QString& sysdataFolder)
{
    return labels::DeleteLayoutRow(ReportLayoutKind(), table, sysdataFolder);
}

TTableResult CloneReport(TDataset& table, const QString& sysdataFolder)
{
    const TReportDefinition source = ReadCurrentReport(table);
    TReportDefinition clone{QStringLiteral("Clone of ") + source.description, source.layout, {}};
    const TTableResult reserved =
        labels::ReserveRowDesignName(ReportLayoutKind(), table, sysdataFolder, &clone.designFile);
    if (!reserved)
        return reserved;
    return SaveReport(table, sysdataFolder, clone, labels::TLayoutSave::lsNew,
                      CopyOf(ReportDesignPath(sysdataFolder, source.designFile)));
}

QString DeleteReportQuestion(const QString& description) { return labels::DeleteLayoutQuestion(description); }

QString CloneReportQuestion(const QString& description) { return labels::CloneLayoutQuestion(description); }

} // namespace reports
