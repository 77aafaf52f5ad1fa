// Rebuilding indexes: the gauge arithmetic, the address file packed and
// given its 26 tags anew, and the system tables one after another.
#include "address_test_file.h"

#include "store/index_rebuild.h"
#include "store/index_rebuild_gauge.h"
#include "store/supplied_tables.h"
#include "store/system_tables.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

using namespace quorvel;
using quorvel::store_tests::AddressFileTest;
using quorvel::store_tests::qs;

namespace {

// Reports 0 to 100 in steps of ten, as one tag of the engine would.
void climb(TRebuildGauge& gauge, std::vector<int>* positions = nullptr)
{
    for (int percent = 0; percent <= 100; percent += 10) {
        const int position = gauge.report(percent);
        if (positions)
            positions->push_back(position);
    }
}

void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// Everything the rebuild told its window.
struct TSeen {
    QStringList statuses;
    std::vector<int> gauge;

    TRebuildProgress progress()
    {
        return {[this](const QString& text) { statuses << text; }, [this](int position) { gauge.push_back(position); }};
    }
};

} // namespace

TEST(RebuildGauge, PackingShowsEachReportAsItComes)
{
    TRebuildGauge gauge;
    gauge.startPacking();
    for (const auto& [reported, shown] : {std::pair{0, 0}, {37, 37}, {12, 12}, {100, 100}, {140, 100}, {-5, 0}})
        EXPECT_EQ(gauge.report(reported), shown) << reported;
    EXPECT_EQ(gauge.total(), 0);
}

TEST(RebuildGauge, IndexingCountsEachClimbAgainst2100Points)
{
    struct Case {
        std::vector<int> reports;
        int total;
        int position;
    };
    const Case cases[] = {
        {{0, 50, 100}, 100, 5},           // 100 / 21 = 4.76
        {{0, 10}, 10, 0},                 // 0.48 rounds down
        {{0, 11}, 11, 1},                 // 0.52 rounds up
        {{0, 60, 40, 90}, 110, 5},        // a fall only moves the mark
        {{0, 100, 30, 100}, 170, 8},      // the next tag starting above zero
        {{0, 100, 100, 100}, 100, 5},     // repeats add nothing
    };
    for (const Case& c : cases) {
        TRebuildGauge gauge;
        gauge.startIndexing();
        int position = -1;
        for (int percent : c.reports)
            position = gauge.report(percent);
        EXPECT_EQ(gauge.total(), c.total);
        EXPECT_EQ(position, c.position);
    }
}

TEST(RebuildGauge, TheGaugeIsFullFromTheTwentyFirstTagOn)
{
    TRebuildGauge gauge;
    gauge.startPacking();
    climb(gauge);
    gauge.startIndexing();
    EXPECT_EQ(gauge.position(), 0) << "the packing percentages are not carried over";
    for (int tag = 1; tag <= 20; ++tag)
        climb(gauge);
    EXPECT_EQ(gauge.position(), 95);
    std::vector<int> positions;
    climb(gauge, &positions);
    EXPECT_LT(positions.front(), 100);
    EXPECT_EQ(positions.back(), 100);
    for (int tag = 22; tag <= 26; ++tag) {
        positions.clear();
        climb(gauge, &positions);
        for (int position : positions)
            EXPECT_EQ(position, 100) << "tag " << tag;
    }
    EXPECT_EQ(gauge.total(), 2600);
    gauge.reset();
    EXPECT_EQ(gauge.phase(), TRebuildPhase::rpPacking);
    EXPECT_EQ(gauge.position(), 0);
}

class AddressRebuild : public AddressFileTest {
protected:
    // Five records; Baker and Evans deleted as the main window deletes them
    // (flag and ISDEL), Carter only marked ISDEL without the flag.
    void addRecordsWithDeletions()
    {
        for (const char* name : {"Adams", "Baker", "Carter", "Dunn", "Evans"})
            add({{"LNAME", name}, {"ZIP", "12345"}}, QStringLiteral("notes on ") + QString::fromLatin1(name));
        for (std::uint32_t recno : {2u, 5u}) {
            ASSERT_TRUE(dataset.GoTo(recno));
            ASSERT_TRUE(dataset.Edit());
            ASSERT_TRUE(dataset.SetFieldAsBoolean(u"ISDEL", true));
            ASSERT_TRUE(dataset.Post());
            ASSERT_TRUE(dataset.Delete());
        }
        ASSERT_TRUE(dataset.GoTo(3));
        ASSERT_TRUE(dataset.Edit());
        ASSERT_TRUE(dataset.SetFieldAsBoolean(u"ISDEL", true));
        ASSERT_TRUE(dataset.Post());
    }

    QString indexPath() const { return qs(dir.file("add0001.CDX")); }
};

