// quorvel-cli create, add, and reindex of address files and system tables,
// run as a user would run them.
#include "cli_runner.h"

#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/system_tables.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"
#include "xbase/cdx/index_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::cli_tests;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

class AddressCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile ini(qs(dir.file("QUORVL.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[NewFileFieldLengths]\nFieldLNAME=25\nFieldFAX=4\n");
    }

    CliRun cli(const std::string& args) { return runCli(args + " --home '" + dir.path() + "'", dir.file("err.txt")); }

    std::string file(const char* name) const { return "'" + dir.file(name) + "'"; }

    // Opens the address file the way the program does.
    TAddressOpenResult open(const char* name) { return OpenQVWFile(qs(dir.file(name)), dataset); }

    testing_support::TempDir dir;
    xbase::TApollo engine;
    TAddressDataset dataset{engine};
};

} // namespace

TEST_F(AddressCommands, CreateMakesAnAddressFileWithTheSettingsWidths)
{
    const CliRun run = cli("create " + file("club.dbf"));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(open("club.dbf").indexValid);
    EXPECT_EQ(dataset.FieldWidth(u"LNAME"), 25);
    EXPECT_EQ(dataset.FieldWidth(u"FAX"), 40) << "4 is out of range: the default";
    EXPECT_TRUE(dataset.IsEmpty());
    dataset.Close();

    const CliRun again = cli("create " + file("club.dbf"));
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("already exists"), std::string::npos) << again.err;
}

TEST_F(AddressCommands, AddAppendsOneRecordWithTheMemoRule)
{
    ASSERT_EQ(cli("create " + file("club.dbf")).status, 0);
    const CliRun first = cli("add " + file("club.dbf") + " lname='Müller' FNAME=Ann MEMO=abcdefgh");
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(cli("add " + file("club.dbf") + " LNAME=Baker MEMO=abcdefg").status, 0);
    ASSERT_TRUE(open("club.dbf").indexValid);
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.First());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Baker"));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("abcdefg"));
    ASSERT_TRUE(dataset.Next());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QString::fromUtf8("Müller"));
    EXPECT_EQ(engine.sx_GetString("LNAME"), "M\xFCller");
    EXPECT_EQ(dataset.FieldAsString(u"FNAME"), QStringLiteral("Ann"));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("abcdefgh "));
    EXPECT_TRUE(engine.sx_CheckIndex().isOk());
}

TEST_F(AddressCommands, AddRefusesBadArgumentsAndValuesAndAddsNothing)
{
    ASSERT_EQ(cli("create " + file("club.dbf")).status, 0);
    const struct {
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        {"LNAME", 2, "FIELD=VALUE"},
        {"NOSUCH=1", 2, "no field NOSUCH"},
        {"FullName=x", 2, "no field FULLNAME"},
        {"LNAME=a LNAME=b", 2, "twice"},
        {"LNAME='Łukasz'", 1, "cannot be stored"},
        {"MIDDLE=AB", 1, "too long"},
        {"ISDEL=maybe", 1, "logical"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli("add " + file("club.dbf") + " " + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
    }
    EXPECT_EQ(cli("add " + file("missing.dbf") + " LNAME=x").status, 1);
    ASSERT_TRUE(open("club.dbf").ok);
    EXPECT_EQ(engine.sx_RecCount(), 0u);
}

TEST_F(AddressCommands, ReindexGivesAnAddressFileWithoutIndexItsTags)
{
    ASSERT_EQ(cli("create " + file("club.dbf")).status, 0);
    ASSERT_EQ(cli("add " + file("club.dbf") + " LNAME=Baker").status, 0);
    ASSERT_TRUE(QFile::remove(qs(dir.file("club.cdx"))) || QFile::remove(qs(dir.file("club.CDX"))));
    const CliRun refused = cli("add " + file("club.dbf") + " LNAME=Cole");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("reindex"), std::string::npos) << refused.err;

    const CliRun rebuilt = cli("reindex " + file("club.dbf"));
    ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
    EXPECT_TRUE(open("club.dbf").indexValid);
    EXPECT_EQ(engine.sx_TagName(1), "NAME");
    EXPECT_EQ(engine.sx_TagName(26), "NOTISDEL");
    EXPECT_EQ(engine.sx_RecCount(), 1u);
}

TEST_F(AddressCommands, AddRefusesAFileNotClosedProperlyUntilReindexed)
{
    ASSERT_EQ(cli("create " + file("club.dbf")).status, 0);
    std::unique_ptr<xbase::IndexFile> index;
    ASSERT_TRUE(xbase::IndexFile::open(dir.file("club.cdx"), xbase::OpenMode::Exclusive, &index).isOk() ||
                xbase::IndexFile::open(dir.file("club.CDX"), xbase::OpenMode::Exclusive, &index).isOk());
    ASSERT_TRUE(index->setStaleMark(true, true).isOk());
    index.reset();

    const CliRun refused = cli("add " + file("club.dbf") + " LNAME=Cole");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("was not closed properly"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("quorvel-cli reindex"), std::string::npos) << refused.err;
    ASSERT_EQ(cli("reindex " + file("club.dbf")).status, 0);
    EXPECT_EQ(cli("add " + file("club.dbf") + " LNAME=Cole").status, 0);
    const TAddressOpenResult opened = open("club.dbf");
    EXPECT_TRUE(opened.indexValid);
    EXPECT_FALSE(opened.notClosedProperly);
    EXPECT_EQ(engine.sx_RecCount(), 1u);
}

TEST_F(AddressCommands, ReindexGivesASystemTableItsTag)
{
    const QString sysdata = qs(dir.path()) + QStringLiteral("/sysdata/");
    TDataset letters(engine);
    ASSERT_TRUE(OpenSystemTable(TSystemTable::stLetter, letters, sysdata).ok);
    letters.Close();
    ASSERT_TRUE(QFile::remove(sysdata + QStringLiteral("LETTER.CDX")));
    const CliRun run = cli("reindex '" + sysdata.toStdString() + "LETTER.DBF'");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(engine.sx_Use((sysdata + QStringLiteral("LETTER.DBF")).toStdString()));
    EXPECT_EQ(engine.sx_TagName(1), "DESCRIPT");
}
