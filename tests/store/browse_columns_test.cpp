// The browse window's column order file.
#include "store/browse_columns.h"
#include "store/home_folder.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QStringList list(std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* n : names)
        out << QLatin1String(n);
    return out;
}

TEST(BrowseColumns, EachNamedFieldMovesToItsLine)
{
    const QStringList fields = list({"Tagged", "LNAME", "FNAME", "CITY", "ZIP"});
    const struct {
        QStringList names;
        QStringList expected;
    } cases[] = {
        {{}, fields},
        {list({"ZIP", "CITY"}), list({"ZIP", "CITY", "Tagged", "LNAME", "FNAME"})},
        {list({"zip", "NOSUCH", "lname"}), list({"ZIP", "Tagged", "LNAME", "FNAME", "CITY"})},
        {list({"", "", "", "", "", "", "", "Tagged"}), list({"LNAME", "FNAME", "CITY", "ZIP", "Tagged"})},
        {list({"FNAME", "LNAME", "Tagged", "CITY", "ZIP"}), list({"FNAME", "LNAME", "Tagged", "CITY", "ZIP"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyBrowseColumnOrder(fields, c.names), c.expected) << c.names.join(u',').toStdString();
    EXPECT_EQ(ApplyBrowseColumnOrder({}, list({"ZIP"})), QStringList());
}

TEST(BrowseColumns, WrittenOrderReadsBack)
{
    testing_support::TempDir dir;
    const THomeFolder home(QString::fromStdString(dir.path()));
    ASSERT_TRUE(QDir().mkpath(home.sysdataFolder()));
    const QString path = browseColumnsPath(home);
    EXPECT_TRUE(path.endsWith(QStringLiteral("sysdata/FIELDS.LST")));
    EXPECT_EQ(ReadBrowseColumnOrder(path), QStringList());

    const QStringList columns = list({"ZIP", "Tagged", "LNAME"});
    QString error;
    ASSERT_TRUE(WriteBrowseColumnOrder(path, columns, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("ZIP\r\nTagged\r\nLNAME\r\n"));
    EXPECT_EQ(ReadBrowseColumnOrder(path), columns);
}

TEST(BrowseColumns, DamagedFilesOnlyGiveNamesThatMatchNothing)
{
    const QStringList fields = list({"LNAME", "CITY"});
    const QByteArray damaged[] = {
        QByteArray("\0\x01\xFF\r\n\x80", 6),
        QByteArray(200000, '\n'),
        QByteArray("CITY \t\r\n"),
    };
    for (const QByteArray& bytes : damaged) {
        const QStringList names = parseBrowseColumnOrder(bytes);
        EXPECT_LE(names.size(), 1024);
        const QStringList applied = ApplyBrowseColumnOrder(fields, names);
        EXPECT_EQ(applied.size(), 2);
    }
    EXPECT_EQ(parseBrowseColumnOrder("CITY \t\r\n"), list({"CITY"}));
}

TEST(BrowseColumns, AnUnwritableFileIsReported)
{
    testing_support::TempDir dir;
    QString error;
    EXPECT_FALSE(WriteBrowseColumnOrder(QString::fromStdString(dir.file("missing/FIELDS.LST")), list({"A"}), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
