// The bulk-mail presort without a file: which ZIP codes are counted and
// under what text, the passes that turn a tally into packages, the built-in
// ADC table, and PRESORT.PSL as written.
#include "labels/adc_table.h"
#include "labels/presort_list.h"
#include "labels/presort_passes.h"
#include "labels/presort_zip.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include <set>
#include <string>

using namespace labels;

namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

TEST(PresortZipTest, CountsByTextComparisonOnTheFirstFiveCharacters)
{
    struct Case {
        const char* zip;
        bool counted;
        const char* countedAs; // PresortZip
    };
    const Case cases[] = {
        {"", false, ""},
        {"0000", false, "0000"},       // shorter than "00000", so below it
        {"00000", true, "00000"},
        {"0999", true, "0999"},        // short, but above "00000"
        {"1234", true, "1234"},
        {"1", true, "1"},
        {"12345-6789", true, "12345"},
        {"1234 5678", true, "1234"},   // the blank ending the five goes
        {"99999", true, "99999"},
        {"99999-1234", true, "99999"},
        {"9999A", false, "9999A"},     // 'A' sorts after '9'
        {"9999:", false, "9999:"},
        {"1234a", true, "1234a"},      // a lower-case letter after four digits is still below the top
        {"K1A 0B1", false, "K1A 0"},
        {" 1234", false, " 1234"},
        {"A1234", false, "A1234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zip);
        EXPECT_EQ(CountsForPresort(qs(c.zip)), c.counted);
        const std::string bytes(c.zip);
        EXPECT_EQ(CountsForPresort(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()), c.counted);
        EXPECT_EQ(PresortZip(qs(c.zip)), qs(c.countedAs));
    }
}

TEST(PresortZipTest, SeeksAsTheZipTagKeys)
{
    struct Case {
        const char* zip;
        int width;
        const char* key;
    };
    const Case cases[] = {
        {"30301", 10, "30301"},
        {"1234", 10, "1234 "}, // not the records of 12345
        {"1234a", 10, "1234A"},
        {"12\xc3\xa9", 10, "12\xc3\x89  "},
        {"123", 4, "123 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zip);
        EXPECT_EQ(PresortSeekKey(qs(c.zip), c.width), qs(c.key));
    }
}

TPresortCount Tally(std::initializer_list<std::pair<const char*, std::uint32_t>> zips,
                    std::initializer_list<std::pair<const char*, std::uint32_t>> notPresorted = {})
{
    TPresortCount count;
    for (const auto& [zip, pieces] : zips)
        count.piecesByZip[qs(zip)] += pieces;
    for (const auto& [zip, pieces] : notPresorted)
        count.notPresortedByZip[qs(zip)] += pieces;
    return count;
}

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list << qs(line);
    return list;
}

TEST(PresortPassesTest, BuildsPackagesGroupsAndTheRest)
{
    struct Case {
        const char* name;
        TPresortCount count;
        QStringList lines;
    };
    const Case cases[] = {
        {"twelve of one ZIP are a 5-digit package", Tally({{"30301", 12}}), Lines({"** 5-digit 30301", "30301"})},
        {"exactly ten pieces are a 5-digit package", Tally({{"30301", 10}}), Lines({"** 5-digit 30301", "30301"})},
        {"nine are not", Tally({{"30301", 9}}), Lines({"** ADC NORTH METRO GA 301", "30301"})},
        {"6 + 5 of one prefix are a 3-digit package", Tally({{"30305", 6}, {"30307", 5}}),
         Lines({"** 3-digit 303", "30305", "30307"})},
        {"5 + 5 are a 3-digit package", Tally({{"30305", 5}, {"30307", 5}}),
         Lines({"** 3-digit 303", "30305", "30307"})},
        {"5 + 4 are not", Tally({{"30305", 5}, {"30307", 4}}),
         Lines({"** ADC NORTH METRO GA 301", "30305", "30307"})},
        {"three of 30399 alone go to their ADC", Tally({{"30399", 3}}), Lines({"** ADC NORTH METRO GA 301", "30399"})},
        {"a 5-digit package leaves its neighbours one run", Tally({{"30300", 5}, {"30301", 12}, {"30302", 5}}),
         Lines({"** 5-digit 30301", "30301", "** 3-digit 303", "30300", "30302"})},
        {"prefix 969 is Honolulu's, 000 is no centre's", Tally({{"00012", 1}, {"96910", 2}}),
         Lines({"** ADC HONOLULU HI 967", "96910", "** Unknown", "00012"})},
        {"every 5-digit package before every 3-digit one",
         Tally({{"01001", 4}, {"01002", 6}, {"90210", 10}, {"12345", 1}}),
         Lines({"** 5-digit 90210", "90210", "** 3-digit 010", "01001", "01002", "** ADC ALBANY NY 120", "12345"})},
        {"groups in table order, ZIPs ascending within each",
         Tally({{"96920", 1}, {"12001", 1}, {"96801", 1}, {"12999", 1}}),
         Lines({"** ADC ALBANY NY 120", "12001", "12999", "** ADC HONOLULU HI 967", "96801", "96920"})},
        {"short ZIPs are lines of their own", Tally({{"0999", 1}, {"1234", 2}, {"12", 1}}),
         Lines({"** ADC ALBANY NY 120", "1234", "** Unknown", "0999", "12"})},
        {"records not presorted end the list under their header alone",
         Tally({{"30301", 12}}, {{"", 2}, {"K1A 0B1", 1}}),
         Lines({"** 5-digit 30301", "30301", "** Not presorted"})},
        {"only records not presorted", Tally({}, {{"", 1}}), Lines({"** Not presorted"})},
        {"nothing selected", Tally({}), QStringList()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildPresortList(c.count), c.lines);
    }
}

TEST(PresortPassesTest, GroupsEachZipLineAndTheRecordsNotPresorted)
{
    const TPresortCount count = Tally({{"30301", 12}, {"30305", 6}, {"30307", 5}, {"58001", 1}, {"00012", 2}},
                                      {{"", 3}, {"9999A", 1}, {"K1A 0B1", 2}});
    const std::vector<TPresortLine> rows = PresortGroups(count);
    const std::vector<std::tuple<QString, QString, std::uint32_t>> expected = {
        {qs("** 5-digit 30301"), qs("30301"), 12u}, {qs("** 3-digit 303"), qs("30305"), 6u},
        {qs("** 3-digit 303"), qs("30307"), 5u},    {qs("** ADC FARGO ND  580"), qs("58001"), 1u},
        {qs("** Unknown"), qs("00012"), 2u},        {qs("** Not presorted"), qs(""), 3u},
        {qs("** Not presorted"), qs("9999A"), 1u},  {qs("** Not presorted"), qs("K1A 0B1"), 2u},
    };
    ASSERT_EQ(rows.size(), expected.size());
    std::uint32_t pieces = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].group, std::get<0>(expected[i]));
        EXPECT_EQ(rows[i].zip, std::get<1>(expected[i]));
        EXPECT_EQ(rows[i].pieces, std::get<2>(expected[i]));
        pieces += rows[i].pieces;
    }
    EXPECT_EQ(pieces, 32u);
    // The rows follow the list's ZIP lines exactly.
    QStringList zipLines;
    for (const QString& line : BuildPresortList(count)) {
        if (!IsPresortBreak(line))
            zipLines << line;
    }
    QStringList rowZips;
    for (const TPresortLine& row : rows) {
        if (row.group != QLatin1String(kNotPresortedHeader))
            rowZips << row.zip;
    }
    EXPECT_EQ(rowZips, zipLines);
}

