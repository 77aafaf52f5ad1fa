#pragma once

#include "store/dataset_result.h"
#include "store/system_tables.h"

#include <QString>

namespace quorvel {

// The label stock catalogue (LBLTPL.DBF) and the state/ZIP table (CSZ.DBF)
// come with the program as comma-separated text ("lbltpl.csv",
// "csz.csv"): one header line naming the columns, then one row a line.

// Builds each of the two tables that is missing from `sysdataFolder` out of
// its CSV in `suppliedFolder` (falling back to a copy in `sysdataFolder`).
// Tables already there are never touched: the state/ZIP table is the
// user's to edit. PrepareHomeFolder calls it once the folders are there.
TTableResult BuildMissingSuppliedTables(const QString& sysdataFolder, const QString& suppliedFolder);

// Builds one table at `tablePath` from `csvPath`, all or nothing: it is
// made under a temporary name and put in place only when every row went in
// and its tag is built. Text is stored in Windows-1252; a row with the
// wrong number of values, a value that does not fit its column or a
// character Windows-1252 cannot hold stops the build with the line named.
TTableResult BuildTableFromCsv(TSystemTable table, const QString& csvPath, const QString& tablePath);

} // namespace quorvel
