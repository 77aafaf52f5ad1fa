#include "app/hand_over_plan.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

using B = TBeforeStep;
using A = TAfterStep;

template <typename Step> bool has(const std::vector<Step>& steps, Step step)
{
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

template <typename Step> std::ptrdiff_t position(const std::vector<Step>& steps, Step step)
{
    return std::find(steps.begin(), steps.end(), step) - steps.begin();
}

bool isCheck(B step)
{
    return step == B::bsCheckPrinter || step == B::bsRequireRecords || step == B::bsRequireOpenTable
        || step == B::bsRequireCsz || step == B::bsRequireQueryRecords;
}

// What the window changes before, and the step that puts it back after.
const std::pair<B, A> kUndo[] = {
    { B::bsSuspendControls, A::asResumeControls },
    { B::bsReactionsOff, A::asReactionsOn },
    { B::bsExtraFieldsOn, A::asExtraFieldsOff },
    { B::bsCloseAddressTable, A::asReopenAddressFile },
    { B::bsOpenOwnTable, A::asCloseOwnTable },
    { B::bsRememberPrinter, A::asRestorePrinter },
    { B::bsRememberFolder, A::asRestoreFolder },
    { B::bsRememberRecord, A::asReturnToRecord },
    { B::bsRememberQuery, A::asRestoreQuery },
};

TEST(HandOverPlanTest, EverythingChangedBeforeIsPutBackAfter)
{
    for (THandOverCommand command : handOverCommands()) {
        const THandOverPlan& plan = handOverPlan(command);
        SCOPED_TRACE(static_cast<int>(command));
        EXPECT_EQ(plan.command, command);
        EXPECT_TRUE(has(plan.after, A::asFree));
        for (const auto& [change, undo] : kUndo)
            EXPECT_EQ(has(plan.before, change), has(plan.after, undo)) << static_cast<int>(change);
        for (B query : { B::bsQueryNotDeleted, B::bsQueryFilterOnly, B::bsClearQuery }) {
            if (has(plan.before, query)) {
                EXPECT_TRUE(has(plan.after, A::asRestoreQuery) || has(plan.after, A::asApplyFilter));
            }
        }
        EXPECT_EQ(has(plan.before, B::bsOpenSystemTable), plan.systemTable.has_value());
        EXPECT_EQ(has(plan.before, B::bsTakePhoneNumber), !plan.phoneField.isEmpty());
        EXPECT_EQ(has(plan.before, B::bsOpenOwnTable), !plan.ownTableError.isEmpty());
    }
}

TEST(HandOverPlanTest, ChecksComeBeforeAnythingChanges)
{
    for (THandOverCommand command : handOverCommands()) {
        const THandOverPlan& plan = handOverPlan(command);
        SCOPED_TRACE(static_cast<int>(command));
        const auto lastCheck = std::find_if(plan.before.rbegin(), plan.before.rend(), isCheck);
        if (lastCheck == plan.before.rend())
            continue;
        const auto checkEnd = lastCheck.base();
        for (auto step = plan.before.begin(); step != checkEnd; ++step) {
            const bool remembersOnly = *step == B::bsRememberPrinter || *step == B::bsRememberFolder;
            EXPECT_TRUE(isCheck(*step) || remembersOnly) << static_cast<int>(*step);
        }
    }
}

// The record is looked for once the window's query is back and no scope
// hides it.
TEST(HandOverPlanTest, RecordComesBackAfterQueryAndScope)
{
    for (THandOverCommand command : handOverCommands()) {
        const THandOverPlan& plan = handOverPlan(command);
        if (!has(plan.after, A::asReturnToRecord))
            continue;
        SCOPED_TRACE(static_cast<int>(command));
        const auto record = position(plan.after, A::asReturnToRecord);
        for (A earlier : { A::asRestoreQuery, A::asClearScope }) {
            if (has(plan.after, earlier)) {
                EXPECT_LT(position(plan.after, earlier), record) << static_cast<int>(earlier);
            }
        }
    }
}

TEST(HandOverPlanTest, PrintWindowsOpenTheirSystemTables)
{
    const std::pair<THandOverCommand, TSystemTable> cases[] = {
        { THandOverCommand::hoLabels, TSystemTable::stLabel },
        { THandOverCommand::hoReports, TSystemTable::stReport },
        { THandOverCommand::hoEnvelopes, TSystemTable::stEnvelope },
        { THandOverCommand::hoLetters, TSystemTable::stLetter },
    };
    for (const auto& [command, table] : cases) {
        const THandOverPlan& plan = handOverPlan(command);
        EXPECT_EQ(plan.systemTable, table);
        EXPECT_EQ(plan.before.front(), B::bsCheckPrinter);
        EXPECT_TRUE(has(plan.after, A::asRestorePrinter));
    }
}

} // namespace
} // namespace quorvel
