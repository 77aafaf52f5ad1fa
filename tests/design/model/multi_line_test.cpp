// Multi-line text: word wrap, what the screen shows for no text, the memo
// and the address block refreshed from the record, sizing to the lines.
#include "text_test_support.h"

#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/memo_label.h"
#include "design/model/multi_line_layout.h"
#include "design/model/word_wrap.h"

#include <gtest/gtest.h>

using namespace design;
using design_testing::Lines;
using design_testing::TMemoryRecord;

namespace {

int TenPerCharacter(const QString& text) { return static_cast<int>(text.size()) * 10; }

class MultiLineTest : public ::testing::Test {
protected:
    TGDesignOwner owner{96};
    design_testing::TFixedTextMetrics metrics;
};

} // namespace

TEST(WordWrap, BreaksBetweenWordsAndInsideWordsTooLongForALine)
{
    struct Case {
        const char* name;
        std::vector<const char*> lines;
        int width;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        {"fits", {"short one"}, 100, {"short one"}},
        {"breaks at the last blank that fits", {"the quick brown fox"}, 100, {"the quick", "brown fox"}},
        {"a word wider than the line is cut", {"abcdefghijkl xy"}, 50, {"abcde", "fghij", "kl xy"}},
        {"existing line breaks stay, empty lines too", {"one", "", "two"}, 100, {"one", "", "two"}},
        {"a word exactly the width fits", {"abcde fghij"}, 50, {"abcde", "fghij"}},
        {"narrower than one character still makes progress", {"abc"}, 5, {"a", "b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapLines(Lines(c.lines), c.width, TenPerCharacter), Lines(c.expected)) << c.name;
}

TEST(MultiLineLayout, PlaceholderStandsInForNoText)
{
    const QString blank = QStringLiteral("<blank>");
    EXPECT_EQ(ScreenLines({}, blank), QStringList{blank});
    EXPECT_EQ(ScreenLines(Lines({"  "}), blank), (QStringList{QStringLiteral("  "), blank}));
    EXPECT_EQ(ScreenLines(Lines({"a"}), blank), Lines({"a"}));
    EXPECT_EQ(ScreenLines(Lines({"", ""}), blank), Lines({"", ""}));
}

TEST(MultiLineLayout, LinePositions)
{
    EXPECT_EQ(ScreenLineX(TAlignment::taLeftJustify, 190, 50), 0);
    EXPECT_EQ(ScreenLineX(TAlignment::taRightJustify, 190, 50), 139);
    EXPECT_EQ(ScreenLineX(TAlignment::taCenter, 190, 51), 71);
    const auto bands = PrintedLineBands(5, 1.0, 1.5, 0.2);
    ASSERT_EQ(bands.size(), 3u) << "lines starting at 1.0, 1.2 and 1.4";
    EXPECT_DOUBLE_EQ(bands[2].Top, 1.4);
    EXPECT_DOUBLE_EQ(bands[2].Bottom, 1.5);
    EXPECT_TRUE(PrintedLineBands(3, 1.0, 1.0, 0.2).empty());
}

TEST_F(MultiLineTest, MemoLoadsItsLinesOrAPlaceholder)
{
    TMemoryRecord record;
    record.Memo(QStringLiteral("Notes"), QStringLiteral("MEMO"), QStringLiteral("first line\r\nsecond line"));
    record.Memo(QStringLiteral("Empty"), QStringLiteral("MEMO2"), QString());
    struct Case {
        const char* name;
        const char* descript;
        TGRecordContext context;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        {"lines of the memo", "Notes", {&record, true, false}, {"first line", "second line"}},
        {"printing", "Notes", {&record, false, true}, {"first line", "second line"}},
        {"design view", "Notes", {&record, false, false}, {"[Notes]"}},
        {"an empty memo has no lines", "Empty", {&record, true, false}, {}},
        {"unknown memo on the screen", "Other", {&record, true, false}, {"<undefined memo>"}},
        {"unknown memo prints nothing", "Other", {&record, false, true}, {}},
    };
    for (const Case& c : cases) {
        TGDMultiLineLabel memo(owner);
        memo.SetDataFieldDescript(QString::fromLatin1(c.descript));
        memo.SetRecordContext(&c.context);
        memo.ShowData();
        EXPECT_EQ(memo.Items(), Lines(c.expected)) << c.name;
    }
    TGDMultiLineLabel memo(owner);
    EXPECT_EQ(memo.BlankPlaceholder(), QStringLiteral("<blank memo>"));
}

TEST_F(MultiLineTest, WrappedMemoIsWrappedToTheObject)
{
    TMemoryRecord record;
    record.Memo(QStringLiteral("Notes"), QStringLiteral("MEMO"), QStringLiteral("aaaa bbbb cccc"));
    const TGRecordContext context{&record, true, false};
    TGDMultiLineLabel memo(owner);
    memo.UseTextMetrics(metrics);
    memo.SetDataFieldDescript(QStringLiteral("Notes"));
    memo.SetRecordContext(&context);
    memo.SetWidth(60); // ten characters of 6 pixels
    memo.SetWordWrap(true);
    EXPECT_EQ(memo.Items(), Lines({"aaaa bbbb", "cccc"}));
    EXPECT_EQ(memo.LinesShown(), memo.Items());
}

TEST_F(MultiLineTest, AddressBlockComposesFromTheRecord)
{
    const TMemoryRecord record = design_testing::AnnCole();
    TGDMultiLineAddressLabel address(owner);
    const TGRecordContext designView{&record, false, false};
    address.SetRecordContext(&designView);
    address.ShowData();
    EXPECT_EQ(address.Items(), Lines({"[Address Label]"}));

    const TGRecordContext values{&record, true, false};
    address.SetRecordContext(&values);
    TAddressLayout layout = address.Layout();
    layout.UpperCase = true;
    address.SetLayout(layout);
    EXPECT_EQ(address.Items(), Lines({"DR ANN B. COLE ", "12 ELM ST", "SPRINGFIELD  IL 62701"}));
    address.ClearData();
    EXPECT_TRUE(address.Items().isEmpty());
}

TEST_F(MultiLineTest, WrappedAddressFollowsTheRecord)
{
    TMemoryRecord record = design_testing::AnnCole();
    const TGRecordContext values{&record, true, false};
    TGDMultiLineAddressLabel address(owner);
    address.UseTextMetrics(metrics);
    address.SetRecordContext(&values);
    address.SetWordWrap(true);
    address.ShowData();
    record.Set(QStringLiteral("STREET"), QStringLiteral("99 Oak Ave"));
    address.ShowData();
    EXPECT_EQ(address.LinesShown().at(1), QStringLiteral("99 Oak Ave"));
}

TEST_F(MultiLineTest, SizeToFitWidensAndSetsTheHeightToTheLines)
{
    TGMultiLineLabel text(owner);
    text.UseTextMetrics(metrics);
    text.SetItems({QStringLiteral("short"), QString(40, QLatin1Char('x')), QStringLiteral("end")});
    text.SizeToFit();
    EXPECT_EQ(text.Width(), 240);
    EXPECT_EQ(text.Height(), 48) << "three lines of 16";
    text.SetItems({QStringLiteral("a")});
    text.SizeToFit();
    EXPECT_EQ(text.Width(), 240) << "never narrower";
    EXPECT_EQ(text.Height(), 16);
}

TEST_F(MultiLineTest, EditedTextBecomesTheLines)
{
    TGMultiLineLabel text(owner);
    text.ApplyEditedText(QStringLiteral("one\r\ntwo\nthree"));
    EXPECT_EQ(text.Items(), Lines({"one", "two", "three"}));
}
