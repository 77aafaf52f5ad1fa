#pragma once

#include "labels/layout_store.h"
#include "store/dataset_result.h"

#include <QString>

namespace quorvel {
class TDataset;
}

// User-defined reports: rows of REPORT.DBF (DESCRIPT, LAYOUT the layout
// text, BINARY) naming a design file "BIN" + five digits + ".R" in the
// sysdata folder. Stored as label and envelope layouts are (see
// labels/layout_store.h): a row is posted only after its design file was
// written, a name counts as free only when neither a file nor a row has it,
// and only a plain name in sysdata is ever read, written or deleted.
namespace reports {

struct TReportDefinition {
    QString description;
    QString layout;
    QString designFile;
};

// What New starts from: "<new report>", "Letter Size, Portrait", no file.
TReportDefinition NewReportDefinition();

// ".R", "report" and REPORT.DBF's texts.
const labels::TLayoutKind& ReportLayoutKind();

// Opens REPORT.DBF (made when missing): rows not deleted, in DESCRIPT
// order, on the first. "Unable to Open or Create REPORT.DBF" when it
// cannot be.
quorvel::TTableResult OpenReportTable(quorvel::TDataset& table, const QString& sysdataFolder);

TReportDefinition ReadCurrentReport(const quorvel::TDataset& table);

// Goes to the report of that description in any letter case; false when
// there is none.
bool FindReport(quorvel::TDataset& table, const QString& description);

// The design file of a plain BIN#####.R name in sysdata; empty otherwise.
QString ReportDesignPath(const QString& sysdataFolder, const QString& name);

// Save of the designer: appends a row (lsNew) or changes the current one;
// writes DESCRIPT and LAYOUT (cut to the 60 characters the table keeps)
// and BINARY, writes the design file, then posts. A report without a plain
// design file name gets a free one first. On failure the user is told and
// no row is added or changed; on success `report` holds what the row holds.
quorvel::TTableResult SaveReport(quorvel::TDataset& table, const QString& sysdataFolder, TReportDefinition& report,
                                 labels::TLayoutSave mode, const labels::TDesignWriter& writeDesign);

// Deletes the current row, then its design file when the row names a plain
// one that exists; anything else the row names is left alone.
quorvel::TTableResult DeleteReport(quorvel::TDataset& table, const QString& sysdataFolder);

// Appends "Clone of " + the current report's description with the same
// layout text and a free design file name, onto which the design file is
// copied byte for byte. A report whose design file is missing still clones:
// the new row names a file that is not there, and prints empty bands.
quorvel::TTableResult CloneReport(quorvel::TDataset& table, const QString& sysdataFolder);

// Delete "Monthly"? and Clone "Monthly"? (captions "DELETE" and "CLONE").
QString DeleteReportQuestion(const QString& description);
QString CloneReportQuestion(const QString& description);

} // namespace reports
