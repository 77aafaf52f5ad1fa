// The dataset's states, moves, values and notifications on an address file.
#include "address_test_file.h"

#include "store/address_records.h"
#include "store/index_rebuild.h"
#include "xbase/apollo_env.h"

#include <QSignalSpy>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvel;
using namespace quorvel::store_tests;

using DatasetTest = AddressFileTest;

TEST_F(DatasetTest, ANewFileOpensBrowsingAndEmpty)
{
    EXPECT_EQ(dataset.State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(dataset.IsEmpty());
    EXPECT_TRUE(dataset.Bof());
    EXPECT_TRUE(dataset.Eof());
    EXPECT_EQ(dataset.RecNo(), 0u);
    EXPECT_FALSE(dataset.Edit());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QString());
}

TEST_F(DatasetTest, ACancelledInsertLeavesNoRecord)
{
    add({{"LNAME", "Abbott"}});
    ASSERT_TRUE(dataset.Insert());
    EXPECT_EQ(dataset.State(), TDataSetState::dsInsert);
    ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QStringLiteral("Zimmer")));
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Zimmer"));
    dataset.Cancel();
    EXPECT_EQ(dataset.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Abbott"));
    EXPECT_EQ(engine.sx_RecCount(), 1u);
    dataset.Close();
    ASSERT_TRUE(OpenTableFile(path, dataset).ok);
    EXPECT_EQ(engine.sx_RecCount(), 1u);
}

TEST_F(DatasetTest, ACancelledEditKeepsTheStoredValues)
{
    add({{"LNAME", "Abbott"}, {"CITY", "Salem"}}, QStringLiteral("note"));
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"CITY", QStringLiteral("Dover")));
    ASSERT_TRUE(dataset.SetMemoText(u"MEMO", QStringLiteral("changed")));
    dataset.Cancel();
    EXPECT_EQ(dataset.FieldAsString(u"CITY"), QStringLiteral("Salem"));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("note"));
}

TEST_F(DatasetTest, PostStoresValuesAndMemoAndMovingWhileEditingPosts)
{
    add({{"LNAME", "Abbott"}});
    add({{"LNAME", "Baker"}});
    ASSERT_TRUE(dataset.First());
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"FNAME", QStringLiteral("Ann   ")));
    ASSERT_TRUE(dataset.SetMemoText(u"MEMO", QStringLiteral("line one\r\nline two")));
    ASSERT_TRUE(dataset.Next());
    EXPECT_EQ(dataset.State(), TDataSetState::dsBrowse);
    dataset.Close();
    ASSERT_TRUE(OpenTableFile(path, dataset).ok);
    ASSERT_TRUE(dataset.GoTo(1));
    EXPECT_EQ(dataset.FieldAsString(u"FNAME"), QStringLiteral("Ann"));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("line one\r\nline two"));
}

TEST_F(DatasetTest, TextIsStoredAsWindows1252AndOtherCharactersAreRefused)
{
    add({{"LNAME", "Müller"}, {"CITY", "Zürich €"}});
    EXPECT_EQ(engine.sx_GetString("LNAME"), std::string("M\xFCller"));
    EXPECT_EQ(engine.sx_GetString("CITY"), std::string("Z\xFCrich \x80"));
    EXPECT_EQ(dataset.FieldAsString(u"CITY"), QString::fromUtf8("Zürich €"));

    ASSERT_TRUE(dataset.Edit());
    EXPECT_FALSE(dataset.SetFieldAsString(u"LNAME", QString::fromUtf8("Łukasz")));
    EXPECT_TRUE(dataset.lastError().contains(QStringLiteral("cannot be stored"))) << dataset.lastError().toStdString();
    EXPECT_FALSE(dataset.SetMemoText(u"MEMO", QString::fromUtf8("smile \U0001F600")));
    EXPECT_TRUE(dataset.lastError().contains(QStringLiteral("cannot be stored")));
    ASSERT_TRUE(dataset.Post());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QString::fromUtf8("Müller"));
}

TEST_F(DatasetTest, ValuesThatDoNotFitOrDoNotExistAreRefused)
{
    ASSERT_TRUE(dataset.Insert());
    const struct {
        const char16_t* field;
        QString value;
    } refused[] = {
        {u"MIDDLE", QStringLiteral("AB")},        // one character wide
        {u"LNAME", QString(31, u'x')},            // 30 wide
        {u"ISDEL", QStringLiteral("maybe")},      // logical
        {u"FullName", QStringLiteral("A B")},     // computed
        {u"NOSUCH", QStringLiteral("x")},
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(dataset.SetFieldAsString(c.field, c.value)) << QStringView(c.field).toString().toStdString();
        EXPECT_FALSE(dataset.lastError().isEmpty());
    }
    EXPECT_TRUE(dataset.SetFieldAsString(u"LNAME", QString(30, u'x') + QStringLiteral("   ")));
    dataset.Cancel();
    EXPECT_FALSE(dataset.SetFieldAsString(u"LNAME", QStringLiteral("x"))) << "not editing";
}

