// Counting ZIP codes over an address file: which code a ZIP counts under,
// which records take part, what the window is told, and the report lines.
#include "labels/zip_count.h"
#include "store/address_test_file.h"

#include <gtest/gtest.h>

#include <functional>

using namespace labels;

namespace {

std::vector<TZipTally> Tallies(std::initializer_list<std::pair<const char*, std::int64_t>> list)
{
    std::vector<TZipTally> tallies;
    for (const auto& [code, count] : list)
        tallies.push_back({QString::fromLatin1(code), count});
    return tallies;
}

QStringList Texts(std::initializer_list<const char*> list)
{
    QStringList texts;
    for (const char* text : list)
        texts << QString::fromLatin1(text);
    return texts;
}

class RecordingProgress : public TZipCountProgress {
public:
    QStringList texts;
    int cancelAfterQuestions = -1; // never
    int questions = 0;
    // What else happens while the window lets messages run.
    std::function<void()> meanwhile;

    void ShowStatus(const QString& text) override
    {
        texts << text;
        if (meanwhile)
            meanwhile();
    }
    bool CancelRequested() override { return ++questions == cancelAfterQuestions; }
};

class ZipCountTest : public quorvel::store_tests::AddressFileTest {
protected:
    void AddZips(const std::vector<const char*>& zips)
    {
        for (const char* zip : zips)
            add({{"LNAME", "X"}, {"ZIP", zip}});
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    }

    TZipCount Count()
    {
        RecordingProgress progress;
        std::optional<TZipCount> counts = CountZipCodes(dataset, progress);
        EXPECT_TRUE(counts.has_value());
        return counts.value_or(TZipCount());
    }
};

TEST_F(ZipCountTest, EachZipCountsUnderItsFirstFiveCharacters)
{
    struct Case {
        const char* zip;
        const char* code; // what it counts under; nullptr for blank
        bool postal;
    };
    const Case cases[] = {
        {"30301", "30301", true},
        {"12345-6789", "12345", true},
        {"1234", "1234", false},        // short codes are never postal here
        {"0000", "0000", false},
        {"0999", "0999", false},
        {"00000", "00000", true},       // the lowest code
        {"99999", "99999", true},       // the highest
        {"9999A", "9999A", false},      // above "99999-999"
        {"1ABCD", "1ABCD", true},       // within the bounds by character codes
        {"0 123", "0 123", false},      // below "00000"
        {" 1234", " 1234", false},      // leading blanks are kept
        {"K1A 0B1", "K1A 0", false},
        {"k1a 0b1", "k1a 0", false},    // lower case is its own code
        {"SW1A 1AA", "SW1A ", false},
        {"", nullptr, false},
        {"     ", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zip);
        if (c.code) {
            EXPECT_EQ(IsCountedZipCode(QString::fromLatin1(c.code)), c.postal);
        }
    }
    std::vector<const char*> zips;
    for (const Case& c : cases)
        zips.push_back(c.zip);
    AddZips(zips);
    const TZipCount counts = Count();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zip);
        if (!c.code)
            continue;
        const std::vector<TZipTally>& list = c.postal ? counts.codes : counts.others;
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const TZipTally& t) { return t.code == QLatin1String(c.code); });
        ASSERT_NE(found, list.end());
        EXPECT_EQ(found->count, 1);
    }
    EXPECT_EQ(counts.blank, 2);
    EXPECT_EQ(counts.codes.size() + counts.others.size(), std::size(cases) - 2);
}

TEST_F(ZipCountTest, CodesAreSortedByCharacterCodesAndCountedTogether)
{
    AddZips({"30305", "k1a 0b1", "30301-1234", "K1A 0B1", "00501", "30301", "1234", "30305", ""});
    const TZipCount counts = Count();
    EXPECT_EQ(counts.codes, Tallies({{"00501", 1}, {"30301", 2}, {"30305", 2}}));
    EXPECT_EQ(counts.others, Tallies({{"1234", 1}, {"K1A 0", 1}, {"k1a 0", 1}}));
    EXPECT_EQ(counts.blank, 1);
}

