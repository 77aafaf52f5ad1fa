#pragma once

#include "store/dataset_fields.h"
#include "store/dataset_result.h"

#include <QLatin1String>
#include <QString>

#include <span>
#include <vector>

namespace quorvel {

class TDataset;

// The program's own tables in "sysdata/", each with one tag in its
// structural index.
enum class TSystemTable { stLetter, stReport, stEnvelope, stLabel, stLabelTemplates, stCsz };

struct TSystemTableInfo {
    TSystemTable table;
    QLatin1String fileName;      // "LETTER.DBF"
    QLatin1String tagName;       // "DESCRIPT"
    QLatin1String tagExpression; // "UPPER(descript)"
    // Letters, reports, envelopes and labels are the user's own and are
    // made empty when missing; the label stock catalogue and the state/ZIP
    // table come with the program.
    bool createdWhenMissing;
};

std::span<const TSystemTableInfo> systemTables();
const TSystemTableInfo& systemTableInfo(TSystemTable table);
// The columns of a new table, in order.
std::vector<TFieldDef> systemTableFields(TSystemTable table);
// The system table a file name belongs to (any letter case), if any.
const TSystemTableInfo* findSystemTable(QStringView fileName);

// The common open of a system table through `dataset` (which is closed
// first): opens "sysdata/" + file name exclusively, in record number order.
// A missing table of the user's own kind is created with its columns; a
// table that exists but cannot be opened is never replaced, so nothing the
// user keeps there is lost. When the index file is missing or unreadable
// the tag is built again (a failure there does not stop the open).
// Messages: "Unable to Open LBLTPL.DBF", "Unable to Open or Create CSZ.DBF",
// "Unable to Open or Create " + file name for the other four.
TTableResult OpenSystemTable(TSystemTable table, TDataset& dataset, const QString& sysdataFolder);

} // namespace quorvel