TEST(AdcTableTest, HoldsEveryPrefixOnceUnderNamesPrintedExactly)
{
    const std::span<const TAdcEntry> table = AdcTable();
    ASSERT_EQ(table.size(), 96u);
    std::set<std::string> prefixes;
    std::size_t listed = 0;
    for (const TAdcEntry& entry : table) {
        const QStringList own = qs(entry.prefixes).split(QLatin1Char(' '));
        for (const QString& prefix : own) {
            SCOPED_TRACE(entry.name);
            ASSERT_EQ(prefix.size(), 3) << prefix.toStdString();
            EXPECT_TRUE(prefixes.insert(prefix.toStdString()).second) << prefix.toStdString() << " twice";
            ++listed;
        }
    }
    EXPECT_EQ(listed, 930u);
    std::set<std::string> names;
    for (const TAdcEntry& entry : table)
        names.insert(entry.name);
    for (const char* name : {"FARGO ND  580", "LAS VEGAS  NV 890", "SAN JUAN PR  006", "BURMINGHAM AL 350",
                             "WHITE RIVER JCT VT 050", "WHITE RVR JCT VT 050", "ST. LOUIS MO 630"})
        EXPECT_TRUE(names.count(name)) << name;
    EXPECT_STREQ(table.front().name, "ALBANY NY 120");
    EXPECT_STREQ(table.back().name, "WILMINGTON DE 197");
}

