#include "app/button_rules.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct TRuleCase {
    const char* state;
    TRecordWindowFacts facts;
    bool needsRecord, addEnabled, saveCancelShown, idleButtonsShown, fileMenu, recordMenu, setFilter;
};

// One row per window state: what the user can do there.
const TRuleCase kCases[] = {
    // state                 open   edit   onRec  filter  record add    save   idle   file   recMenu setFilter
    {"no file", {false, false, false, false}, false, false, false, true, true, false, false},
    {"empty file", {true, false, false, false}, false, true, false, true, true, true, false},
    {"browsing", {true, false, true, false}, true, true, false, true, true, true, true},
    {"editing", {true, true, true, false}, false, false, true, false, false, false, false},
    {"inserting into empty", {true, true, false, false}, false, false, true, false, false, false, false},
    {"filter, no match", {true, false, false, true}, false, true, false, true, true, true, true},
};

TEST(ButtonRulesTest, EachStateAllowsItsCommands)
{
    for (const TRuleCase& c : kCases) {
        const TButtonStates s = buttonStates(c.facts);
        SCOPED_TRACE(c.state);
        EXPECT_EQ(s.needsRecord, c.needsRecord);
        EXPECT_EQ(s.recordButtonsVisible, c.needsRecord);
        EXPECT_EQ(s.addEnabled, c.addEnabled);
        EXPECT_EQ(s.saveCancelShown, c.saveCancelShown);
        EXPECT_EQ(s.idleButtonsShown, c.idleButtonsShown);
        EXPECT_EQ(s.findNextAllowed, c.idleButtonsShown);
        EXPECT_EQ(s.fileMenuEnabled, c.fileMenu);
        EXPECT_EQ(s.recordMenuEnabled, c.recordMenu);
        EXPECT_EQ(s.needsOpenFile, c.facts.open);
        EXPECT_EQ(s.setFilterEnabled, c.setFilter);
    }
}

TEST(ButtonRulesTest, ClearFilterShowsWithAFilterAndWorksOnlyWhenNotEditing)
{
    const TButtonStates browsing = buttonStates({true, false, true, true});
    EXPECT_TRUE(browsing.clearFilterVisible);
    EXPECT_TRUE(browsing.clearFilterEnabled);
    EXPECT_TRUE(browsing.filterCommandsEnabled);
    const TButtonStates editing = buttonStates({true, true, true, true});
    EXPECT_TRUE(editing.clearFilterVisible);
    EXPECT_FALSE(editing.clearFilterEnabled);
    const TButtonStates none = buttonStates({true, false, true, false});
    EXPECT_FALSE(none.clearFilterVisible);
    EXPECT_FALSE(none.filterCommandsEnabled);
}

TEST(ButtonRulesTest, FilterStatusTexts)
{
    EXPECT_FALSE(filterStatusText(false, false, 0).has_value());
    EXPECT_EQ(filterStatusText(true, false, 0), QStringLiteral("No records"));
    EXPECT_EQ(filterStatusText(true, false, 12), QStringLiteral("12 records (no filter)"));
    EXPECT_EQ(filterStatusText(true, true, 3), QStringLiteral("3 filter matches"));
}

} // namespace
} // namespace quorvel
