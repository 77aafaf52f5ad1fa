#pragma once

#include "labels/label_rows.h"
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

// What the layout screen's New, Modify, Delete and Clone do to the layout
// table and the design files, apart from the windows that ask and show.
// Stored as every layout is (see layout_store.h).
namespace labels {

// The questions the screen asks before deleting and cloning:
// Delete "Office"? and Clone "Office"?
QString DeleteQuestion(const TLabelLayout& layout);
QString CloneQuestion(const TLabelLayout& layout);

// Reading a layout's design for Modify or Clone (see LoadLayoutDesign).
using TLabelDesignLoad = TDesignLoad;
TLabelDesignLoad LoadLabelDesign(const QString& sysdataFolder, const QString& name, design::TGDesignOwner& owner,
                                 design::TGSurfaceObjects& surface);

// Save of the design screen: appends a row (lsNew) or changes the current
// one, writes every column, writes the design file, then posts the row.
// A layout without a plain design file name is given a new one first. A
// geometry the table would refuse on reading, a design file that cannot be
// written or a row that cannot be posted cancels the row and is reported;
// a file written for a new row that could not be posted is removed again.
// On success `layout` holds what the row holds (the name cut to 50
// characters, lengths rounded to three decimals).
quorvel::TTableResult SaveLabelLayout(quorvel::TDataset& table, const QString& sysdataFolder, TLabelLayout& layout,
                                      TLayoutSave mode, const TDesignWriter& writeDesign);

// Deletes the current row, then its design file where the row names a
// plain one that exists; anything else the row names is left alone.
quorvel::TTableResult DeleteLabelLayout(quorvel::TDataset& table, const QString& sysdataFolder);

// Appends a copy of the current layout named "Clone of :" + its name (cut
// to 50 characters) with a design file of its own holding the same
// objects. A layout whose design file is missing is not cloned: "Label
// definition file has been removed from the sysdata directory".
quorvel::TTableResult CloneLabelLayout(quorvel::TDataset& table, const QString& sysdataFolder);

} // namespace labels
