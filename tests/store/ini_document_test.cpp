#include "store/ini_document.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

TIniDocument parse(const char* text) { return TIniDocument::fromBytes(QByteArray(text)); }

QString valueOf(const TIniDocument& document, const char* section, const char* key)
{
    return document.value(QString::fromLatin1(section), QString::fromLatin1(key)).value_or(QStringLiteral("<none>"));
}

} // namespace

TEST(IniDocument, ReadsKeysAsTheWindowsProfileFunctionsDo)
{
    const TIniDocument document = parse("top=ignored\r\n"
                                        "[Adding]\r\n"
                                        "  PlugDate = 1  \r\n"
                                        "DefaultCountry=\"United States\"\r\n"
                                        "; CarryOrg=1\r\n"
                                        "plugdate=0\r\n"
                                        "Empty=\r\n"
                                        "[ misc ]\n"
                                        "GlobalTagId=V1A2B3\n"
                                        "[Adding]\n"
                                        "CarryZip=1\n");
    EXPECT_EQ(valueOf(document, "Adding", "PlugDate"), QStringLiteral("1")); // trimmed, first one wins
    EXPECT_EQ(valueOf(document, "ADDING", "plugDATE"), QStringLiteral("1")); // names ignore case
    EXPECT_EQ(valueOf(document, "Adding", "DefaultCountry"), QStringLiteral("United States"));
    EXPECT_EQ(valueOf(document, "Adding", "CarryOrg"), QStringLiteral("<none>")); // a comment
    EXPECT_EQ(valueOf(document, "Adding", "Empty"), QString());
    EXPECT_EQ(valueOf(document, "Misc", "GlobalTagId"), QStringLiteral("V1A2B3"));
    EXPECT_EQ(valueOf(document, "Adding", "CarryZip"), QStringLiteral("<none>")); // only the first section counts
    EXPECT_EQ(valueOf(document, "", "top"), QStringLiteral("<none>"));
}

TEST(IniDocument, DamagedLinesReadAsAbsentAndSurviveAWrite)
{
    const QByteArray damaged("[Misc\r\nGettingStarted=1\r\n=x\r\n\x01\x02garbage\r\n[Misc]\r\nkey\r\nA=\x80\x81\r\n");
    TIniDocument document = TIniDocument::fromBytes(damaged);
    EXPECT_EQ(valueOf(document, "Misc", "GettingStarted"), QStringLiteral("<none>"));
    EXPECT_EQ(valueOf(document, "Misc", "A"), QString::fromUtf8("€\u0081"));

    ASSERT_TRUE(document.setValue({QStringLiteral("Misc"), QStringLiteral("B"), QStringLiteral("2")}));
    EXPECT_EQ(document.toBytes(), damaged + "B=2\r\n");
}

TEST(IniDocument, WritesKeepEverythingElseInPlace)
{
    const struct {
        const char* name;
        const char* before;
        TIniEntry entry;
        const char* after;
    } cases[] = {
        {"replace in place, keep the file's spelling of the key",
         "; settings\r\n[Adding]\r\nplugdate=0\r\nCarryOrg=1\r\n", {QStringLiteral("ADDING"), QStringLiteral("PlugDate"), QStringLiteral("1")},
         "; settings\r\n[Adding]\r\nplugdate=1\r\nCarryOrg=1\r\n"},
        {"new key after the section's last line, before the blank line",
         "[Adding]\r\nCarryOrg=1\r\n\r\n[Misc]\r\nX=1\r\n", {QStringLiteral("Adding"), QStringLiteral("PlugDate"), QStringLiteral("1")},
         "[Adding]\r\nCarryOrg=1\r\nPlugDate=1\r\n\r\n[Misc]\r\nX=1\r\n"},
        {"new section at the end of a file without a final line break",
         "[Adding]\nCarryOrg=1", {QStringLiteral("MRU"), QStringLiteral("Item1"), QStringLiteral("C:\\A.DBF")},
         "[Adding]\nCarryOrg=1\n[MRU]\nItem1=C:\\A.DBF\n"},
        {"a new file gets Windows line breaks",
         "", {QStringLiteral("Misc"), QStringLiteral("GettingStarted"), QStringLiteral("0")},
         "[Misc]\r\nGettingStarted=0\r\n"},
        {"mixed endings are left as they are",
         "[A]\nx=1\r\ny=2\n", {QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("5")},
         "[A]\nx=5\r\ny=2\n"},
    };
    for (const auto& c : cases) {
        TIniDocument document = parse(c.before);
        ASSERT_TRUE(document.setValue(c.entry)) << c.name;
        EXPECT_EQ(document.toBytes(), QByteArray(c.after)) << c.name;
    }
}

TEST(IniDocument, RefusesEntriesThatWouldBreakTheFile)
{
    const TIniEntry refused[] = {
        {QStringLiteral("Adding"), QStringLiteral("DefaultCountry"), QStringLiteral("line\r\nbreak")},
        {QStringLiteral("Adding"), QStringLiteral("Default=Country"), QStringLiteral("x")},
        {QStringLiteral("Add]ing"), QStringLiteral("Key"), QStringLiteral("x")},
        {QStringLiteral("Adding"), QStringLiteral(""), QStringLiteral("x")},
        {QStringLiteral("Adding"), QStringLiteral("DefaultCountry"), QStringLiteral("Polska – Łódź")},
    };
    for (const TIniEntry& entry : refused) {
        TIniDocument document = parse("[Adding]\r\n");
        QString error;
        EXPECT_FALSE(document.setValue(entry, &error)) << entry.value.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(document.toBytes(), QByteArray("[Adding]\r\n"));
    }
}

TEST(IniDocument, ParsesIntegersInDecimalAndHex)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0}, {"1", 1}, {"-12", -12}, {" 42 ", 42}, {"0x1F", 31}, {"0X10", 16}, {"0xFFFFFFFF", -1},
        {"", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt}, {"0x", std::nullopt},
        {"0x-5", std::nullopt}, {"99999999999", std::nullopt}, {"1.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseIniInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}
