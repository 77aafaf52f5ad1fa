// POSTNET: which digits a record encodes, the check digit, the bars and
// where they land on paper, and the sample the object shows on the screen.
#include "graphics_test_support.h"

#include "design/model/design_owner.h"
#include "design/model/postnet.h"
#include "design/model/postnet_code.h"
#include "output/page_ops.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace design;
using namespace graphics_test;

namespace {

struct DeliveryPointCase {
    const char* address;
    const char* digits;
};

const DeliveryPointCase kDeliveryPoints[] = {
    {"123 MAIN ST", "23"},   {"PO BOX 7", "07"},       {"12 1/2 OAK", "12"},    {"", "99"},
    {"CAPO DR 15", "99"},    {"12 FPO AE", "99"},      {"21ST STREET 4", "04"}, {"4 21ST STREET", "04"},
    {"123 main st", "23"},   {"STREET", "99"},         {"1/2 MAIN", "99"},      {"123A ELM", "23"},
    {"7B ELM", "07"},        {"APT 5B", "05"},         {"10-B ELM", "10"},      {"4567 2ND AVE", "67"},
    {"33RD ST 102", "02"},   {"9 3/4 LANE", "09"},
};

TEST(PostnetDeliveryPoint, DigitsComeFromTheLastNumberThatIsNoFractionOrOrdinal)
{
    for (const DeliveryPointCase& c : kDeliveryPoints)
        EXPECT_EQ(postnet::DeliveryPointDigits(QString::fromLatin1(c.address)), QString::fromLatin1(c.digits))
            << c.address;
}

struct EncodingCase {
    const char* zip;
    const char* address;
    TPostNetBarCodeType type;
    const char* encoded; // nullptr: nothing printed
};

const EncodingCase kEncodings[] = {
    {"12345-6789", "123 MAIN ST", TPostNetBarCodeType::pnbc11Digit, "123456789230"},
    {"12345-6789", "123 MAIN ST", TPostNetBarCodeType::pnbc9Digit, "1234567895"},
    {"12345-6789", "123 MAIN ST", TPostNetBarCodeType::pnbc5Digit, "123455"},
    {"123456789", "", TPostNetBarCodeType::pnbc11Digit, "123456789997"},
    {"00000", "", TPostNetBarCodeType::pnbc5Digit, "000000"},
    // Without a +4 part there is no delivery point to add: five digits.
    {"12345", "123 MAIN ST", TPostNetBarCodeType::pnbc11Digit, "123455"},
    {"12345", "", TPostNetBarCodeType::pnbc9Digit, "123455"},
    {"12345-67", "123 MAIN ST", TPostNetBarCodeType::pnbc11Digit, "123455"},
    {"1234", "", TPostNetBarCodeType::pnbc5Digit, nullptr},
    {"ABCDE", "", TPostNetBarCodeType::pnbc5Digit, nullptr},
    {" 12345", "", TPostNetBarCodeType::pnbc5Digit, nullptr},
    {"99999-99999", "", TPostNetBarCodeType::pnbc9Digit, nullptr},
    {"1234-", "", TPostNetBarCodeType::pnbc5Digit, nullptr},
    {"", "", TPostNetBarCodeType::pnbc11Digit, nullptr},
};

TEST(PostnetEncoding, ZipAndAddressGiveTheDigitsWithTheirCheckDigit)
{
    for (const EncodingCase& c : kEncodings) {
        const auto encoded =
            postnet::EncodedDigits(QString::fromLatin1(c.zip), QString::fromLatin1(c.address), c.type);
        if (c.encoded) {
            EXPECT_EQ(encoded, QString::fromLatin1(c.encoded)) << c.zip;
        } else {
            EXPECT_FALSE(encoded.has_value()) << c.zip;
        }
    }
}

TEST(PostnetEncoding, CheckDigitMakesTheSumAMultipleOfTen)
{
    const std::pair<const char*, int> cases[] = {
        {"12345678923", 0}, {"12345", 5}, {"00000", 0}, {"99999", 5}, {"1", 9}, {"", 0},
    };
    for (const auto& [digits, check] : cases)
        EXPECT_EQ(postnet::CheckDigit(QString::fromLatin1(digits)), check) << digits;
}

TEST(PostnetBars, EachDigitIsTwoFullAndThreeHalfBarsBetweenFrameBars)
{
    const std::pair<char, const char*> codes[] = {
        {'0', "11000"}, {'1', "00011"}, {'2', "00101"}, {'3', "00110"}, {'4', "01001"},
        {'5', "01010"}, {'6', "01100"}, {'7', "10001"}, {'8', "10010"}, {'9', "10100"},
    };
    for (const auto& [digit, code] : codes) {
        const std::vector<bool> bars = postnet::BarPattern(QString(QChar::fromLatin1(digit)));
        ASSERT_EQ(bars.size(), 7u);
        EXPECT_TRUE(bars.front());
        EXPECT_TRUE(bars.back());
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(bars[static_cast<std::size_t>(i + 1)], code[i] == '1') << digit;
    }
    EXPECT_EQ(postnet::BarPattern(QStringLiteral("123456789230")).size(), 62u);
    EXPECT_EQ(postnet::BarPattern(QStringLiteral("1234567895")).size(), 52u);
    EXPECT_EQ(postnet::BarPattern(QStringLiteral("123455")).size(), 32u);
}

class PostnetObjectTest : public ::testing::Test {
protected:
    PostnetObjectTest()
    {
        barcode.SetZipCodeField(QStringLiteral("ZIP"));
        barcode.SetAddressField(QStringLiteral("STREET"));
        barcode.SetBounds(96, 48, 270, 16);
        context.Record = &record;
        barcode.SetRecordContext(&context);
    }

