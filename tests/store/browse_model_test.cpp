// The browse grid's table over a few thousand address records: rows in the
// current order and query, values, lazy reading, and keeping the dataset's
// current record.
#include "address_test_file.h"

#include "store/browse_model.h"
#include "xbase/dbf/field_codec.h"
#include "xbase/work_area.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace quorvel::store_tests {
namespace {

constexpr int kRecords = 3000;
const QString kTagId = QStringLiteral("TAGGED1");

QString lastName(int number) { return QStringLiteral("N%1").arg(number, 4, 10, QLatin1Char('0')); }

// Record i (from 0) holds name number (i * 7919) mod kRecords, so that the
// name order is far from the record order. Every 500th name is deleted, and
// every name divisible by 7 carries the tag id.
int nameNumberOfRecord(int index) { return static_cast<int>((static_cast<long long>(index) * 7919) % kRecords); }
bool deletedName(int number) { return number % 500 == 499; }
bool taggedName(int number) { return number % 7 == 0; }

// The file is made once (building its 26 tags takes a while) and each test
// works on its own copy.
class BrowseModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        made = new testing_support::TempDir;
        xbase::TApollo maker;
        TAddressDataset making(maker);
        const QString path = qs(made->file("add0001.DBF"));
        ASSERT_TRUE(CreateAddressFile(path, making, TNewFileFieldLengths()).ok);
        ASSERT_TRUE(OpenTableFile(path, making).ok);
        fill(*maker.workArea());
        making.Close();
    }
    static void TearDownTestSuite()
    {
        delete made;
        made = nullptr;
    }

    void SetUp() override
    {
        for (const QString& name : QDir(qs(made->path())).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(qs(made->file(name.toStdString())), qs(dir.file(name.toStdString()))));
        const TTableResult opened = OpenTableFile(qs(dir.file("add0001.DBF")), dataset);
        ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
        dataset.setGlobalTagId(kTagId);
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
        for (int number = 0; number < kRecords; ++number) {
            if (!deletedName(number))
                shownNames << lastName(number);
        }
        model = std::make_unique<TBrowseModel>(dataset, columns);
    }

    static void fill(xbase::WorkArea& area)
    {
        xbase::DbfTable& table = area.table();
        const xbase::Schema& schema = table.schema();
        const auto field = [&](const char* name) { return schema[static_cast<std::size_t>(xbase::findField(schema, name))]; };
        const std::size_t length = static_cast<std::size_t>(table.recordLength());
        std::vector<unsigned char> records(length * kRecords);
        for (int i = 0; i < kRecords; ++i) {
            unsigned char* record = records.data() + length * static_cast<std::size_t>(i);
            table.blankRecord(record);
            const int number = nameNumberOfRecord(i);
            const std::string name = lastName(number).toStdString();
            ASSERT_TRUE(xbase::putFieldText(record, field("LNAME"), name));
            ASSERT_TRUE(xbase::putFieldText(record, field("FNAME"), "F" + name));
            ASSERT_TRUE(xbase::putFieldText(record, field("DATE"), "20240229"));
            ASSERT_TRUE(xbase::putFieldText(record, field("ISDEL"), deletedName(number) ? "T" : "F"));
            if (taggedName(number)) {
                ASSERT_TRUE(xbase::putFieldText(record, field("TAG"), kTagId.toStdString()));
            }
            if (deletedName(number))
                record[0] = '*';
        }
        ASSERT_TRUE(area.appendRecords(records.data(), kRecords));
    }

    QString cell(int row, int column) { return model->data(model->index(row, column)).toString(); }
    int nameRow(int number) { return static_cast<int>(shownNames.indexOf(lastName(number))); }

    static testing_support::TempDir* made;
    testing_support::TempDir dir;
    xbase::TApollo engine;
    TAddressDataset dataset{engine};
    const QStringList columns{QStringLiteral("Tagged"), QStringLiteral("LNAME"), QStringLiteral("FNAME"),
                              QStringLiteral("DisplayDate")};
    QStringList shownNames; // the last names the query selects, in name order
    std::unique_ptr<TBrowseModel> model;
};

testing_support::TempDir* BrowseModelTest::made = nullptr;

TEST_F(BrowseModelTest, ShowsTheSelectedRecordsWithTheFieldLabelsAsTitles)
{
    EXPECT_EQ(model->rowCount(), shownNames.size());
    EXPECT_EQ(model->columnCount(), 4);
    const QStringList titles{QStringLiteral("Tagged"), QStringLiteral("Last Name"), QStringLiteral("First Name"),
                             QStringLiteral("Date")};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), titles[column]);
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));
}

