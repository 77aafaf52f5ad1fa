// Applying a filter to an address table: what it selects, the query the
// engine gets, and when the filter is dropped.
#include "filter_fixture.h"
#include "store/filter_apply.h"

#include <gtest/gtest.h>

using namespace quorvel;
using filter_test::AddressTable;
using filter_test::kTagId;

namespace {

class FilterApplyTest : public ::testing::Test {
protected:
    testing_support::TempDir dir_;
    AddressTable file_{dir_, {
        {{"LNAME", "Jones"}, {"CODES", "AC"}, {"DATE", "19970428"}, {"STATE", "NY"}, {"CITY", "Albany"}},
        {{"LNAME", "Johanesson"}, {"CODES", "B"}, {"DATE", "19961231"}, {"STATE", "MN"}, {"TAG", "VK0GYQV"}},
        {{"LNAME", "Baker"}, {"CODES", "c"}, {"DATE", "19970101"}, {"ORG", "The \"Red\" Inn"}},
        {{"LNAME", "Smith"}, {"DATE", "19980101"}, {"ORG", "Caf\xE9 O'Neil"}, {"TAG", "OLDID"}},
        {{"LNAME", "Johnson"}, {"ISDEL", "T"}, {"TAG", "VK0GYQV"}},
    }};
    TFilterState state_;
};

using Names = std::vector<std::string>;

TEST_F(FilterApplyTest, SelectsWhatTheBoxesAskFor)
{
    using enum TFilterBox;
    const struct {
        TFilterBox box;
        const char* text;
        bool tagged;
        bool reverse;
        Names names;
    } cases[] = {
        {fbLName, "jo", false, false, {"Jones", "Johanesson"}},
        {fbCodes, "$C", false, false, {"Jones", "Baker"}},
        {fbLName, "JONES;BAKER", false, false, {"Jones", "Baker"}},
        {fbLName, "jones;", false, false, {"Jones", "Johanesson", "Baker", "Smith"}},
        {fbLName, "j+$son", false, false, {"Johanesson"}},
        {fbLName, "j^jones", false, false, {"Johanesson"}},
        {fbDate, ">19970101", false, false, {"Jones", "Smith"}},
        {fbDate, "<19970101", false, false, {"Johanesson"}},
        {fbCity, "albany ny", false, false, {}},
        {fbCity, "albany", false, false, {"Jones"}},
        {fbOrg, "the \"red\"", false, false, {"Baker"}},
        {fbOrg, "$\"RED\" inn", false, false, {"Baker"}},
        {fbOrg, "caf\xC3\xA9 o'", false, false, {"Smith"}},
        {fbLName, "", true, false, {"Johanesson"}},
        {fbLName, "", true, true, {"Jones", "Baker", "Smith"}},
        {fbLName, "b", false, true, {"Jones", "Johanesson", "Smith"}},
    };
    for (const auto& c : cases) {
        state_.ClearQueryVars();
        state_.value(c.box) = QString::fromUtf8(c.text);
        state_.taggedOnly = c.tagged;
        state_.reverse = c.reverse;
        const TFilterOutcome outcome = ApplyFilter(file_.table(), state_, kTagId);
        EXPECT_TRUE(outcome.message.isEmpty()) << c.text << ": " << outcome.message.toStdString();
        EXPECT_EQ(outcome.count, c.names.size()) << c.text;
        if (!c.names.empty()) {
            EXPECT_EQ(file_.lastNames(), c.names) << c.text;
        }
    }
}

TEST_F(FilterApplyTest, TheQueryIsTheFilterOnRecordsNotDeleted)
{
    state_.value(TFilterBox::fbLName) = QStringLiteral("JO");
    EXPECT_EQ(ApplyFilter(file_.table(), state_, kTagId).count, 2u);
    EXPECT_EQ(file_.table().sx_DBFilter(), R"(UPPER(LNAME)="JO" .and. !ISDEL)");
    EXPECT_EQ(filterTestSummary(state_, {2, {}}), QStringLiteral("2 matches"));
}

TEST_F(FilterApplyTest, WithoutAFilterEveryRecordNotDeletedIsShown)
{
    const TFilterOutcome outcome = ApplyFilter(file_.table(), state_, kTagId);
    EXPECT_EQ(outcome.count, 0u);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(file_.table().sx_DBFilter(), "!ISDEL");
    EXPECT_EQ(file_.lastNames(), (Names{"Jones", "Johanesson", "Baker", "Smith"}));
    EXPECT_EQ(filterTestSummary(state_, outcome), QStringLiteral("No filter set"));
}

TEST_F(FilterApplyTest, AFilterThatSelectsNothingIsDroppedSilently)
{
    state_.value(TFilterBox::fbLName) = QStringLiteral("Zimmer");
    state_.reverse = false;
    const TFilterOutcome outcome = ApplyFilter(file_.table(), state_, kTagId);
    EXPECT_EQ(outcome.count, 0u);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(state_, TFilterState());
    EXPECT_EQ(file_.table().sx_DBFilter(), "!ISDEL");
    EXPECT_EQ(filterTestSummary(state_, outcome), QStringLiteral("No filter set"));
}

TEST_F(FilterApplyTest, FiltersTheEngineCannotTakeAreRefusedWithAMessageAndCleared)
{
    const struct {
        TFilterBox box;
        QString text;
        const char* message;
    } cases[] = {
        // 243 characters of expression and 12 of ".and. !ISDEL" fit the
        // engine's 255; one more does not.
        {TFilterBox::fbCity, QString(89, QLatin1Char('x')) + QStringLiteral(";") + QString(99, QLatin1Char('y')), nullptr},
        {TFilterBox::fbCity, QString(90, QLatin1Char('x')) + QStringLiteral(";") + QString(99, QLatin1Char('y')),
         "Sorry - filter is too complex.Please simplify it."},
        {TFilterBox::fbLName, QStringLiteral("\u0101"), "cannot be stored"},
    };
    for (const auto& c : cases) {
        state_.ClearQueryVars();
        state_.value(c.box) = c.text;
        state_.reverse = true; // so that the filter selects records when it is taken
        const TFilterOutcome outcome = ApplyFilter(file_.table(), state_, kTagId);
        if (!c.message) {
            EXPECT_EQ(state_.expression.size(), 243);
            EXPECT_EQ(outcome.count, 4u);
            continue;
        }
        EXPECT_TRUE(outcome.message.contains(QLatin1String(c.message))) << outcome.message.toStdString();
        EXPECT_EQ(outcome.count, 0u);
        EXPECT_EQ(state_, TFilterState());
        EXPECT_EQ(file_.table().sx_DBFilter(), "!ISDEL");
    }
}

} // namespace