TEST(AdcTableTest, EveryEntryNamesItsOwnGroup)
{
    const std::span<const TAdcEntry> table = AdcTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(table[i].name);
        const QString zip = qs(table[i].prefixes).left(3) + QStringLiteral("01");
        EXPECT_EQ(FindAdcEntry(zip), static_cast<int>(i));
        EXPECT_EQ(BuildPresortList(Tally({{zip.toLatin1().constData(), 1}})),
                  QStringList({QStringLiteral("** ADC ") + qs(table[i].name), zip}));
    }
    struct Case {
        const char* zip;
        const char* adc; // null: none
    };
    const Case cases[] = {
        {"90001", "LOS ANGELES CA 900"}, {"90201", "TWIN VALLEY CA 900"}, {"05401", "WHITE RVR JCT VT 050"},
        {"05601", "WHITE RIVER JCT VT 050"}, {"49501", "GRAND RAPIDS MI 493"}, {"00001", nullptr},
        {"09901", nullptr}, {"98701", nullptr}, {"12", nullptr}, {"1A345", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zip);
        const int entry = FindAdcEntry(qs(c.zip));
        if (!c.adc) {
            EXPECT_EQ(entry, -1);
            continue;
        }
        ASSERT_GE(entry, 0);
        EXPECT_STREQ(table[static_cast<std::size_t>(entry)].name, c.adc);
    }
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A folder nothing can be written to while this lives: its write
// permission taken away, and for root (whom permissions do not stop) the
// immutable flag of the file system where it has one.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(folder)
    {
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
#ifdef __linux__
        if (!Holds())
            immutable_ = SetImmutable(true);
#endif
    }
    ~ReadOnlyFolder()
    {
#ifdef __linux__
        if (immutable_)
            SetImmutable(false);
#endif
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Holds() const
    {
        const QString probe = folder_ + QStringLiteral("/probe");
        QFile file(probe);
        const bool written = file.open(QIODevice::WriteOnly);
        file.close();
        QFile::remove(probe);
        return !written;
    }

private:
#ifdef __linux__
    bool SetImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
#endif

    QString folder_;
    bool immutable_ = false;
};

TEST(PresortFileTest, WritesWindows1252WithCrLfAfterEveryLine)
{
    testing_support::TempDir dir;
    const QString path = QString::fromStdString(dir.file("PRESORT.PSL"));
    struct Case {
        const char* name;
        QStringList lines;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"a package and the records not presorted", Lines({"** 5-digit 30301", "30301", "** Not presorted"}),
         "** 5-digit 30301\r\n30301\r\n** Not presorted\r\n"},
        {"blanks inside kept", Lines({"** ADC LAS VEGAS  NV 890", "89001"}), "** ADC LAS VEGAS  NV 890\r\n89001\r\n"},
        {"Windows-1252", Lines({"** Unknown", "1234\xc3\xa9"}), "** Unknown\r\n1234\xe9\r\n"},
        {"empty selection", QStringList(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        ASSERT_TRUE(WritePresortFile(path, c.lines, &error)) << error.toStdString();
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(FileBytes(path), c.bytes);
        EXPECT_EQ(ReadPresortFile(path).lines, c.lines);
    }
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files), QStringList{QStringLiteral("PRESORT.PSL")});
}

TEST(PresortFileTest, AFailedWriteKeepsTheOldListAndSaysWhy)
{
    testing_support::TempDir dir;
    const QString path = QString::fromStdString(dir.file("PRESORT.PSL"));
    ASSERT_TRUE(WritePresortFile(path, Lines({"** 5-digit 30301", "30301"})));
    const QByteArray old = FileBytes(path);

    QString error;
    EXPECT_FALSE(WritePresortFile(path, Lines({"** Unknown", "1234\xc4\x81"}), &error));
    EXPECT_TRUE(error.contains(QLatin1String("PRESORT.PSL"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("\u0101"))) << error.toStdString();
    EXPECT_EQ(FileBytes(path), old);

    const QString folder = QString::fromStdString(dir.path());
    const ReadOnlyFolder readOnly(folder);
    if (!readOnly.Holds())
        GTEST_SKIP() << "the folder cannot be made read-only for this user";
    error.clear();
    EXPECT_FALSE(WritePresortFile(path, Lines({"30399"}), &error));
    EXPECT_TRUE(error.contains(QLatin1String("PRESORT.PSL"))) << error.toStdString();
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("PRESORT.PSL")});
}

TEST(PresortFileTest, AListThatCannotBeCreatedNamesTheFile)
{
    testing_support::TempDir dir;
    const QString notAFolder = QString::fromStdString(dir.file("plain"));
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QString error;
    EXPECT_FALSE(WritePresortFile(notAFolder + QStringLiteral("/PRESORT.PSL"), Lines({"30301"}), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("The presort list ")) && error.contains(QLatin1String("PRESORT.PSL")))
        << error.toStdString();
}

} // namespace