TEST_F(DatasetTest, MovingStopsAtTheEndsAndRaisesBofAndEof)
{
    for (const char* name : {"Cole", "Abbott", "Baker"})
        add({{"LNAME", name}});
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("lname")));
    EXPECT_EQ(dataset.Order(), QStringLiteral("LNAME"));
    EXPECT_EQ(lastNames(), (QStringList{QStringLiteral("Abbott"), QStringLiteral("Baker"), QStringLiteral("Cole")}));
    EXPECT_TRUE(dataset.Eof());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Cole")) << "Next at the last record stays there";
    EXPECT_TRUE(dataset.Prior());
    EXPECT_FALSE(dataset.Eof());
    EXPECT_FALSE(dataset.MoveBy(-5));
    EXPECT_TRUE(dataset.Bof());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Abbott"));
    EXPECT_TRUE(dataset.MoveBy(2));
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Cole"));
    EXPECT_TRUE(dataset.Last());
    EXPECT_TRUE(dataset.Eof());
    EXPECT_FALSE(dataset.SetOrder(QStringLiteral("NOSUCH")));
    EXPECT_EQ(dataset.Order(), QStringLiteral("LNAME"));
}

TEST_F(DatasetTest, ABookmarkReturnsToItsRecordInAnotherOrder)
{
    for (const char* name : {"Cole", "Abbott", "Baker"})
        add({{"LNAME", name}});
    ASSERT_TRUE(dataset.GoTo(2));
    const std::uint32_t mark = dataset.GetBookmark();
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    EXPECT_EQ(dataset.RecNo(), mark) << "changing the order keeps the record";
    dataset.First();
    ASSERT_TRUE(dataset.GotoBookmark(mark));
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Abbott"));
    EXPECT_FALSE(dataset.GoTo(99));
    EXPECT_EQ(dataset.RecNo(), mark);
}

TEST_F(DatasetTest, ASeekThatFailsLeavesTheRecordWhereItWas)
{
    xbase::TApolloEnv& env = xbase::TApolloEnv::global();
    for (const char* zip : {"01970", "10001", "01915"})
        add({{"LNAME", "x"}, {"ZIP", zip}});
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("ZIP")));
    ASSERT_TRUE(dataset.GoTo(2));
    env.sx_SetExact(false);
    EXPECT_TRUE(dataset.Seek(QStringLiteral("019")));
    EXPECT_EQ(dataset.FieldAsString(u"ZIP"), QStringLiteral("01915")) << "the first in ZIP order";
    EXPECT_FALSE(dataset.Seek(QStringLiteral("5")));
    EXPECT_EQ(dataset.FieldAsString(u"ZIP"), QStringLiteral("01915"));
    EXPECT_FALSE(dataset.Seek(QString::fromUtf8("Ł")));
    EXPECT_EQ(dataset.RecNo(), 3u);
}

TEST_F(DatasetTest, TheQuerySelectsAndCounts)
{
    add({{"LNAME", "Abbott"}, {"STATE", "MA"}});
    add({{"LNAME", "Baker"}, {"STATE", "NY"}});
    add({{"LNAME", "Cole"}, {"STATE", "MA"}});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("STATE = \"MA\" .and. !ISDEL")));
    EXPECT_EQ(dataset.QueryRecCount(), 2u);
    EXPECT_EQ(lastNames(), (QStringList{QStringLiteral("Abbott"), QStringLiteral("Cole")}));
    EXPECT_FALSE(dataset.SetQuery(QStringLiteral("NOSUCH = 1")));
    EXPECT_FALSE(dataset.lastError().isEmpty());
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("STATE = \"TX\"")));
    EXPECT_TRUE(dataset.IsEmpty());
    EXPECT_EQ(dataset.QueryRecCount(), 0u);
}

TEST_F(DatasetTest, DeletingSetsTheFlagAndIsdelAndMovesToThePreviousRecord)
{
    xbase::TApolloEnv& env = xbase::TApolloEnv::global();
    env.sx_SetDeleted(true);
    for (const char* name : {"Abbott", "Baker", "Cole"})
        add({{"LNAME", name}});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    ASSERT_TRUE(dataset.GoTo(2));
    ASSERT_TRUE(DeleteAddressRecord(dataset, env));
    EXPECT_TRUE(env.sx_GetDeleted()) << "deleted records are hidden again";
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Abbott"));
    EXPECT_EQ(lastNames(), (QStringList{QStringLiteral("Abbott"), QStringLiteral("Cole")}));
    env.sx_SetDeleted(false);
    ASSERT_TRUE(dataset.SetQuery(QString()));
    ASSERT_TRUE(dataset.GoTo(2));
    EXPECT_TRUE(engine.sx_Deleted());
    EXPECT_EQ(dataset.FieldAsString(u"ISDEL"), QStringLiteral("T"));
    env.sx_SetDeleted(true);
}

