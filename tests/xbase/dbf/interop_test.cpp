// Tables exchanged with other programs' DBF code: python3-dbf writes a
// FoxPro table that we read; python3-dbfread reads a table that we wrote.

#include "table_fixture.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>

using namespace dbf_test;

namespace {

std::string python()
{
    return xbase::fileExists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// Runs a command and returns its standard output; *ok tells whether it
// exited with 0.
std::string run(const std::string& command, bool* ok)
{
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        *ok = false;
        return output;
    }
    std::array<char, 4096> buf;
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        output.append(buf.data(), n);
    *ok = pclose(pipe) == 0;
    return output;
}

bool havePythonModule(const std::string& module)
{
    bool ok = false;
    run(python() + " -c 'import " + module + "'", &ok);
    return ok;
}

std::string script(const std::string& name) { return testing_support::sourceDir() + "/tests/xbase/dbf/" + name; }

TEST(TableInteropTest, ReadsAFoxProTableWrittenByPythonDbf)
{
    if (!havePythonModule("dbf"))
        GTEST_SKIP() << "python3 with the dbf module (Debian package python3-dbf) is not installed";
    testing_support::TempDir dir;
    const std::string path = dir.file("fox.dbf");
    bool ok = false;
    run(python() + " " + script("interop_write_foxpro.py") + " " + path, &ok);
    ASSERT_TRUE(ok) << "the python3-dbf writer failed";

    auto table = openTable(path, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->versionByte(), 0xF5);
    const std::vector<std::vector<std::string>> expected = {
        {"M\xFCller", "12", "T", "20240229", "Erste Zeile\r\nzweite Zeile"},
        {"Smith", "-3", "F", "", ""},
        {"Long", "0", "", "19991231", std::string(5000, 'x')},
    };
    EXPECT_EQ(readRows(*table), expected);
}

TEST(TableInteropTest, PythonDbfreadReadsOurTable)
{
    if (!havePythonModule("dbfread"))
        GTEST_SKIP() << "python3 with the dbfread module (Debian package python3-dbfread) is not installed";
    testing_support::TempDir dir;
    const std::string path = dir.file("ours.dbf");
    {
        auto table = createTable(path, smallSchema());
        appendRow(*table, {"M\xFCller", "12.5", "T", "20240229", "first note, \xE9t\xE9"});
        appendRow(*table, {"Smith", "-3", "F", "", ""});
        appendRow(*table, {"Long", "", "", "19991231", std::string(5000, 'y')});
    }
    bool ok = false;
    const std::string output = run(python() + " " + script("interop_read_table.py") + " " + path, &ok);
    ASSERT_TRUE(ok) << "dbfread could not read the table";
    const std::string expected = "\"M\\u00fcller\"|12.5|true|\"2024-02-29\"|\"first note, \\u00e9t\\u00e9\"\n"
                                 "\"Smith\"|-3.0|false|null|null\n"
                                 "\"Long\"|null|null|\"1999-12-31\"|\"" + std::string(5000, 'y') + "\"\n";
    EXPECT_EQ(output, expected);
}

} // namespace