TEST_F(AddressRebuild, PacksTheFlaggedRecordsAndBuildsEveryTag)
{
    addRecordsWithDeletions();
    TSeen seen;
    const TTableResult rebuilt = RebuildAddressIndexes(dataset, seen.progress());
    ASSERT_TRUE(rebuilt.ok) << rebuilt.detail.toStdString();

    EXPECT_EQ(seen.statuses, (QStringList{QStringLiteral("Cleaning out old deleted records"),
                                          QStringLiteral("Rebuilding indexes")}));
    ASSERT_FALSE(seen.gauge.empty());
    EXPECT_EQ(seen.gauge.front(), 0);
    EXPECT_EQ(seen.gauge.back(), 100);

    // Reopened from disk: the flagged records are gone, the ISDEL-only
    // record stays, memos still belong to their records, every tag is there.
    ASSERT_TRUE(OpenQVWFile(path, dataset).indexValid);
    EXPECT_EQ(engine.sx_RecCount(), 3u);
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    EXPECT_EQ(lastNames(), (QStringList{QStringLiteral("Adams"), QStringLiteral("Carter"), QStringLiteral("Dunn")}));
    ASSERT_TRUE(dataset.GoTo(3));
    EXPECT_EQ(dataset.MemoText(u"MEMO"), QStringLiteral("notes on Dunn"));
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    EXPECT_EQ(dataset.QueryRecCount(), 2u);
    EXPECT_TRUE(engine.sx_CheckIndex().isOk());
}

TEST_F(AddressRebuild, TheIndexingGaugeNeverRunsBackAndEndsFull)
{
    addRecordsWithDeletions();
    TSeen seen;
    ASSERT_TRUE(RebuildAddressIndexes(dataset, seen.progress()).ok);
    // From the last 0 of the packing phase on, the positions only rise.
    std::size_t indexingStart = seen.gauge.size();
    for (std::size_t i = 0; i < seen.gauge.size(); ++i) {
        if (seen.gauge[i] == 100) {
            indexingStart = i + 1;
            break;
        }
    }
    ASSERT_LT(indexingStart, seen.gauge.size()) << "packing reached 100 before indexing began";
    for (std::size_t i = indexingStart + 1; i < seen.gauge.size(); ++i)
        EXPECT_GE(seen.gauge[i], seen.gauge[i - 1]) << "report " << i;
}

TEST_F(AddressRebuild, ADamagedIndexFileIsReplaced)
{
    addRecordsWithDeletions();
    dataset.Close();
    overwrite(indexPath(), QByteArray(1024, '\x5a'));
    const TAddressOpenResult opened = OpenQVWFile(path, dataset);
    ASSERT_TRUE(opened.ok);
    ASSERT_FALSE(opened.indexValid);

    const TTableResult rebuilt = RebuildAddressIndexes(dataset);
    ASSERT_TRUE(rebuilt.ok) << rebuilt.detail.toStdString();
    EXPECT_TRUE(CheckValidIndex(dataset));

    ASSERT_TRUE(OpenQVWFile(path, dataset).indexValid);
    EXPECT_TRUE(engine.sx_CheckIndex().isOk());
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    EXPECT_EQ(lastNames(), (QStringList{QStringLiteral("Adams"), QStringLiteral("Carter"), QStringLiteral("Dunn")}));
}

TEST_F(AddressRebuild, AMissingIndexFileIsBuilt)
{
    add({{"LNAME", "Adams"}});
    dataset.Close();
    ASSERT_TRUE(QFile::remove(indexPath()));
    ASSERT_FALSE(OpenQVWFile(path, dataset).indexValid);
    ASSERT_TRUE(RebuildAddressIndexes(dataset).ok);
    EXPECT_TRUE(OpenQVWFile(path, dataset).indexValid);
}

TEST_F(AddressRebuild, NothingIsTouchedWhenNoFileIsOpenOrARecordIsBeingEdited)
{
    addRecordsWithDeletions();
    ASSERT_TRUE(dataset.GoTo(1));
    ASSERT_TRUE(dataset.Edit());
    const TTableResult editing = RebuildAddressIndexes(dataset);
    EXPECT_FALSE(editing.ok);
    EXPECT_EQ(editing.messages, QStringList{QStringLiteral("Unable to create index files")});
    EXPECT_EQ(engine.sx_RecCount(), 5u);
    EXPECT_TRUE(QFile::exists(indexPath()));
    dataset.Cancel();

    dataset.Close();
    TSeen seen;
    const TTableResult closed = RebuildAddressIndexes(dataset, seen.progress());
    EXPECT_FALSE(closed.ok);
    EXPECT_EQ(closed.messages, QStringList{QStringLiteral("You need to have a database file open first")});
    EXPECT_TRUE(seen.statuses.isEmpty());
}

