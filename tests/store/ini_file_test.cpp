#include "store/ini_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return QString::fromStdString(dir.file("QUORVL.ini")); }

    void putBytes(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    testing_support::TempDir dir;
};

} // namespace

TEST_F(IniFileTest, MissingFileAndMissingKeysGiveTheDefaults)
{
    const TIniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("Adding"), QStringLiteral("DefaultCountry"), QStringLiteral("USA")),
              QStringLiteral("USA"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Editing"), QStringLiteral("AggressiveSave"), 1), 1);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), true));
    EXPECT_EQ(bytes(), QByteArray("<missing>"));
}

TEST_F(IniFileTest, ReadsTypedValues)
{
    putBytes("[S]\r\nzero=0\r\none=1\r\nminus=-1\r\nhex=0x10\r\ntext=yes\r\nempty=\r\n");
    const TIniFile ini(path());
    const struct {
        const char* key;
        int integer;
        bool boolean;
    } cases[] = {
        {"zero", 0, false}, {"one", 1, true}, {"minus", -1, true}, {"hex", 16, true},
        // no number: the default (7, true)
        {"text", 7, true}, {"empty", 7, true}, {"missing", 7, true},
    };
    for (const auto& c : cases) {
        const QString key = QString::fromLatin1(c.key);
        EXPECT_EQ(ini.readInteger(QStringLiteral("S"), key, 7), c.integer) << c.key;
        EXPECT_EQ(ini.readBool(QStringLiteral("S"), key, true), c.boolean) << c.key;
    }
}

TEST_F(IniFileTest, EveryReadSeesTheFileAsItIsNow)
{
    const TIniFile ini(path());
    putBytes("[Misc]\r\nGettingStarted=0\r\n");
    EXPECT_FALSE(ini.readBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), true));
    putBytes("[Misc]\r\nGettingStarted=1\r\n");
    EXPECT_TRUE(ini.readBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), false));
}

TEST_F(IniFileTest, WritesBooleansAndIntegersAsTheOldProgramDid)
{
    TIniFile ini(path());
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Adding"), QStringLiteral("PlugDate"), true));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Adding"), QStringLiteral("CarryOrg"), false));
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("Editing"), QStringLiteral("AggressiveSave"), 2));
    ASSERT_TRUE(ini.writeString(QStringLiteral("Adding"), QStringLiteral("DefaultCountry"), QStringLiteral("España")));
    EXPECT_EQ(bytes(), QByteArray("[Adding]\r\nPlugDate=1\r\nCarryOrg=0\r\nDefaultCountry=Espa\xF1"
                                  "a\r\n[Editing]\r\nAggressiveSave=2\r\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("Adding"), QStringLiteral("DefaultCountry")), QStringLiteral("España"));
}

TEST_F(IniFileTest, ARefusedWriteChangesNothing)
{
    const QByteArray before("; keep me\r\n[Adding]\r\nPlugDate=0\r\n");
    putBytes(before);
    TIniFile ini(path());
    // The first entry is fine, the second cannot be stored: neither is written.
    EXPECT_FALSE(ini.write({{QStringLiteral("Adding"), QStringLiteral("PlugDate"), QStringLiteral("1")},
                            {QStringLiteral("Adding"), QStringLiteral("DefaultCountry"), QStringLiteral("Türkiye ğ")}}));
    EXPECT_TRUE(ini.lastError().contains(QStringLiteral("U+011F"))) << ini.lastError().toStdString();
    EXPECT_EQ(bytes(), before);
}

TEST_F(IniFileTest, AnUnreadableFileIsNeverReplaced)
{
    // A folder where the file should be: it cannot be read, so writing would
    // throw away whatever it holds.
    ASSERT_TRUE(QDir().mkpath(path()));
    TIniFile ini(path());
    EXPECT_FALSE(ini.writeBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), true));
    EXPECT_FALSE(ini.lastError().isEmpty());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(IniFileTest, AWriteIntoAMissingFolderFailsWithAMessage)
{
    TIniFile ini(QString::fromStdString(dir.file("no-such-folder/QUORVL.ini")));
    EXPECT_FALSE(ini.writeBool(QStringLiteral("Misc"), QStringLiteral("GettingStarted"), true));
    EXPECT_TRUE(ini.lastError().contains(QStringLiteral("no-such-folder")));
}

TEST_F(IniFileTest, WritingLeavesNoTemporaryFilesBehind)
{
    putBytes("[A]\r\nx=1\r\n");
    TIniFile ini(path());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(ini.writeInteger(QStringLiteral("A"), QStringLiteral("x"), i));
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files), QStringList{QStringLiteral("QUORVL.ini")});
    EXPECT_EQ(bytes(), QByteArray("[A]\r\nx=4\r\n"));
}
