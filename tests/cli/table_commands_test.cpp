// quorvel-cli info, list, count, pack and reindex, run as a user would run
// them, with their exact output and exit status.
#include "cli_runner.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"
#include "xbase/cdx/index_file.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using CliResult = quorvel::cli_tests::CliRun;

class TableCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { path_ = createPeople(dir_.file("people.dbf"), true); }

    // Carol, alice, Bob (deletion flag set), Dave; tags NAME and AGE.
    static std::string createPeople(const std::string& path, bool withTags)
    {
        xbase::TApollo table;
        table.sx_CreateNew(path, 5);
        table.sx_CreateField("NAME", 'C', 10, 0);
        table.sx_CreateField("CITY", 'C', 12, 0);
        table.sx_CreateField("AGE", 'N', 3, 0);
        table.sx_CreateField("ACTIVE", 'L', 1, 0);
        table.sx_CreateField("NOTES", 'M', 10, 0);
        EXPECT_TRUE(table.sx_CreateExec()) << table.sx_LastError().toString();
        const std::array<std::array<const char*, 5>, 4> rows = {{
            {"Carol", "Boston", "40", "T", "Likes \"quotes\", commas"},
            {"alice", "Z\xFCrich", "30", "F", ""},
            {"Bob", "Austin", "25", "T", "two\r\nlines"},
            {"Dave", "Boston", "35", "T", ""},
        }};
        for (const auto& row : rows) {
            table.sx_AppendBlank();
            for (int f = 0; f < 5; ++f)
                table.sx_Replace(table.sx_FieldName(f + 1), row[static_cast<std::size_t>(f)]);
        }
        table.sx_Go(3);
        table.sx_Delete();
        if (withTags) {
            table.sx_IndexTag("NAME", "UPPER(NAME)");
            table.sx_IndexTag("AGE", "AGE");
        }
        table.sx_Close();
        return path;
    }

    CliResult cli(const std::string& args) { return quorvel::cli_tests::runCli(args, dir_.file("stderr.txt")); }

    testing_support::TempDir dir_;
    std::string path_;
};

TEST_F(TableCommandsTest, InfoDescribesTypeFieldsCountAndTags)
{
    const CliResult run = cli("info " + path_);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Type: FoxPro (0xF5)\n"
                       "Fields: 5\n"
                       "  NAME C 10 0\n"
                       "  CITY C 12 0\n"
                       "  AGE N 3 0\n"
                       "  ACTIVE L 1 0\n"
                       "  NOTES M 10 0\n"
                       "Records: 4\n"
                       "Tags: 2\n"
                       "  NAME UPPER(NAME)\n"
                       "  AGE AGE\n");
}

struct ListCase {
    const char* args;
    const char* csv;
};

TEST_F(TableCommandsTest, ListPrintsCsvInUtf8)
{
    const ListCase cases[] = {
        {"", "NAME,CITY,AGE,ACTIVE\r\nCarol,Boston,40,T\r\nalice,Z\xC3\xBCrich,30,F\r\nDave,Boston,35,T\r\n"},
        {"--order name --fields name,NOTES",
         "NAME,NOTES\r\nalice,\r\nCarol,\"Likes \"\"quotes\"\", commas\"\r\nDave,\r\n"},
        {"--all --order AGE --fields NAME,NOTES",
         "NAME,NOTES\r\nBob,\"two\r\nlines\"\r\nalice,\r\nDave,\r\nCarol,\"Likes \"\"quotes\"\", commas\"\r\n"},
        {"--filter 'UPPER(CITY)=\"BOSTON\" .and. AGE < 40' --fields NAME", "NAME\r\nDave\r\n"},
        {"--filter 'CITY=\"Z\xC3\xBC\"' --fields CITY", "CITY\r\nZ\xC3\xBCrich\r\n"},
        {"--filter 'AGE > 99'", "NAME,CITY,AGE,ACTIVE\r\n"},
    };
    for (const ListCase& c : cases) {
        const CliResult run = cli("list " + path_ + " " + c.args);
        EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
        EXPECT_EQ(run.out, c.csv) << c.args;
    }
}

TEST_F(TableCommandsTest, CountPrintsTheNumberAlone)
{
    EXPECT_EQ(cli("count " + path_).out, "3\n");
    EXPECT_EQ(cli("count " + path_ + " --filter 'AGE >= 35'").out, "2\n");
    EXPECT_EQ(cli("count " + path_ + " --filter 'UPPER(NAME)=\"X\"'").out, "0\n");
}

