#include "store/settings.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString path() const { return QString::fromStdString(dir.file("QUORVL.ini")); }
    void putBytes(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    testing_support::TempDir dir;
    TSettings settings{path()};
    const QDateTime now{QDate(2026, 12, 10), QTime(11, 50, 47)};
};

} // namespace

TEST_F(SettingsTest, PreferencesDefaultWhenTheFileIsEmpty)
{
    const TProgramPreferences preferences = settings.loadPreferences(now);
    EXPECT_FALSE(preferences.adding.plugDate);
    EXPECT_FALSE(preferences.adding.carryCountry);
    EXPECT_FALSE(preferences.adding.skipDate);
    EXPECT_EQ(preferences.adding.defaultCountry, QString());
    EXPECT_EQ(preferences.aggressiveSave, 1);
    EXPECT_FALSE(preferences.gettingStartedOff);
}

TEST_F(SettingsTest, AMissingTagIdIsMadeAndWrittenBack)
{
    EXPECT_EQ(settings.loadPreferences(now).globalTagId, QStringLiteral("VK0GYQV"));
    EXPECT_EQ(settings.ini().readString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId")), QStringLiteral("VK0GYQV"));
}

TEST_F(SettingsTest, AStoredTagIdStaysInForce)
{
    putBytes("[Misc]\r\nGlobalTagId=ABC\r\n");
    EXPECT_EQ(settings.loadPreferences(now).globalTagId, QStringLiteral("ABC"));
}

TEST_F(SettingsTest, RenewingTheTagIdUntagsEvenWithinTheSameSecond)
{
    const QString first = *settings.renewGlobalTagId(now);
    const QString second = *settings.renewGlobalTagId(now);
    EXPECT_NE(first, second);
    EXPECT_EQ(settings.globalTagId(), second);
}

TEST_F(SettingsTest, ReadsTheOldProgramsKeySpellings)
{
    putBytes("[Adding]\r\nSkipfirstName=1\r\nSkiptitle=1\r\nSkipcomments2=1\r\nCarrySA1=1\r\nDefaultCountry=Canada\r\n"
             "[Editing]\r\nAggressiveSave=0\r\n[Misc]\r\nGettingStarted=1\r\n");
    const TProgramPreferences preferences = settings.loadPreferences(now);
    EXPECT_TRUE(preferences.adding.skipFirstName);
    EXPECT_TRUE(preferences.adding.skipTitle);
    EXPECT_TRUE(preferences.adding.skipUser2);
    EXPECT_TRUE(preferences.adding.carryStreet);
    EXPECT_FALSE(preferences.adding.carryStreet2);
    EXPECT_EQ(preferences.adding.defaultCountry, QStringLiteral("Canada"));
    EXPECT_EQ(preferences.aggressiveSave, 0);
    EXPECT_TRUE(preferences.gettingStartedOff);
}

TEST_F(SettingsTest, SavedPreferencesReadBackAndLeaveOtherSectionsAlone)
{
    putBytes("[MRU]\r\nItem1=C:\\A.DBF\r\n[TLabelSetupScreen]\r\nLastLayout=3\r\n");
    TAddingPreferences adding;
    adding.plugCityState = true;
    adding.carryZip = true;
    adding.skipFax = true;
    adding.defaultCountry = QStringLiteral("USA");
    ASSERT_TRUE(settings.savePreferences(adding, 2));

    const TProgramPreferences back = settings.loadPreferences(now);
    EXPECT_TRUE(back.adding.plugCityState);
    EXPECT_TRUE(back.adding.carryZip);
    EXPECT_TRUE(back.adding.skipFax);
    EXPECT_FALSE(back.adding.skipEmail);
    EXPECT_EQ(back.adding.defaultCountry, QStringLiteral("USA"));
    EXPECT_EQ(back.aggressiveSave, 2);
    EXPECT_EQ(settings.ini().readString(QStringLiteral("TLabelSetupScreen"), QStringLiteral("LastLayout")),
              QStringLiteral("3"));
    EXPECT_EQ(settings.mru().first(), QStringLiteral("C:\\A.DBF"));
}

TEST_F(SettingsTest, RecentFilesKeepFourMostRecentFirstWithoutRepeats)
{
    TMruList mru = settings.mru();
    for (const char* path : {"/a.DBF", "/b.DBF", "/c.DBF", "/b.DBF", "/d.DBF", "/e.DBF"})
        mru.update(QString::fromLatin1(path));
    EXPECT_EQ(mru.entries(), (QStringList{QStringLiteral("/e.DBF"), QStringLiteral("/d.DBF"), QStringLiteral("/b.DBF"),
                                          QStringLiteral("/c.DBF")}));
    // Comparison is exact: another spelling is another entry.
    mru.update(QStringLiteral("/E.DBF"));
    EXPECT_EQ(mru.entries().first(), QStringLiteral("/E.DBF"));
    EXPECT_EQ(mru.entries().at(1), QStringLiteral("/e.DBF"));
}

TEST_F(SettingsTest, RecentFilesSkipEmptyItemsAndLeaveKeysBeyondTheListAlone)
{
    putBytes("[MRU]\r\nItem1=\r\nItem2=/x.DBF\r\nItem3=/y.DBF\r\nItem4=/z.DBF\r\n");
    TMruList mru = settings.mru();
    EXPECT_EQ(mru.entries(), (QStringList{QStringLiteral("/x.DBF"), QStringLiteral("/y.DBF"), QStringLiteral("/z.DBF")}));
    ASSERT_TRUE(mru.put({QStringLiteral("/only.DBF")}));
    EXPECT_EQ(settings.ini().readString(QStringLiteral("MRU"), QStringLiteral("Item1")), QStringLiteral("/only.DBF"));
    EXPECT_EQ(settings.ini().readString(QStringLiteral("MRU"), QStringLiteral("Item2")), QStringLiteral("/x.DBF"));
}
