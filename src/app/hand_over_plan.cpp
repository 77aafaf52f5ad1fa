#include "app/hand_over_plan.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quorvel {

namespace {

using B = TBeforeStep;
using A = TAfterStep;
using C = THandOverCommand;

THandOverPlan makePlan(C command, std::vector<B> before, std::vector<A> after)
{
    THandOverPlan plan;
    plan.command = command;
    plan.before = std::move(before);
    plan.after = std::move(after);
    return plan;
}

// The print windows start from the record and filter the user is on and
// give them back unchanged, whatever they moved to while printing.
THandOverPlan printPlan(C command, TSystemTable table)
{
    THandOverPlan plan = makePlan(command,
        { B::bsCheckPrinter, B::bsRememberPrinter, B::bsRequireRecords, B::bsSuspendControls, B::bsReactionsOff,
            B::bsRememberRecord, B::bsRememberQuery, B::bsFilterChoice, B::bsOpenSystemTable, B::bsExtraFieldsOn },
        { A::asExtraFieldsOff, A::asFree, A::asRestoreQuery, A::asClearScope, A::asRestoreOrder, A::asReturnToRecord,
            A::asResumeControls, A::asReactionsOn, A::asReleasePrinter, A::asRestorePrinter });
    plan.systemTable = table;
    plan.systemTableQuery = QLatin1String("not DELETED()");
    return plan;
}

THandOverPlan envelopesPlan()
{
    // The envelope window shows the record it addresses, so its controls
    // stay live while it runs.
    THandOverPlan plan = makePlan(C::hoEnvelopes,
        { B::bsCheckPrinter, B::bsRememberPrinter, B::bsRequireRecords, B::bsReactionsOff, B::bsRememberRecord,
            B::bsRememberQuery, B::bsOpenSystemTable, B::bsExtraFieldsOn },
        { A::asExtraFieldsOff, A::asFree, A::asRestoreQuery, A::asRestoreOrder, A::asReturnToRecord, A::asReactionsOn,
            A::asReleasePrinter, A::asRestorePrinter });
    plan.systemTable = TSystemTable::stEnvelope;
    plan.systemTableQuery = QLatin1String("not DELETED()");
    return plan;
}

THandOverPlan lettersPlan()
{
    // Letters draw through the text editor, not the page output, so there
    // is no shared printer device to release.
    THandOverPlan plan = makePlan(C::hoLetters,
        { B::bsCheckPrinter, B::bsRememberPrinter, B::bsRequireRecords, B::bsSuspendControls, B::bsReactionsOff,
            B::bsRememberRecord, B::bsRememberQuery, B::bsOpenSystemTable, B::bsFilterChoice },
        { A::asFree, A::asRestoreQuery, A::asRestoreOrder, A::asReturnToRecord, A::asResumeControls, A::asReactionsOn,
            A::asRestorePrinter });
    plan.systemTable = TSystemTable::stLetter;
    return plan;
}

THandOverPlan filterOnlyPlan(C command)
{
    return makePlan(command, { B::bsReactionsOff, B::bsQueryFilterOnly, B::bsSuspendControls, B::bsFilterChoice },
        { A::asApplyFilter, A::asFirstRecord, A::asResumeControls, A::asRestoreOrder, A::asFree, A::asReactionsOn });
}

THandOverPlan importPlan(C command)
{
    THandOverPlan plan
        = makePlan(command, { B::bsRememberFolder, B::bsRequireOpenTable, B::bsCloseAddressTable, B::bsOpenOwnTable },
            { A::asCloseOwnTable, A::asFree, A::asRestoreFolder, A::asReopenAddressFile, A::asRestoreOrder,
                A::asApplyFilter });
    plan.ownTableError = QLatin1String("Unknown error. Unable to do ASCII import at this time");
    if (command == C::hoAsciiImport)
        plan.after.push_back(A::asFirstRecord);
    return plan;
}

THandOverPlan olderImportPlan(C command, int mode)
{
    THandOverPlan plan = makePlan(command,
        { B::bsRememberFolder, B::bsRequireOpenTable, B::bsSuspendControls, B::bsReactionsOff, B::bsClearQuery },
        { A::asFree, A::asRestoreFolder, A::asResumeControls, A::asReactionsOn, A::asRestoreOrder, A::asApplyFilter });
    plan.importMode = mode;
    return plan;
}

THandOverPlan dialPlan(C command, const char* field)
{
    THandOverPlan plan = makePlan(command, { B::bsTakePhoneNumber }, { A::asFree });
    plan.phoneField = QLatin1String(field);
    return plan;
}

std::vector<THandOverPlan> buildPlans()
{
    return {
        printPlan(C::hoLabels, TSystemTable::stLabel),
        printPlan(C::hoReports, TSystemTable::stReport),
        envelopesPlan(),
        lettersPlan(),
        makePlan(C::hoCurrentRecord, { B::bsCheckPrinter }, { A::asFree }),
        makePlan(C::hoCountZip, { B::bsCheckPrinter, B::bsSuspendControls },
            { A::asFree, A::asResumeControls, A::asRestoreOrder }),
        makePlan(C::hoStateZip,
            { B::bsRequireCsz, B::bsReactionsOff, B::bsSuspendControls, B::bsRememberQuery, B::bsQueryNotDeleted },
            { A::asFree, A::asRestoreQuery, A::asReactionsOn, A::asRestoreOrder, A::asResumeControls }),
        makePlan(C::hoDuplicates, { B::bsReactionsOff, B::bsSuspendControls, B::bsQueryNotDeleted },
            { A::asFree, A::asReactionsOn, A::asResumeControls, A::asApplyFilter, A::asDeleteDuplicateIndex,
                A::asRestoreOrder }),
        makePlan(C::hoConvertCase, { B::bsReactionsOff, B::bsRememberRecord, B::bsSuspendControls },
            { A::asFree, A::asResumeControls, A::asReturnToRecord, A::asReactionsOn }),
        filterOnlyPlan(C::hoDeleteRecords),
        filterOnlyPlan(C::hoSearchReplace),
        makePlan(C::hoExport,
            { B::bsRememberFolder, B::bsRequireQueryRecords, B::bsReactionsOff, B::bsSuspendControls,
                B::bsRememberRecord },
            { A::asReturnToRecord, A::asResumeControls, A::asFree, A::asRestoreFolder, A::asReactionsOn,
                A::asRestoreOrder }),
        importPlan(C::hoAsciiImport),
        importPlan(C::hoDbfImport),
        olderImportPlan(C::hoImportOlder1, 0),
        olderImportPlan(C::hoImportOlder2, 1),
        dialPlan(C::hoDialPhone1, "PHONE"),
        dialPlan(C::hoDialPhone2, "PHONE2"),
    };
}

const std::vector<THandOverPlan>& plans()
{
    static const std::vector<THandOverPlan> all = buildPlans();
    return all;
}

constexpr std::array kCommands { C::hoLabels, C::hoReports, C::hoEnvelopes, C::hoLetters, C::hoCurrentRecord,
    C::hoCountZip, C::hoStateZip, C::hoDuplicates, C::hoConvertCase, C::hoDeleteRecords, C::hoSearchReplace,
    C::hoExport, C::hoAsciiImport, C::hoDbfImport, C::hoImportOlder1, C::hoImportOlder2, C::hoDialPhone1,
    C::hoDialPhone2 };

} // namespace

const THandOverPlan& handOverPlan(THandOverCommand command)
{
    const auto& all = plans();
    return *std::find_if(all.begin(), all.end(), [command](const THandOverPlan& p) { return p.command == command; });
}

std::span<const THandOverCommand> handOverCommands()
{
    return kCommands;
}

bool isPrinterStep(TAfterStep step)
{
    return step == A::asReleasePrinter || step == A::asRestorePrinter;
}

} // namespace quorvel