struct ErrorCase {
    const char* args;
    int status;
    const char* message; // part of what stderr says
};

TEST_F(TableCommandsTest, MistakesGetAMessageAndTheirExitStatus)
{
    const std::string missing = dir_.file("missing.dbf");
    const ErrorCase cases[] = {
        {"list", 2, "a file name is needed"},
        {"list PEOPLE --bogus", 2, "unknown option --bogus"},
        {"count PEOPLE --filter", 2, "--filter needs a value"},
        {"info PEOPLE extra", 2, "unexpected argument extra"},
        {"list MISSING", 1, "cannot open"},
        {"list PEOPLE --order NOPE", 1, "no tag NOPE"},
        {"list PEOPLE --fields NAME,NOPE", 1, "no field NOPE"},
        {"count PEOPLE --filter 'AGE >'", 1, "bad filter"},
        {"count PEOPLE --filter 'NAME=\"\xE4\xB8\xAD\"'", 1, "characters a table cannot store"},
        {"frobnicate", 2, "unknown command"},
    };
    for (const ErrorCase& c : cases) {
        std::string args = c.args;
        for (const auto& [word, path] : {std::pair<std::string, std::string>{"PEOPLE", path_}, {"MISSING", missing}})
            if (const auto at = args.find(word); at != std::string::npos)
                args.replace(at, word.size(), path);
        const CliResult run = cli(args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.args;
    }
}

TEST_F(TableCommandsTest, PackRemovesDeletedRecordsAndKeepsTagsUsable)
{
    const CliResult pack = cli("pack " + path_);
    EXPECT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(pack.out + pack.err, ""); // no progress bar without a terminal
    EXPECT_NE(cli("info " + path_).out.find("Records: 3\n"), std::string::npos);
    EXPECT_EQ(cli("list " + path_ + " --all --order NAME --fields NAME").out, "NAME\r\nalice\r\nCarol\r\nDave\r\n");
}

TEST_F(TableCommandsTest, ReindexRebuildsTheTagsTheIndexDefines)
{
    const CliResult run = cli("reindex " + path_);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(cli("list " + path_ + " --order AGE --fields NAME").out, "NAME\r\nalice\r\nDave\r\nCarol\r\n");
    EXPECT_NE(cli("info " + path_).out.find("Tags: 2\n"), std::string::npos);
}

// The mark a session that changed the file leaves when it never closes it.
void markAsNotClosedProperly(const std::string& cdx)
{
    std::unique_ptr<xbase::IndexFile> index;
    ASSERT_TRUE(xbase::IndexFile::open(cdx, xbase::OpenMode::Exclusive, &index).isOk());
    ASSERT_TRUE(index->setStaleMark(true, true).isOk());
}

TEST_F(TableCommandsTest, AFileNotClosedProperlyIsReadThroughItsTagsOnlyAfterARebuild)
{
    markAsNotClosedProperly(dir_.file("people.cdx"));
    const char* const readers[] = {"list", "list --order NAME", "count", "count --filter 'AGE >= 35'"};
    for (const char* reader : readers) {
        std::string args = reader;
        args.insert(args.find(' ') == std::string::npos ? args.size() : args.find(' '), " " + path_);
        const CliResult run = cli(args);
        EXPECT_EQ(run.status, 1) << reader;
        EXPECT_EQ(run.out, "") << reader;
        EXPECT_NE(run.err.find("was not closed properly"), std::string::npos) << reader << ": " << run.err;
        EXPECT_NE(run.err.find("quorvel-cli reindex " + path_), std::string::npos) << reader << ": " << run.err;
    }
    const CliResult info = cli("info " + path_); // describes the file and warns
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.err.find("was not closed properly"), std::string::npos) << info.err;

    for (const char* repair : {"reindex", "pack"}) {
        markAsNotClosedProperly(dir_.file("people.cdx"));
        const CliResult run = cli(std::string(repair) + " " + path_);
        EXPECT_EQ(run.status, 0) << repair << ": " << run.err;
        const CliResult listed = cli("list " + path_ + " --order NAME --fields NAME");
        EXPECT_EQ(listed.status, 0) << repair << ": " << listed.err;
        EXPECT_EQ(listed.out, "NAME\r\nalice\r\nCarol\r\nDave\r\n") << repair;
    }
}

TEST_F(TableCommandsTest, ReindexWithoutAnIndexSaysSo)
{
    const std::string bare = createPeople(dir_.file("bare.dbf"), false);
    const CliResult run = cli("reindex " + bare);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("it has no index"), std::string::npos) << run.err;
}

} // namespace
