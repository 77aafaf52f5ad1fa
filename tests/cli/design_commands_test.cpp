// quorvel-cli design-show and design-copy through the built program, on the
// design files kept as fuzz seeds.
#include "cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using quorvel::cli_tests::runCli;

std::string seed(const std::string& name) { return testing_support::sourceDir() + "/fuzz/corpus/design/" + name; }

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(DesignCommands, ShowListsClassNameThenStoredPropertiesInFileOrder)
{
    testing_support::TempDir dir;
    const auto run = runCli("design-show " + seed("worked_example_line.L"), dir.file("err"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "TGLineShape Component0\nLeft=10\nTop=20\nWidth=100\nHeight=10\n"
                       "Locked=False\nUnselectable=False\n");
}

TEST(DesignCommands, CopyWritesBackTheSameBytes)
{
    testing_support::TempDir dir;
    for (const char* name : {"worked_example_line.L", "static_text_initial.L", "empty_surface.L"}) {
        const auto out = dir.file(std::string("copy-") + name);
        const auto run = runCli("design-copy " + seed(name) + " " + out, dir.file("err"));
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(bytesOf(out), bytesOf(seed(name))) << name;
    }
}

TEST(DesignCommands, DamagedFileFailsWithTheReadersMessage)
{
    testing_support::TempDir dir;
    const std::string whole = bytesOf(seed("static_text_initial.L"));
    const auto cut = dir.file("cut.L");
    std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 2);
    const auto run = runCli("design-show " + cut, dir.file("err"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Invalid stream format"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    const auto copy = runCli("design-copy " + cut + " " + dir.file("never.L"), dir.file("err"));
    EXPECT_EQ(copy.status, 1);
}

TEST(DesignCommands, WrongArgumentsAreBadUsage)
{
    testing_support::TempDir dir;
    EXPECT_EQ(runCli("design-show", dir.file("err")).status, 2);
    EXPECT_EQ(runCli("design-copy " + seed("empty_surface.L"), dir.file("err")).status, 2);
}

} // namespace