TEST_F(ZipCountTest, OnlyTheSelectedRecordsCount)
{
    for (const auto& [zip, state] : {std::pair{"30301", "GA"}, {"30301", "GA"}, {"10001", "NY"}, {"30305", "GA"}})
        add({{"ZIP", zip}, {"STATE", state}});
    ASSERT_TRUE(dataset.GoTo(2));
    ASSERT_TRUE(dataset.Delete());
    struct Case {
        const char* query;
        std::vector<TZipTally> codes;
    };
    const Case cases[] = {
        {"!ISDEL", Tallies({{"10001", 1}, {"30301", 1}, {"30305", 1}})},
        {"(STATE = 'GA') .and. !ISDEL", Tallies({{"30301", 1}, {"30305", 1}})},
        // An .or. in the filter is bracketed away from the deleted test.
        {"(STATE = 'NY' .or. ZIP = '30301') .and. !ISDEL", Tallies({{"10001", 1}, {"30301", 1}})},
        // Without a query deleted records still stay out.
        {"", Tallies({{"10001", 1}, {"30301", 1}, {"30305", 1}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        ASSERT_TRUE(dataset.SetQuery(QString::fromLatin1(c.query)));
        EXPECT_EQ(Count().codes, c.codes);
    }
}

// Counting walks the file in record number order, and whether it ends or
// is cancelled the window finds its order and record as they were.
TEST_F(ZipCountTest, ProgressCancelAndTheRestoredCursor)
{
    std::vector<const char*> zips(250, "30301");
    zips[10] = "10001";
    AddZips(zips);
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("ZIP")));
    ASSERT_TRUE(dataset.GoTo(11));
    RecordingProgress progress;
    const std::optional<TZipCount> counts = CountZipCodes(dataset, progress);
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(counts->codes, Tallies({{"10001", 1}, {"30301", 249}}));
    EXPECT_EQ(progress.texts, Texts({"Reading database records...", "Reading record 100", "Reading record 200",
                                     "Sorting Zip Codes..."}));
    EXPECT_EQ(dataset.Order(), QStringLiteral("ZIP"));
    EXPECT_EQ(dataset.RecNo(), 11u);
    EXPECT_EQ(dataset.FieldAsString(u"ZIP"), QStringLiteral("10001"));

    // Another window reading a record while messages run does not lead
    // the count astray.
    RecordingProgress interrupted;
    interrupted.meanwhile = [this] { dataset.engine().sx_Go(5); };
    EXPECT_EQ(CountZipCodes(dataset, interrupted), counts);

    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.GoTo(7));
    RecordingProgress cancelling;
    cancelling.cancelAfterQuestions = 2;
    EXPECT_FALSE(CountZipCodes(dataset, cancelling).has_value());
    EXPECT_EQ(cancelling.texts.last(), QStringLiteral("Reading record 200"));
    EXPECT_EQ(dataset.Order(), QStringLiteral("LNAME"));
    EXPECT_EQ(dataset.RecNo(), 7u);
}

TEST_F(ZipCountTest, AnEmptySelectionCountsNothing)
{
    AddZips({"30301"});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("ZIP = 'X' .and. !ISDEL")));
    const TZipCount counts = Count();
    EXPECT_EQ(counts, TZipCount());
    EXPECT_EQ(ZipReportLines(counts), Texts({"", "", "BLANK     0"}));
}

TEST(ZipReportLinesTest, LinesCarryTheCodeInTenCharactersAndTheWholeCount)
{
    const TZipCount counts{Tallies({{"00501", 1}, {"30301", 1234}}), Tallies({{"1234", 999}, {"K1A 0", 1000000}}),
                           0};
    const QStringList lines = ZipReportLines(counts);
    EXPECT_EQ(lines, Texts({"00501     1", "30301     1,234", "", "", "1234      999", "K1A 0     1,000,000",
                            "BLANK     0"}));
    EXPECT_EQ(ZipReportLineCode(lines.at(4)), QStringLiteral("1234"));
    EXPECT_EQ(ZipReportLineCount(lines.at(5)), QStringLiteral("1,000,000"));
    EXPECT_EQ(ZipReportLineCode(QString()), QString());
    EXPECT_EQ(ZipReportLineCount(QString()), QString());
}

TEST(ZipReportLinesTest, CountsHaveThousandsSeparators)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234, "1,234"}, {100000, "100,000"},
        {1000000, "1,000,000"}, {1234567890, "1,234,567,890"},
    };
    for (const auto& [count, text] : cases)
        EXPECT_EQ(FormatZipCount(count), QLatin1String(text)) << count;
}

TEST(GroupZipCodesTest, ThreeDigitAreasAddUpTheirCodes)
{
    const TZipCount counts{Tallies({{"30301", 2}, {"30305", 3}, {"30401", 1}, {"3ABCD", 4}}), Tallies({{"1234", 5}}),
                           6};
    const TZipCount grouped = GroupZipCodes(counts, 3);
    EXPECT_EQ(grouped.codes, Tallies({{"303", 5}, {"304", 1}, {"3AB", 4}}));
    EXPECT_EQ(grouped.others, counts.others);
    EXPECT_EQ(grouped.blank, 6);
    EXPECT_EQ(GroupZipCodes(counts, 5), counts);
}

} // namespace