namespace {

class SystemRebuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(sysdata());
        const QString supplied = qs(testing_support::sourceDir()) + QStringLiteral("/data");
        ASSERT_TRUE(BuildMissingSuppliedTables(sysdata(), supplied).ok);
        for (const TSystemTableInfo& info : systemTables()) {
            const TTableResult opened = OpenSystemTable(info.table, dataset, sysdata());
            ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
        }
        dataset.Close();
    }

    // Three labels, the middle one deleted.
    void addLabels()
    {
        ASSERT_TRUE(OpenSystemTable(TSystemTable::stLabel, dataset, sysdata()).ok);
        for (const char* name : {"Shipping", "Return", "Folder"}) {
            ASSERT_TRUE(dataset.Insert());
            ASSERT_TRUE(dataset.SetFieldAsString(u"DESCRIPT", QString::fromLatin1(name)));
            ASSERT_TRUE(dataset.Post());
        }
        ASSERT_TRUE(dataset.GoTo(2));
        ASSERT_TRUE(dataset.Delete());
        dataset.Close();
    }

    QString sysdata() const { return qs(dir.path()) + QStringLiteral("/sysdata/"); }

    static QStringList allTables(std::initializer_list<const char*> except = {})
    {
        QStringList names;
        for (const TSystemRebuildStep& step : systemRebuildSteps())
            names << QString(systemTableInfo(step.table).fileName);
        for (const char* name : except)
            names.removeAll(QString::fromLatin1(name));
        return names;
    }

    testing_support::TempDir dir;
    xbase::TApollo engine;
    TDataset dataset{engine};
};

} // namespace

TEST_F(SystemRebuild, EveryTableIsPackedAndGetsItsTagInOrder)
{
    addLabels();
    overwrite(sysdata() + QStringLiteral("CSZ.CDX"), QByteArray(700, '\x01'));
    TSeen seen;
    const TSystemRebuildResult result = RebuildSystemIndexes(engine, sysdata(), seen.progress());

    EXPECT_EQ(result.rebuilt, allTables());
    EXPECT_TRUE(result.failed.isEmpty()) << result.failed.join(u'\n').toStdString();
    EXPECT_EQ(seen.statuses,
              (QStringList{QStringLiteral("Rebuilding Letters File indexes"), QStringLiteral("Rebuilding Label File indexes"),
                           QStringLiteral("Rebuilding State/Province File indexes"),
                           QStringLiteral("Rebuilding Label Setup File indexes"),
                           QStringLiteral("Rebuilding Envelope File indexes"),
                           QStringLiteral("Rebuilding Report File indexes")}));
    for (int position : seen.gauge) {
        EXPECT_GE(position, 0);
        EXPECT_LE(position, 100);
    }
    EXPECT_FALSE(engine.sx_IsOpen());

    for (const TSystemTableInfo& info : systemTables()) {
        ASSERT_TRUE(engine.sx_Use((sysdata() + QString(info.fileName)).toStdString())) << info.fileName.data();
        EXPECT_NE(engine.sx_TagArea(QString(info.tagName).toStdString()), 0) << info.fileName.data();
        EXPECT_TRUE(engine.sx_CheckIndex().isOk()) << info.fileName.data();
        if (info.table == TSystemTable::stLabel) {
            EXPECT_EQ(engine.sx_RecCount(), 2u);
            EXPECT_TRUE(engine.sx_SetOrder(engine.sx_TagArea("DESCRIPT")));
            EXPECT_TRUE(engine.sx_GoTop());
            EXPECT_EQ(engine.sx_GetString("DESCRIPT"), "Folder");
        }
        engine.sx_Close();
    }
}

TEST_F(SystemRebuild, AMissingTableIsPassedOverAndTheOthersAreRebuilt)
{
    ASSERT_TRUE(QFile::remove(sysdata() + QStringLiteral("LETTER.DBF")));
    const TSystemRebuildResult result = RebuildSystemIndexes(engine, sysdata());
    EXPECT_EQ(result.missing, QStringList{QStringLiteral("LETTER.DBF")});
    EXPECT_EQ(result.rebuilt, allTables({"LETTER.DBF"}));
    EXPECT_TRUE(result.failed.isEmpty());
    EXPECT_FALSE(QFile::exists(sysdata() + QStringLiteral("LETTER.DBF"))) << "a missing table is not made";
}

TEST_F(SystemRebuild, ATableThatCannotBeOpenedIsNamedAndLeftAsItWas)
{
    const QString envelope = sysdata() + QStringLiteral("ENVELOPE.DBF");
    overwrite(envelope, QByteArray("not a table"));
    const TSystemRebuildResult result = RebuildSystemIndexes(engine, sysdata());
    ASSERT_EQ(result.failed.size(), 1);
    EXPECT_TRUE(result.failed.front().startsWith(QStringLiteral("ENVELOPE.DBF: "))) << result.failed.front().toStdString();
    EXPECT_EQ(result.rebuilt, allTables({"ENVELOPE.DBF"}));
    QFile file(envelope);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a table"));
}
