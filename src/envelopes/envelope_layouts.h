#pragma once

#include "envelopes/envelope_sizes.h"
#include "labels/layout_store.h"
#include "store/dataset_result.h"

#include <QString>

namespace quorvel {
class TDataset;
}

namespace design {
class TGDesignOwner;
class TGSurfaceObjects;
} // namespace design

// Envelope layouts: rows of ENVELOPE.DBF (DESCRIPT, NUMBER the size code,
// BINARY) naming a design file "BIN" + five digits + ".E" in the sysdata
// folder. Stored as label layouts are (see labels/layout_store.h): a row is
// posted only after its design file was written, and only plain names in
// sysdata are ever read, written or deleted.
namespace envelopes {

struct TEnvelopeLayout {
    QString description;
    int sizeCode = kDefaultEnvelopeCode;
    QString designFile;
};

using labels::TDesignWriter;
using labels::TLayoutSave;
using TEnvelopeDesignLoad = labels::TDesignLoad;

// ".E", "envelope layout" and the envelope's texts.
const labels::TLayoutKind& EnvelopeLayoutKind();

// What New starts from: "<New envelope>" on a #10 envelope, no design file.
TEnvelopeLayout NewEnvelopeLayout();

// Opens ENVELOPE.DBF (made when missing): rows not deleted, in DESCRIPT
// order, on the first. "Unable to Open or Create ENVELOPE.DBF" when it
// cannot be.
quorvel::TTableResult OpenEnvelopeLayoutTable(quorvel::TDataset& table, const QString& sysdataFolder);

// The layout in the current row. A NUMBER that is none of the 16 sizes
// reads as #10, so that such a row opens and prints on a real envelope;
// the row itself changes only when the layout is saved.
TEnvelopeLayout ReadCurrentEnvelopeLayout(const quorvel::TDataset& table);

// Goes to the layout of that name in any letter case; false when none.
bool FindEnvelopeLayout(quorvel::TDataset& table, const QString& name);

// The design file of a plain BIN#####.E name in sysdata; empty otherwise.
QString EnvelopeDesignPath(const QString& sysdataFolder, const QString& name);
bool EnvelopeDesignExists(const QString& sysdataFolder, const QString& name);

// A design file name for a new layout, free in sysdata and named by no
// row; "No free design file name is left in the sysdata folder" when
// BIN00001.E to BIN99999.E are all taken.
quorvel::TTableResult ReserveEnvelopeDesignName(quorvel::TDataset& table, const QString& sysdataFolder,
                                                QString* name);

// Reads the layout's design: `found` false for a missing file or a name
// that is not plain; a damaged file gives the reader's message and leaves
// the surface as it was.
TEnvelopeDesignLoad LoadEnvelopeDesign(const QString& sysdataFolder, const QString& name,
                                       design::TGDesignOwner& owner, design::TGSurfaceObjects& surface);

// Save of the design screen: appends a row (lsNew) or changes the current
// one; writes DESCRIPT (cut to 50 characters), NUMBER and BINARY, writes
// the design file, then posts. A layout without a plain design file name
// gets a new one first. When the design file cannot be written or the row
// cannot be posted, the user is told and no row is added or changed. On
// success `layout` holds what the row holds.
quorvel::TTableResult SaveEnvelopeLayout(quorvel::TDataset& table, const QString& sysdataFolder,
                                         TEnvelopeLayout& layout, TLayoutSave mode, const TDesignWriter& writeDesign);

// Deletes the current row, then its design file when the row names a plain
// one that exists; anything else the row names is left alone.
quorvel::TTableResult DeleteEnvelopeLayout(quorvel::TDataset& table, const QString& sysdataFolder);

// Appends "Clone of " + the current layout's name (cut to 50 characters)
// on the same size, with a design file of its own holding the same
// objects. A missing design file clones nothing: "Envelope definition file
// has been removed from the sysdata directory".
quorvel::TTableResult CloneEnvelopeLayout(quorvel::TDataset& table, const QString& sysdataFolder);

// Delete "Office"? and Clone "Office"?
QString DeleteQuestion(const TEnvelopeLayout& layout);
QString CloneQuestion(const TEnvelopeLayout& layout);

} // namespace envelopes
