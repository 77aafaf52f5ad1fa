#pragma once

#include "design/file/filer_status.h"
#include "store/dataset_result.h"
#include "store/system_tables.h"

#include <QLatin1String>
#include <QSet>
#include <QString>

#include <functional>

namespace quorvel {
class TDataset;
}

namespace design {
class TGClassSet;
class TGDesignOwner;
class TGSurfaceObjects;
} // namespace design

// Layouts kept as rows of a system table (DESCRIPT, ..., BINARY) that name
// a design file "BIN" + five digits + extension in the sysdata folder:
// label layouts (".L") and envelope layouts (".E"). Apart from their other
// columns and their texts, both are stored the same way, here.
//
// The table and its design files must never disagree in a way that loses
// a design: a row is posted only after its design file was written, a
// failed write leaves no row naming the file. A row may come from a table
// copied from anywhere, so only a plain name of the kind's form in the
// sysdata folder is ever opened, written or deleted; anything else (a
// folder part, "..", another name) counts as a design file that is missing.
namespace labels {

struct TLayoutKind {
    quorvel::TSystemTable systemTable;
    QLatin1String extension;         // ".L"
    QString noun;                    // "label layout", in "The label layout could not be saved: "
    QString missingDesign;           // what Clone says when the design file is gone
    QString allNamesTaken;           // when BIN00001 to BIN99999 are all taken
    const design::TGClassSet& (*classes)(); // the objects its surfaces hold
};

const TLayoutKind& LabelLayoutKind();

// Opens a system table in DESCRIPT order (record order when its tag is
// unusable), on the first row.
quorvel::TTableResult OpenInDescriptionOrder(quorvel::TSystemTable which, quorvel::TDataset& table,
                                             const QString& sysdataFolder);

// Opens the table (made when missing) as the layout screen shows it: rows
// not deleted, in DESCRIPT order, on the first. "Unable to Open or Create "
// + the table's file name when it cannot be.
quorvel::TTableResult OpenLayoutTable(const TLayoutKind& kind, quorvel::TDataset& table, const QString& sysdataFolder);
// The same for any table of described rows (letters keep no design file).
quorvel::TTableResult OpenDescribedRows(quorvel::TSystemTable which, quorvel::TDataset& table,
                                        const QString& sysdataFolder);

// Calls `visit` on each row the table shows, in its order, from the first,
// until it returns false.
void VisitRows(quorvel::TDataset& table, const std::function<bool()>& visit);

// Goes to the layout of that name, compared without regard to letter case
// and as the table keeps names (50 characters, or `keptLength`); false, on
// no particular row, when there is none.
bool FindLayoutNamed(quorvel::TDataset& table, const QString& name);
bool FindLayoutNamed(quorvel::TDataset& table, const QString& name, int keptLength);

// "BIN00042" + the kind's extension, in any letter case, and nothing else.
bool IsPlainDesignName(const TLayoutKind& kind, const QString& name);

// The file a plain name stands for in the sysdata folder (looked up without
// regard to letter case); empty for a name that is not plain.
QString DesignFilePath(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name);

// Whether the layout's design file is there to be read.
bool DesignFileExists(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name);

// The first name from BIN00001 to BIN99999 that no file in the folder has
// and that is not among `namedByRows` (upper case). When all are taken, a
// failure with the kind's text; nothing can be saved.
quorvel::TTableResult ReserveDesignFileName(const TLayoutKind& kind, const QString& sysdataFolder, QString* name,
                                            const QSet<QString>& namedByRows = {});

// A design file name for a new or cloned layout: free in the sysdata folder
// and named by no row, so that a row whose file has gone missing never
// comes to print another layout's design. The table's current row is kept.
quorvel::TTableResult ReserveRowDesignName(const TLayoutKind& kind, quorvel::TDataset& table,
                                           const QString& sysdataFolder, QString* name);

// Reading a layout's design for Modify, Clone or a run. A missing file, or
// a name that is not plain, reads nothing and `found` stays false; a
// damaged file is an error with the reader's message, and the surface
// keeps nothing.
struct TDesignLoad {
    bool found = false;
    design::TGFilerStatus status;
};
TDesignLoad LoadLayoutDesign(const TLayoutKind& kind, const QString& sysdataFolder, const QString& name,
                             design::TGDesignOwner& owner, design::TGSurfaceObjects& surface);

// Writes the design into the file at the path given (the design screen
// prepares its objects as for any save).
using TDesignWriter = std::function<design::TGFilerStatus(const QString& path)>;
// Writes the layout's columns into the row being edited, BINARY naming the
// design file given; false when the table refused a value.
using TRowWriter = std::function<bool(const QString& designFile)>;

enum class TLayoutSave { lsNew, lsExisting };

// Save of a design screen: appends a row (lsNew) or changes the current
// one, writes the columns, writes the design file, then posts the row. A
// `designFile` that is not a plain name is replaced by a new one first. A
// design file that cannot be written or a row that cannot be posted cancels
// the row and is reported; a file written for a row that could not be
// posted is removed again, unless it was there before.
quorvel::TTableResult SaveLayoutRow(const TLayoutKind& kind, quorvel::TDataset& table, const QString& sysdataFolder,
                                    QString& designFile, TLayoutSave mode, const TRowWriter& writeColumns,
                                    const TDesignWriter& writeDesign);

// SaveLayoutRow for a layout kept as a struct with a `designFile`: `row`
// is the layout as the table is to keep it, written by `writeRow(table,
// row)`; on success `layout` becomes what the row holds.
template <typename TRow, typename TWriteRow>
quorvel::TTableResult SaveLayoutStruct(const TLayoutKind& kind, quorvel::TDataset& table,
                                       const QString& sysdataFolder, TRow& layout, TRow row, TLayoutSave mode,
                                       TWriteRow writeRow, const TDesignWriter& writeDesign)
{
    const auto writeColumns = [&table, &row, &writeRow](const QString& designFile) {
        row.designFile = designFile;
        return writeRow(table, row);
    };
    quorvel::TTableResult saved =
        SaveLayoutRow(kind, table, sysdataFolder, row.designFile, mode, writeColumns, writeDesign);
    if (saved)
        layout = row;
    return saved;
}

// Deletes the current row, then its design file where the row names a
// plain one that exists; anything else the row names is left alone.
quorvel::TTableResult DeleteLayoutRow(const TLayoutKind& kind, quorvel::TDataset& table,
                                      const QString& sysdataFolder);

// Clone of the current row, whose design file is `designFile`: reads the
// design (missing: the kind's text, nothing cloned; damaged: the reader's
// message), reserves a file name of its own and hands both to `saveClone`,
// which saves the new row as lsNew with the writer given.
using TCloneSaver = std::function<quorvel::TTableResult(const QString& newDesignFile, const TDesignWriter& writer)>;
quorvel::TTableResult CloneLayoutRow(const TLayoutKind& kind, quorvel::TDataset& table, const QString& sysdataFolder,
                                     const QString& designFile, const TCloneSaver& saveClone);

// The questions the screens ask before deleting and cloning:
// Delete "Office"? and Clone "Office"?
QString DeleteLayoutQuestion(const QString& description);
QString CloneLayoutQuestion(const QString& description);

} // namespace labels
