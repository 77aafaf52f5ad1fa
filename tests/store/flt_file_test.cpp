// Filter files: what is written, what is read back, and damaged files that
// must change nothing.
#include "store/flt_file.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TFilterState sampleState()
{
    TFilterState state;
    state.value(TFilterBox::fbLName) = QStringLiteral("Jo;Sm");
    state.value(TFilterBox::fbDate) = QStringLiteral(">19970101");
    state.value(TFilterBox::fbUser2) = QString::fromUtf8("caf\xC3\xA9 \"x\" ");
    state.reverse = true;
    return state;
}

class FltFileTest : public ::testing::Test {
protected:
    testing_support::TempDir dir_;
    QString path_ = QString::fromStdString(dir_.file("MINE.FLT"));
};

TEST_F(FltFileTest, WritesTwentyWindows1252LinesAndReadsThemBack)
{
    QString error;
    ASSERT_TRUE(SaveFilterTo(path_, sampleState(), &error)) << error.toStdString();
    const QByteArray expected = QByteArray("Jo;Sm\r\n") + QByteArray("\r\n").repeated(13) +
        ">19970101\r\n\r\n\r\ncaf\xE9 \"x\" \r\nF\r\nT\r\n";
    EXPECT_EQ(readAll(path_), expected);

    TFilterState read;
    read.expression = QStringLiteral("stale");
    ASSERT_TRUE(RestoreFilterFrom(path_, &read, &error)) << error.toStdString();
    EXPECT_EQ(read, sampleState());
}

TEST_F(FltFileTest, ShortFilesAndOtherLineEndsRead)
{
    const struct {
        QByteArray bytes;
        const char* lname;
        const char* fname;
        bool tagged;
        bool reverse;
    } cases[] = {
        {"", "", "", false, false},
        {"JONES", "JONES", "", false, false},
        {"JONES\nANN\n", "JONES", "ANN", false, false},
        {"JONES\rANN\r", "JONES", "ANN", false, false},
        {QByteArray("A\r\n").repeated(18) + "T", "A", "A", true, false},
        {QByteArray("\r\n").repeated(18) + "f\r\nt\r\n\r\n\r\n", "", "", false, true},
    };
    for (const auto& c : cases) {
        TFilterState state;
        QString error;
        ASSERT_TRUE(parseFilterFile(c.bytes, &state, &error)) << c.bytes.toStdString() << error.toStdString();
        EXPECT_EQ(state.value(TFilterBox::fbLName), QLatin1String(c.lname));
        EXPECT_EQ(state.value(TFilterBox::fbFName), QLatin1String(c.fname));
        EXPECT_EQ(state.taggedOnly, c.tagged);
        EXPECT_EQ(state.reverse, c.reverse);
    }
}

TEST_F(FltFileTest, DamagedFilesGiveAMessageAndChangeNothing)
{
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {QByteArray("JONES\0X\r\n", 9), "line 1 holds characters that are not text"},
        {QByteArray("\r\n").repeated(18) + "YES\r\nF\r\n", "line 19 must be T or F"},
        {QByteArray("\r\n").repeated(19) + "1\r\n", "line 20 must be T or F"},
        {QByteArray("x\r\n").repeated(21), "it has more than 20 lines"},
        {QByteArray(70000, 'x'), "it is too large to be a filter file"},
    };
    for (const auto& c : cases) {
        writeAll(path_, c.bytes);
        TFilterState state = sampleState();
        QString error;
        EXPECT_FALSE(RestoreFilterFrom(path_, &state, &error));
        EXPECT_EQ(error, QStringLiteral("The filter file %1 cannot be read: %2").arg(path_, QLatin1String(c.reason)));
        EXPECT_EQ(state, sampleState());
    }
}

TEST_F(FltFileTest, AMissingFileIsReported)
{
    TFilterState state = sampleState();
    QString error;
    EXPECT_FALSE(RestoreFilterFrom(path_, &state, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("The filter file "))) << error.toStdString();
    EXPECT_EQ(state, sampleState());
}

TEST_F(FltFileTest, ValuesAFileCannotHoldAreRefusedAndTheOldFileStays)
{
    writeAll(path_, "OLD\r\n");
    const QString values[] = {QStringLiteral("two\nlines"), QString::fromUtf8("\xC4\x81")};
    for (const QString& value : values) {
        TFilterState state;
        state.value(TFilterBox::fbCity) = value;
        QString error;
        EXPECT_FALSE(SaveFilterTo(path_, state, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readAll(path_), QByteArray("OLD\r\n"));
    }
}

TEST(FltFileNames, OnlyFltNamesAreTaken)
{
    const struct {
        const char* chosen;
        const char* savedAs;    // nullptr: refused
        bool restorable;
    } cases[] = {
        {"/f/mine.FLT", "/f/mine.FLT", true},
        {"/f/mine.flt", "/f/mine.flt", true},
        {"/f/mine", "/f/mine.FLT", false},
        {"/f/mine.TXT", nullptr, false},
        {"/f/mine.flt.txt", nullptr, false},
        // A dot in a folder's name is no extension.
        {"/home/jo/.filters/mine", "/home/jo/.filters/mine.FLT", false},
        {"C:\\my.data\\mine", "C:\\my.data\\mine.FLT", false},
    };
    for (const auto& c : cases) {
        QString refusal;
        const QString path = filterSavePath(QString::fromUtf8(c.chosen), &refusal);
        if (c.savedAs) {
            EXPECT_EQ(path, QString::fromUtf8(c.savedAs));
            EXPECT_TRUE(refusal.isEmpty());
        } else {
            EXPECT_TRUE(path.isEmpty()) << c.chosen;
            EXPECT_EQ(refusal, QStringLiteral("Must have a .FLT extension"));
        }
        EXPECT_EQ(filterRestoreRefusal(QString::fromUtf8(c.chosen)).isEmpty(), c.restorable) << c.chosen;
    }
    EXPECT_EQ(filterRestoreRefusal(QStringLiteral("x.txt")), QStringLiteral("Must be a Filter (.FLT) file"));
}

} // namespace
