// The command line's own text helpers: CSV quoting, Windows-1252 to UTF-8
// and back, and argument parsing.
#include "cli/arguments.h"
#include "cli/csv_writer.h"
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

using namespace quorvel::cli;

namespace {

TEST(CsvWriterTest, QuotesOnlyWhatNeedsIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},          {"", ""},
        {"a,b", "\"a,b\""},          {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""}, {"lf\nonly", "\"lf\nonly\""},
        {" padded ", " padded "},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(CsvWriter::quoted(in), out) << in;
}

TEST(CsvWriterTest, RowsEndInCrLf)
{
    char buf[64] = {};
    FILE* out = fmemopen(buf, sizeof buf, "w");
    CsvWriter(out).writeRow({"A", "b,c", ""});
    fclose(out);
    EXPECT_STREQ(buf, "A,\"b,c\",\r\n");
}

TEST(TextEncodingTest, EveryWindows1252ByteHasItsCharacter)
{
    EXPECT_EQ(windows1252ToUtf8("Z\xFCrich"), "Z\xC3\xBCrich");
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");      // euro sign
    EXPECT_EQ(windows1252ToUtf8("\x92"), "\xE2\x80\x99");      // right single quote
    EXPECT_EQ(windows1252ToUtf8("\x9F"), "\xC5\xB8");          // Y with diaeresis
    EXPECT_EQ(windows1252ToUtf8("\x81"), "\xC2\x81");          // unassigned: kept, not lost
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string back;
        ASSERT_TRUE(utf8ToWindows1252(windows1252ToUtf8(byte), &back)) << b;
        EXPECT_EQ(back, byte) << b;
    }
}

TEST(TextEncodingTest, RefusesWhatATableCannotHold)
{
    std::string out;
    EXPECT_FALSE(utf8ToWindows1252("\xE2\x82", &out));          // cut short
    EXPECT_FALSE(utf8ToWindows1252("\xE4\xB8\xAD", &out));      // CJK: no byte for it
    EXPECT_FALSE(utf8ToWindows1252("\xC0\xA2", &out));          // overlong quote
    EXPECT_FALSE(utf8ToWindows1252("\xFF", &out));
}

TEST(ArgumentsTest, OptionsFlagsAndMistakes)
{
    const OptionSpec spec{{"--order", "--filter"}, {"--all"}, 1};
    ParsedArguments args;
    std::string error;
    ASSERT_TRUE(parseArguments({"f.dbf", "--order", "NAME", "--all"}, spec, &args, &error));
    EXPECT_EQ(args.positional, std::vector<std::string>{"f.dbf"});
    EXPECT_EQ(args.value("--order"), "NAME");
    EXPECT_TRUE(args.has("--all"));
    const std::vector<std::vector<std::string>> bad = {
        {}, {"a", "b"}, {"f", "--order"}, {"f", "--nope"}, {"f", "--all", "--all"}, {"f", "--order", "A", "--order", "B"},
    };
    for (const auto& words : bad)
        EXPECT_FALSE(parseArguments(words, spec, &args, &error)) << (words.empty() ? "" : words.back());
    EXPECT_EQ(splitList("A,,B,"), (std::vector<std::string>{"A", "B"}));
}

TEST(ArgumentsTest, RepeatableOptionsKeepEveryValueInOrder)
{
    const OptionSpec spec{.withValue = {"--save"}, .flags = {"--count"}, .repeatable = {"--set"}};
    ParsedArguments args;
    std::string error;
    ASSERT_TRUE(parseArguments({"--set", "B=2", "f", "--set=A=1", "--save", "x", "--set", "B=3"}, spec, &args, &error))
        << error;
    EXPECT_EQ(args.all("--set"), (std::vector<std::string>{"B=2", "A=1", "B=3"}));
    EXPECT_EQ(args.value("--save"), "x");
    EXPECT_TRUE(args.all("--nothing").empty());
    EXPECT_FALSE(parseArguments({"f", "--save", "x", "--save=y"}, spec, &args, &error));
    EXPECT_EQ(error, "--save given twice");
}

TEST(ArgumentsTest, GlobalOptionsAreTakenOutWhereverTheyStand)
{
    const std::vector<std::vector<std::string>> sameMeaning = {
        {"--home", "H", "list", "F", "--all"},
        {"list", "--home", "H", "F", "--all"},
        {"list", "F", "--all", "--home=H"},
    };
    for (const auto& words : sameMeaning) {
        CommandLine line;
        std::string error;
        ASSERT_TRUE(splitCommandLine(words, &line, &error)) << error;
        EXPECT_EQ(line.command, "list");
        EXPECT_EQ(line.args, (std::vector<std::string>{"F", "--all"}));
        EXPECT_EQ(line.globals.home, "H");
    }
}

} // namespace
