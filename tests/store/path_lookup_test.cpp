#include "store/path_lookup.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

class PathLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("data")));
        ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("sysdata")));
        QFile(root + QStringLiteral("/data/ADD0001.dbf")).open(QIODevice::WriteOnly);
        QFile(root + QStringLiteral("/sysdata/FIELDS.LST")).open(QIODevice::WriteOnly);
    }

    testing_support::TempDir dir;
    const QString root = QString::fromStdString(dir.path());
};

} // namespace

TEST_F(PathLookupTest, FindsExistingFilesWhateverTheCaseAndSeparators)
{
    const struct {
        const char* relative;
        const char* found; // under root
    } cases[] = {
        {"DATA\\add0001.DBF", "/data/ADD0001.dbf"},
        {"data/ADD0001.dbf", "/data/ADD0001.dbf"},
        {"\\SYSDATA\\FIELDS.LST", "/sysdata/FIELDS.LST"}, // leading separator as the old program wrote it
        {"DATA\\\\add0001.dbf", "/data/ADD0001.dbf"},
        {"DATA\\", "/data/"},
        // Not there: the rest is spelled as given, ready to be created.
        {"DATA\\add0002.DBF", "/data/add0002.DBF"},
        {"NEW\\Sub\\file.txt", "/NEW/Sub/file.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolvePathIgnoringCase(root, QString::fromLatin1(c.relative)), root + QString::fromLatin1(c.found))
            << c.relative;
}

TEST_F(PathLookupTest, PrefersTheExactSpellingWhenTwoEntriesDifferOnlyInCase)
{
    QFile(root + QStringLiteral("/data/add0001.DBF")).open(QIODevice::WriteOnly);
    EXPECT_EQ(resolvePathIgnoringCase(root, u"data/add0001.DBF"), root + QStringLiteral("/data/add0001.DBF"));
    EXPECT_EQ(resolvePathIgnoringCase(root, u"data/ADD0001.dbf"), root + QStringLiteral("/data/ADD0001.dbf"));
}