// Rows asked in an order that jumps across pages, back and forth, and to
// both ends, as a scrolling grid asks them.
TEST_F(BrowseModelTest, EveryRowHoldsItsRecordInNameOrder)
{
    const int last = static_cast<int>(shownNames.size()) - 1;
    for (int row : {0, 1, 63, 64, 65, 1500, 700, 2990, last, last - 64, 128, 0, 1499, 1501}) {
        SCOPED_TRACE(row);
        const QString name = shownNames[row];
        EXPECT_EQ(cell(row, 1), name);
        EXPECT_EQ(cell(row, 2), QStringLiteral("F") + name);
        EXPECT_EQ(cell(row, 0), taggedName(name.mid(1).toInt()) ? QStringLiteral("Yes") : QStringLiteral("No"));
        EXPECT_EQ(cell(row, 3), QStringLiteral("02/29/2024"));
    }
    EXPECT_EQ(cell(last + 1, 1), QString());
}

TEST_F(BrowseModelTest, TheFirstAndLastScreensReadOnlyAFewPages)
{
    for (int row = 0; row < 40; ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            cell(row, column);
    }
    EXPECT_LE(model->recordsVisited(), 2u * TBrowsePages::kPageSize);
    const int last = model->rowCount() - 1;
    for (int row = last - 40; row <= last; ++row)
        cell(row, 1);
    EXPECT_LE(model->recordsVisited(), 6u * TBrowsePages::kPageSize);
    EXPECT_EQ(cell(last, 1), shownNames.last());
}

TEST_F(BrowseModelTest, ReadingLeavesTheDatasetOnItsRecord)
{
    ASSERT_TRUE(dataset.First());
    ASSERT_TRUE(dataset.MoveBy(10));
    const std::uint32_t current = dataset.RecNo();
    cell(2000, 1);
    cell(5, 1);
    EXPECT_EQ(dataset.RecNo(), current);
    ASSERT_TRUE(dataset.Next());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), shownNames[11]);
}

TEST_F(BrowseModelTest, CurrentRowFollowsTheDatasetAndMakeCurrentMovesIt)
{
    for (int number : {0, 1, 1234, 2222, 2997, 2998}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(dataset.Seek(lastName(number).toUpper()));
        EXPECT_EQ(model->currentRow(), nameRow(number));
    }
    for (int row : {17, 0, 2000, static_cast<int>(shownNames.size()) - 1}) {
        ASSERT_TRUE(model->makeCurrent(row));
        EXPECT_EQ(dataset.FieldAsString(u"LNAME"), shownNames[row]);
        EXPECT_EQ(model->currentRow(), row);
    }
}

// A record the query does not select stands at the row of the next one.
TEST_F(BrowseModelTest, ARecordOutsideTheQueryStandsAtTheFollowingRow)
{
    ASSERT_TRUE(dataset.Seek(lastName(1000).toUpper()));
    const std::uint32_t outside = dataset.RecNo();
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("UPPER(LNAME)<>\"N1000\" .and. !ISDEL")));
    model->reload();
    ASSERT_TRUE(dataset.GoTo(outside));
    EXPECT_EQ(model->currentRow(), nameRow(1001) - 1);
    EXPECT_EQ(cell(model->currentRow(), 1), lastName(1001));
}

TEST_F(BrowseModelTest, FollowsTheQueryAndTheOrder)
{
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("UPPER(LNAME)=\"N1\" .and. !ISDEL")));
    model->reload();
    EXPECT_EQ(model->rowCount(), 998); // N1000-N1999 less N1499 and N1999
    EXPECT_EQ(cell(0, 1), lastName(1000));
    EXPECT_EQ(cell(997, 1), lastName(1998));

    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    ASSERT_TRUE(dataset.SetOrder(QString()));
    model->reload();
    EXPECT_EQ(cell(0, 1), lastName(nameNumberOfRecord(0)));
    EXPECT_EQ(cell(1, 1), lastName(nameNumberOfRecord(1)));
}

TEST_F(BrowseModelTest, AChangedRecordIsReadAgainAndALeavingOneShrinksTheRows)
{
    const int row = nameRow(3); // not tagged
    ASSERT_EQ(cell(row, 0), QStringLiteral("No"));
    ASSERT_TRUE(model->makeCurrent(row));
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"TAG", kTagId));
    ASSERT_TRUE(dataset.Post());
    model->recordChanged(row);
    EXPECT_EQ(cell(row, 0), QStringLiteral("Yes"));

    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("UPPER(TAG)=\"TAGGED1\" .and. !ISDEL")));
    model->reload();
    const int tagged = model->rowCount();
    ASSERT_TRUE(model->makeCurrent(0));
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"TAG", QString()));
    ASSERT_TRUE(dataset.Post());
    model->recordChanged(0);
    EXPECT_EQ(model->rowCount(), tagged - 1);
    EXPECT_EQ(cell(0, 1), lastName(3));
}

// Reading would move the cursor, and a move posts a pending edit.
TEST_F(BrowseModelTest, NothingIsReadWhileTheDatasetIsEdited)
{
    ASSERT_TRUE(dataset.First());
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"CITY", QStringLiteral("Unsaved")));
    EXPECT_EQ(cell(2000, 1), QString());
    EXPECT_EQ(model->recordAt(2000), 0u);
    EXPECT_TRUE(dataset.isEditing());
    dataset.Cancel();
    EXPECT_EQ(cell(2000, 1), shownNames[2000]);
}

} // namespace
} // namespace quorvel::store_tests
