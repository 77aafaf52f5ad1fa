#include "store/home_folder.h"
#include "store/supplied_data.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
}

void writeFile(const QString& path, const char* text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class HomeFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(supplied).mkpath(QStringLiteral("help")));
        writeFile(supplied + QStringLiteral("/LBLTPL.DBF"), "labels");
        writeFile(supplied + QStringLiteral("/quorvl.dct"), "words");
        writeFile(supplied + QStringLiteral("/help/1029.html"), "help");
    }

    testing_support::TempDir dir;
    const QString supplied = QString::fromStdString(dir.file("install-data"));
    const QString root = QString::fromStdString(dir.file("home"));
};

} // namespace

TEST_F(HomeFolderTest, FirstStartMakesTheFoldersAndCopiesTheSuppliedFiles)
{
    THomeFolder home(root);
    ASSERT_TRUE(home.prepare(supplied)) << home.lastError().toStdString();
    EXPECT_EQ(home.root(), root + u'/');
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/DATA")).isDir());
    EXPECT_EQ(readAll(root + QStringLiteral("/sysdata/LBLTPL.DBF")), QStringLiteral("labels"));
    EXPECT_EQ(readAll(root + QStringLiteral("/quorvl.dct")), QStringLiteral("words"));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/sysdata/help"))); // help is read where it is installed
    EXPECT_EQ(home.iniPath(), root + QStringLiteral("/QUORVL.ini"));
}

TEST_F(HomeFolderTest, LaterStartsNeverOverwriteOrRestoreTheUsersFiles)
{
    THomeFolder home(root);
    ASSERT_TRUE(home.prepare(supplied));
    writeFile(root + QStringLiteral("/sysdata/LBLTPL.DBF"), "edited by the user");
    QFile::remove(root + QStringLiteral("/quorvl.dct"));
    ASSERT_TRUE(home.prepare(supplied));
    EXPECT_EQ(readAll(root + QStringLiteral("/sysdata/LBLTPL.DBF")), QStringLiteral("edited by the user"));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/quorvl.dct")));
}

TEST_F(HomeFolderTest, FindsAnOldHomeFolderWrittenInOtherCase)
{
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("data")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("SYSDATA")));
    writeFile(root + QStringLiteral("/quorvl.INI"), "[Misc]");
    writeFile(root + QStringLiteral("/data/ADD0001.dbf"), "");
    THomeFolder home(root + u'/');
    ASSERT_TRUE(home.prepare(supplied));
    EXPECT_EQ(home.iniPath(), root + QStringLiteral("/quorvl.INI"));
    EXPECT_EQ(home.dataFolder(), root + QStringLiteral("/data/"));
    EXPECT_EQ(home.path(u"DATA\\add0001.DBF"), root + QStringLiteral("/data/ADD0001.dbf"));
    // The existing "SYSDATA" was used, not a second folder made beside it.
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(folders.size(), 2);
    EXPECT_TRUE(folders.contains(QStringLiteral("SYSDATA")));
}

TEST_F(HomeFolderTest, AHomeThatCannotBeMadeIsReported)
{
    writeFile(root, "a file where the folder should be");
    THomeFolder home(root);
    EXPECT_FALSE(home.prepare(supplied));
    EXPECT_TRUE(home.lastError().contains(QStringLiteral("home"))) << home.lastError().toStdString();
}

TEST(HomeFolderDefault, FollowsQuorvelHome)
{
    qputenv("QUORVEL_HOME", "/tmp/somewhere");
    EXPECT_EQ(THomeFolder::defaultRoot(), QStringLiteral("/tmp/somewhere"));
    qunsetenv("QUORVEL_HOME");
    EXPECT_TRUE(THomeFolder::defaultRoot().endsWith(QStringLiteral("/Quorvel")));
}

TEST(SuppliedData, TheSourceTreesDataIsFoundFromABuildTree)
{
    const QString folder = suppliedDataFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/help")));
    EXPECT_EQ(suppliedFileTarget(QStringLiteral("CSZ.DBF")), QStringLiteral("sysdata/CSZ.DBF"));
    EXPECT_EQ(suppliedFileTarget(QStringLiteral("quorvl.dct")), QStringLiteral("quorvl.dct"));
}
