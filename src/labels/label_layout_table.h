#pragma once

#include "labels/label_rows.h"
#include "labels/layout_store.h"
#include "store/dataset_result.h"

#include <QString>

namespace quorvel {
class TDataset;
}

namespace labels {

// Opens LABEL.DBF (made when missing) as the layout screen shows it: rows
// not deleted, in DESCRIPT order, on the first.
quorvel::TTableResult OpenLabelLayoutTable(quorvel::TDataset& table, const QString& sysdataFolder);

// A design file name for a new or cloned layout: free in the sysdata folder
// and named by no layout row, so that a row whose file has gone missing
// never comes to print another layout's design. The table's current row is
// kept.
quorvel::TTableResult ReserveLayoutDesignName(quorvel::TDataset& table, const QString& sysdataFolder, QString* name);

// Goes to the layout of that name, compared without regard to letter case
// and as the table keeps names (50 characters); false, on no particular
// row, when there is none.
bool FindLabelLayout(quorvel::TDataset& table, const QString& name);

// The layout in the current row, checked (see ReadLayoutRow).
TLayoutRead ReadCurrentLayout(const quorvel::TDataset& table);

// Opens the stock catalogue LBLTPL.DBF in DESCRIPT order, on the first row.
quorvel::TTableResult OpenLabelTemplateTable(quorvel::TDataset& table, const QString& sysdataFolder);

// Goes to the catalogue row of that description, compared without regard
// to letter case or to how many blanks stand between words (the catalogue
// writes "Avery 5160  Address" with two); false when there is none.
bool FindLabelTemplate(quorvel::TDataset& table, const QString& description);

// The stock in the catalogue's current row, checked like a layout row.
TStockRead ReadCurrentTemplate(const quorvel::TDataset& table);

} // namespace labels
