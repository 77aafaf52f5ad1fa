// Text objects refreshed from the record, counters, dates, symbols, growing
// to fit and rotation.
#include "text_test_support.h"

#include "design/model/counter_label.h"
#include "design/model/data_label.h"
#include "design/model/date_time_label.h"
#include "design/model/date_time_text.h"
#include "design/model/design_owner.h"
#include "design/model/text_labels.h"

#include <gtest/gtest.h>

using namespace design;
using design_testing::TMemoryRecord;

namespace {

class TextObjectsTest : public ::testing::Test {
protected:
    TGDesignOwner owner{96};
    design_testing::TFixedTextMetrics metrics;
};

} // namespace

TEST_F(TextObjectsTest, FieldLabelShowsValueOrPlaceholder)
{
    TMemoryRecord record;
    record.Set(QStringLiteral("CITY"), QStringLiteral("  Springfield  "))
        .Set(QStringLiteral("CITY2"), QStringLiteral("Chicago"))
        .Set(QStringLiteral("TITLE"), QStringLiteral("   "))
        .Label(QStringLiteral("City"), QStringLiteral("CITY2"))
        .Label(QStringLiteral("City"), QStringLiteral("CITY"))
        .Label(QStringLiteral("Title"), QStringLiteral("TITLE"));
    struct Case {
        const char* name;
        const char* descript;
        TGRecordContext context;
        const char* expected;
    };
    const Case cases[] = {
        {"value on the screen, last matching label, leading blanks kept", "City", {&record, true, false},
         "  Springfield"},
        {"value when printing", "City", {&record, false, true}, "  Springfield"},
        {"design view names the field", "City", {&record, false, false}, "[City]"},
        {"blank value on the screen", "Title", {&record, true, false}, "<blank field>"},
        {"blank value prints nothing", "Title", {&record, false, true}, ""},
        {"unknown label on the screen", "Fax", {&record, true, false}, "<undefined field>"},
        {"no label at all", "", {&record, true, false}, "<undefined field>"},
        {"unknown label when printing keeps the caption", "Fax", {&record, false, true}, "Text"},
    };
    for (const Case& c : cases) {
        TGPDLabel label(owner);
        label.SetDataFieldDescript(QString::fromLatin1(c.descript));
        label.SetRecordContext(&c.context);
        label.ShowData();
        EXPECT_EQ(label.Caption(), QString::fromLatin1(c.expected)) << c.name;
    }
}

TEST_F(TextObjectsTest, CounterStepsEveryRepeatWithLeadingZeros)
{
    TGCounterLabel counter(owner);
    counter.UseTextMetrics(metrics);
    counter.ApplySettings({7, 2, QString(), QString(), 3});
    QStringList printed;
    for (int label = 0; label < 5; ++label) {
        printed.append(counter.ComposedCaption());
        counter.AdvanceCounter();
    }
    EXPECT_EQ(printed, design_testing::Lines({"007", "007", "008", "008", "009"}));
    EXPECT_EQ(counter.Caption(), QStringLiteral("009")) << "stepping recomposes the caption";
    counter.ResetCounter();
    EXPECT_EQ(counter.Caption(), QStringLiteral("007"));
}

TEST_F(TextObjectsTest, CounterWithoutRepeatNeverSteps)
{
    TGCounterLabel counter(owner);
    counter.SetRepeatEach(0);
    for (int label = 0; label < 3; ++label)
        counter.AdvanceCounter();
    EXPECT_EQ(counter.CurrentValue(), 1);
}

TEST_F(TextObjectsTest, CounterSettingsSizeAHorizontalCounterToItsCaption)
{
    TGCounterLabel counter(owner);
    counter.UseTextMetrics(metrics);
    counter.ApplySettings({-5, 1, QStringLiteral("No. "), QStringLiteral("!"), 4});
    EXPECT_EQ(counter.ComposedCaption(), QStringLiteral("No. -0005!"));
    // Width 10, then grown to "No. -5!" and five blanks: 12 characters of 6.
    EXPECT_EQ(counter.Caption(), QStringLiteral("No. -5!"));
    EXPECT_EQ(counter.Width(), 72);
}

TEST_F(TextObjectsTest, StaticTextGrowsToFitButNeverShrinks)
{
    TGPLabel label(owner);
    label.UseTextMetrics(metrics);
    label.ApplyText(QStringLiteral("A much longer caption here"));
    // 26 characters and five blanks, 6 pixels each.
    EXPECT_EQ(label.Width(), 186);
    label.ApplyText(QStringLiteral("Hi"));
    EXPECT_EQ(label.Width(), 186);
}

TEST_F(TextObjectsTest, RotationTakesQuarterTurnsOnly)
{
    TGPLabel label(owner);
    label.SetAlignment(TAlignment::taCenter);
    label.SetAngle(45);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.Alignment(), TAlignment::taCenter);
    label.SetAngle(90);
    EXPECT_EQ(label.Width(), 33);
    EXPECT_EQ(label.Height(), 142);
    EXPECT_EQ(label.Alignment(), TAlignment::taLeftJustify);
}

TEST_F(TextObjectsTest, SizeBelowOneIsRaisedToOne)
{
    TGPLabel label(owner);
    label.SetBounds(0, 0, 0, -4);
    EXPECT_EQ(label.Width(), 1);
    EXPECT_EQ(label.Height(), 1);
}

TEST_F(TextObjectsTest, SymbolAlwaysTakesOnePointOneTimesItsGlyph)
{
    TGSymbolLabel symbol(owner);
    symbol.UseTextMetrics(metrics);
    symbol.SetBounds(10, 10, 300, 300);
    // WingDings 24 at 96 pixels per inch is 32 pixels: glyph 16 x 35.
    EXPECT_EQ(symbol.Width(), 17);
    EXPECT_EQ(symbol.Height(), 38);
    symbol.ApplySymbol(symbol.Font(), 0x80);
    EXPECT_EQ(symbol.Caption(), QString(QChar(0x20AC))) << "character codes are Windows-1252";
}

TEST(DateTimeText, ComposesDateAndTimeInTheLocaleFormats)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QString shortDate = locale.toString(moment.date(), QLocale::ShortFormat);
    const QString shortTime = locale.toString(moment.time(), QLocale::ShortFormat);
    EXPECT_EQ(ComposeDateTime(TGDateFormat::dtfDateShort, TGTimeFormat::dtfTimeNone, moment, locale), shortDate);
    EXPECT_EQ(ComposeDateTime(TGDateFormat::dtfDateShort, TGTimeFormat::dtfTimeShort, moment, locale),
              shortDate + QLatin1Char(' ') + shortTime);
    EXPECT_EQ(ComposeDateTime(TGDateFormat::dtfDateNone, TGTimeFormat::dtfTimeShort, moment, locale),
              QLatin1Char(' ') + shortTime)
        << "a time without a date starts with the blank";
    EXPECT_EQ(ComposeDateTime(TGDateFormat::dtfDateLong, TGTimeFormat::dtfTimeLong, moment, locale),
              locale.toString(moment.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                  locale.toString(moment.time(), QLocale::LongFormat));
    EXPECT_TRUE(ComposeDateTime(TGDateFormat::dtfDateNone, TGTimeFormat::dtfTimeNone, moment, locale).isEmpty());
}
