// Counting the selected records for the presort on a real address file:
// what the selection leaves out is never counted, the status texts and a
// cancel, the cursor put back, and the whole presort writing its list.
#include "labels/presort_count.h"
#include "labels/presort_list.h"
#include "labels/presort_run.h"
#include "store/address_test_file.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace labels;
using quorvel::store_tests::qs;

namespace {

// Records the status texts and cancels at the text given.
class ScriptedProgress : public TPresortProgress {
public:
    QStringList texts;
    QString cancelAt;
    int asked = 0;

    void ShowStatus(const QString& text) override { texts << text; }
    bool CancelRequested() override
    {
        ++asked;
        return !cancelAt.isEmpty() && texts.last() == cancelAt;
    }
};

class PresortCountTest : public quorvel::store_tests::AddressFileTest {
protected:
    void AddZip(const char* name, const char* zip) { add({{"LNAME", name}, {"ZIP", zip}}); }

    labels::TZipPieces Pieces(std::initializer_list<std::pair<const char*, std::uint32_t>> list)
    {
        labels::TZipPieces map;
        for (const auto& [zip, pieces] : list)
            map[QString::fromUtf8(zip)] = pieces;
        return map;
    }
};

TEST_F(PresortCountTest, CountsTheSelectionOnlyUnderItsZipTexts)
{
    AddZip("A", "30301");
    AddZip("B", "30301-1234");
    AddZip("C", "1234");
    AddZip("D", "1234 5678");
    AddZip("E", "");
    AddZip("F", "K1A 0B1");
    AddZip("G", "1234a");
    AddZip("H", "9999A");
    AddZip("DELETED", "30301");
    ASSERT_TRUE(dataset.Delete());
    add({{"LNAME", "ISDEL"}, {"ZIP", "30301"}, {"ISDEL", "T"}});
    add({{"LNAME", "ISDEL2"}, {"ZIP", "77777"}, {"ISDEL", "T"}});

    struct Case {
        const char* name;
        const char* query;
        labels::TZipPieces pieces;
        labels::TZipPieces notPresorted;
    };
    const Case cases[] = {
        {"every record not deleted", "!ISDEL",
         Pieces({{"1234", 2}, {"1234a", 1}, {"30301", 2}}), Pieces({{"", 1}, {"9999A", 1}, {"K1A 0B1", 1}})},
        // An .or. inside the filter must not reach the records marked deleted.
        {"a filter with .or.", "(UPPER(ZIP) = \"303\" .or. UPPER(ZIP) = \"777\" .or. LNAME = \"E\") .and. !ISDEL",
         Pieces({{"30301", 2}}), Pieces({{"", 1}})},
        {"a filter selecting nothing", "(LNAME = \"Z\") .and. !ISDEL", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(dataset.SetQuery(qs(c.query))) << dataset.lastError().toStdString();
        TSilentPresortProgress progress;
        const std::optional<TPresortCount> count = CountPresortPieces(dataset, progress);
        ASSERT_TRUE(count.has_value());
        EXPECT_EQ(count->piecesByZip, c.pieces);
        EXPECT_EQ(count->notPresortedByZip, c.notPresorted);
    }
}

TEST_F(PresortCountTest, ShowsItsProgressAndStopsOnCancelWithTheCursorBack)
{
    for (int i = 0; i < 201; ++i)
        AddZip(QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')).toLatin1().constData(), i % 2 ? "30301" : "");
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.GoTo(7));

    ScriptedProgress done;
    const std::optional<TPresortCount> count = CountPresortPieces(dataset, done);
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(done.texts, QStringList({QStringLiteral("Reading database records..."), QStringLiteral("Reading record 100"),
                                       QStringLiteral("Reading record 200"), QStringLiteral("Sorting Zip Codes...")}));
    // Asked at each status text while reading, never per record.
    EXPECT_EQ(done.asked, 3);
    EXPECT_EQ(count->piecesByZip, Pieces({{"30301", 100}}));
    EXPECT_EQ(count->notPresortedByZip, Pieces({{"", 101}}));
    EXPECT_EQ(dataset.Order().toUpper(), QStringLiteral("LNAME"));
    EXPECT_EQ(dataset.RecNo(), 7u);

    ScriptedProgress cancelling;
    cancelling.cancelAt = QStringLiteral("Reading record 200");
    EXPECT_FALSE(CountPresortPieces(dataset, cancelling).has_value());
    EXPECT_EQ(cancelling.texts.last(), QStringLiteral("Reading record 200"));
    EXPECT_EQ(dataset.Order().toUpper(), QStringLiteral("LNAME"));
    EXPECT_EQ(dataset.RecNo(), 7u);
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("N006"));
}

TEST_F(PresortCountTest, ThePresortWritesItsListOrNothing)
{
    for (int i = 0; i < 12; ++i)
        AddZip("P", "30301");
    AddZip("Q", "");
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    const QString list = qs(dir.file("PRESORT.PSL"));

    TSilentPresortProgress silent;
    const TPresortResult done = RunBulkMailPresort(dataset, list, silent);
    ASSERT_EQ(done.outcome, TPresortOutcome::Completed) << done.message.toStdString();
    const QStringList lines{QStringLiteral("** 5-digit 30301"), QStringLiteral("30301"), QStringLiteral("** Not presorted")};
    EXPECT_EQ(done.lines, lines);
    EXPECT_EQ(ReadPresortFile(list).lines, lines);

    ASSERT_TRUE(QFile::remove(list));
    ScriptedProgress cancelling;
    cancelling.cancelAt = QStringLiteral("Reading database records...");
    EXPECT_EQ(RunBulkMailPresort(dataset, list, cancelling).outcome, TPresortOutcome::Cancelled);
    EXPECT_FALSE(QFile::exists(list));

    const TPresortResult failed = RunBulkMailPresort(dataset, qs(dir.file("missing/PRESORT.PSL")), silent);
    EXPECT_EQ(failed.outcome, TPresortOutcome::Failed);
    EXPECT_TRUE(failed.message.contains(QLatin1String("PRESORT.PSL"))) << failed.message.toStdString();
    EXPECT_TRUE(failed.lines.isEmpty());
}

} // namespace

// The list and the command line's report order ZIP texts as the files store
// them: "€" is 0x80 in Windows-1252 and so comes before "é" (0xE9), although
// Unicode puts it far after.
TEST(PresortZipOrder, TextsSortByTheirWindows1252Codes)
{
    labels::TZipPieces pieces;
    for (const char* zip : {"é1", "€1", "Z", "", "1234"})
        pieces[QString::fromUtf8(zip)] = 1;
    QStringList order;
    for (const auto& entry : pieces)
        order.append(entry.first);
    EXPECT_EQ(order, QStringList({QString(), QStringLiteral("1234"), QStringLiteral("Z"), QString::fromUtf8("€1"),
                                  QString::fromUtf8("é1")}));
}