    void ShowRecord(const QString& zip, const QString& street)
    {
        record = TFakeRecord({{QStringLiteral("ZIP"), zip}, {QStringLiteral("STREET"), street}});
        barcode.ShowData();
    }

    TGDesignOwner owner{96};
    TGPostNetBarCode barcode{owner};
    TFakeRecord record{{}};
    TGRecordContext context;
};

TEST_F(PostnetObjectTest, ElevenDigitBarcodePrintsSixtyTwoBarsAtExactPositions)
{
    ShowRecord(QStringLiteral("12345-6789"), QStringLiteral("123 MAIN ST"));
    const auto shapes = Shapes(PrintObject(barcode, 0.5, 1.0));
    const std::vector<bool> expected = postnet::BarPattern(QStringLiteral("123456789230"));
    ASSERT_EQ(shapes.size(), 62u);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const output::TShapeOp& bar = shapes[i];
        const double left = 1.5 + static_cast<double>(i) * 0.046;
        EXPECT_EQ(bar.kind, output::skRectangle);
        EXPECT_NEAR(bar.rect.left(), left, 1e-12) << i;
        EXPECT_NEAR(bar.rect.right(), left + 0.015, 1e-12) << i;
        EXPECT_NEAR(bar.rect.bottom(), 1.625, 1e-12) << i;
        EXPECT_NEAR(bar.rect.top(), expected[i] ? 1.5 : 1.57, 1e-12) << i;
        EXPECT_EQ(bar.brush.color, qRgb(0, 0, 0));
        EXPECT_EQ(bar.brush.style, output::bsSolid);
        EXPECT_EQ(bar.pen, (output::TPenSpec{qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy}));
    }
    EXPECT_NEAR(shapes.back().rect.right() - shapes.front().rect.left(), 61 * 0.046 + 0.015, 1e-12);
}

TEST_F(PostnetObjectTest, RecordsWithoutAUsableZipPrintNothing)
{
    for (const QString& zip : {QString(), QStringLiteral("1234"), QStringLiteral("ABCDE"), QStringLiteral(" 12345")}) {
        ShowRecord(zip, QStringLiteral("123 MAIN ST"));
        EXPECT_TRUE(PrintObject(barcode, 0.0, 0.0).empty()) << zip.toStdString();
    }
}

TEST_F(PostnetObjectTest, MissingFieldsReadAsEmptyTexts)
{
    record = TFakeRecord({{QStringLiteral("ZIP"), QStringLiteral("12345-6789")}});
    barcode.ShowData();
    EXPECT_EQ(barcode.ZipText(), QStringLiteral("12345-6789"));
    EXPECT_EQ(barcode.AddressText(), QString());
    // An empty address gives delivery point 99.
    EXPECT_EQ(Shapes(PrintObject(barcode, 0.0, 0.0)).size(), 62u);

    barcode.SetZipCodeField(QStringLiteral("POSTCODE"));
    barcode.ShowData();
    EXPECT_EQ(barcode.ZipText(), QString());
    EXPECT_TRUE(PrintObject(barcode, 0.0, 0.0).empty());
}

TEST_F(PostnetObjectTest, ScreenShowsTheSampleAtItsSizeForTheZoom)
{
    QImage canvas(600, 100, QImage::Format_RGB32);
    QPainter painter(&canvas);
    barcode.SetBounds(10, 10, 50, 50);
    barcode.Paint(painter);
    EXPECT_EQ(barcode.Bounds(), (TGBounds{10, 10, 270, 16}));

    const std::tuple<float, int, int> zooms[] = {{1.5f, 405, 24}, {1.25f, 338, 20}, {0.5f, 135, 8}};
    for (const auto& [zoom, width, height] : zooms) {
        barcode.SetZoom(zoom);
        barcode.Paint(painter);
        EXPECT_EQ(barcode.Width(), width) << zoom;
        EXPECT_EQ(barcode.Height(), height) << zoom;
    }
}

} // namespace
