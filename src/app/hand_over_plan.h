#pragma once

#include "store/system_tables.h"

#include <QLatin1String>
#include <optional>
#include <span>
#include <vector>

namespace quorvel {

// The commands that hand the address file to a window of their own.
enum class THandOverCommand {
    hoLabels,
    hoReports,
    hoEnvelopes,
    hoLetters,
    hoCurrentRecord,
    hoCountZip,
    hoStateZip,
    hoDuplicates,
    hoConvertCase,
    hoDeleteRecords,
    hoSearchReplace,
    hoExport,
    hoAsciiImport,
    hoDbfImport,
    hoImportOlder1,
    hoImportOlder2,
    hoDialPhone1,
    hoDialPhone2
};

// What the main window does before the window opens, in the order listed.
// Steps named "require" end the command when they fail.
enum class TBeforeStep {
    bsCheckPrinter, // the printer check (it shows its own messages)
    bsRememberPrinter,
    bsRequireRecords, // a table open and the query selecting a record; silent
    bsRequireOpenTable, // "You need to have a database file open first"
    bsRequireCsz, // sysdata/CSZ.DBF must exist
    bsRequireQueryRecords, // "No active records for current filter. Nothing to copy"
    bsSuspendControls,
    bsReactionsOff,
    bsRememberRecord,
    bsRememberQuery,
    bsRememberFolder,
    bsQueryNotDeleted, // query "!ISDEL"
    bsQueryFilterOnly, // query = the filter expression alone
    bsClearQuery,
    bsFilterChoice, // without a filter the window's filter choices are off
    bsOpenSystemTable, // the plan's system table, for the window
    bsExtraFieldsOn, // the computed name and city lines
    bsCloseAddressTable,
    bsOpenOwnTable, // the address file again, on the window's own table
    bsTakePhoneNumber, // the plan's phone field, for the dialer
};

// What the main window does once the window has closed, in the order listed.
// Each step undoes only what its counterpart did.
enum class TAfterStep {
    asExtraFieldsOff,
    asFree, // the window is destroyed
    asCloseOwnTable,
    asRestoreQuery,
    asClearScope,
    asReturnToRecord,
    asResumeControls,
    asReactionsOn,
    asReleasePrinter, // the shared printer device of the page output
    asRestorePrinter, // the default printer, then the one remembered
    asRestoreFolder,
    asReopenAddressFile,
    asRestoreOrder,
    asApplyFilter,
    asFirstRecord,
    asDeleteDuplicateIndex, // the duplicate check's "_chkdup.idx"
};

// One command's hand-over, as data: its steps and what they act on.
struct THandOverPlan {
    THandOverCommand command = THandOverCommand::hoLabels;
    std::vector<TBeforeStep> before;
    std::vector<TAfterStep> after;
    std::optional<TSystemTable> systemTable; // for bsOpenSystemTable
    QLatin1String systemTableQuery; // set on that table, "" for none
    QLatin1String phoneField; // for bsTakePhoneNumber
    int importMode = 0; // older-version import: 0 for 1.x, 1 for 2.x
    // When the window's own table cannot be opened on the address file.
    QLatin1String ownTableError;
};

const THandOverPlan& handOverPlan(THandOverCommand command);
std::span<const THandOverCommand> handOverCommands();

// Steps that need a printer and so are skipped when the command ends early.
bool isPrinterStep(TAfterStep step);

} // namespace quorvel