TEST_F(DatasetTest, ACloneCopiesTheRecordButNotItsTag)
{
    add({{"LNAME", "Abbott"}, {"ZIP", "01970"}, {"TAG", "T1"}}, QStringLiteral("memo text"));
    ASSERT_TRUE(CloneAddressRecord(dataset));
    EXPECT_EQ(dataset.RecNo(), 2u);
    EXPECT_EQ(dataset.FieldAsString(u"ZIP"), QStringLiteral("01970"));
    EXPECT_EQ(dataset.FieldAsString(u"TAG"), QString());
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("memo text"));
}

TEST_F(DatasetTest, ControlsHearNothingWhileDisabledAndCatchUpOnce)
{
    add({{"LNAME", "Abbott"}});
    add({{"LNAME", "Baker"}});
    QSignalSpy records(&dataset, &TDataset::recordChanged);
    QSignalSpy states(&dataset, &TDataset::stateChanged);
    QSignalSpy scrolls(&dataset, &TDataset::afterScroll);
    dataset.DisableControls();
    dataset.DisableControls();
    dataset.First();
    dataset.Edit();
    dataset.Cancel();
    dataset.EnableControls();
    EXPECT_EQ(records.count(), 0);
    EXPECT_EQ(states.count(), 0);
    EXPECT_EQ(scrolls.count(), 1) << "events still reach the owner";
    dataset.EnableControls();
    EXPECT_EQ(records.count(), 1);
    EXPECT_EQ(states.count(), 1);
    dataset.EnableControls(); // one too many is harmless
    dataset.Next();
    EXPECT_EQ(records.count(), 2);
}

// A post refused by the engine (here another user's lock on a shared table)
// leaves the edit open to retry or cancel, and nothing of it in the file.
TEST_F(DatasetTest, APostThatFailsKeepsTheEditAndWritesNothing)
{
    add({{"LNAME", "Abbott"}});
    dataset.Close();
    dataset.setExclusive(false);
    ASSERT_TRUE(OpenTableFile(path, dataset).ok) << dataset.lastError().toStdString();
    xbase::TApollo otherUser;
    ASSERT_TRUE(otherUser.sx_Use(path.toStdString(), xbase::OpenMode::Shared));
    ASSERT_TRUE(otherUser.sx_Go(1));
    ASSERT_TRUE(otherUser.sx_Rlock());

    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QStringLiteral("Changed")));
    EXPECT_FALSE(dataset.Post());
    EXPECT_FALSE(dataset.lastError().isEmpty());
    EXPECT_EQ(dataset.State(), TDataSetState::dsEdit);
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Changed"));
    dataset.Cancel();
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Abbott"));

    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QStringLiteral("Retried")));
    EXPECT_FALSE(dataset.Post());
    ASSERT_TRUE(otherUser.sx_Unlock());
    ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    ASSERT_TRUE(otherUser.sx_Go(1));
    EXPECT_EQ(otherUser.sx_GetString("LNAME"), "Retried");
}

// A post is on disk when it returns: a writer killed right after it loses
// nothing. Killed, it never closed the file, so the next open says so and
// the rebuild brings the tags in line.
TEST_F(DatasetTest, APostSurvivesTheWriterBeingKilled)
{
    dataset.Close();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        xbase::TApollo childEngine;
        TAddressDataset childSet(childEngine);
        if (!OpenTableFile(path, childSet).ok || !childSet.Insert() ||
            !childSet.SetFieldAsString(u"LNAME", QStringLiteral("Durable")) ||
            !childSet.SetMemoText(u"MEMO", QStringLiteral("kept")) || !childSet.Post())
            _exit(3);
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child failed before posting: " << WEXITSTATUS(status);
    const TAddressOpenResult opened = OpenQVWFile(path, dataset);
    ASSERT_TRUE(opened.ok);
    EXPECT_TRUE(opened.notClosedProperly);
    EXPECT_FALSE(opened.indexValid);
    ASSERT_TRUE(RebuildAddressIndexes(dataset).ok);
    ASSERT_TRUE(CheckValidIndex(dataset));
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_FALSE(dataset.IsEmpty());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Durable"));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("kept"));
    EXPECT_TRUE(engine.sx_CheckIndex().isOk());
}
