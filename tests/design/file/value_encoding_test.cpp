// How single values are written and which tags are accepted back.

#include "design_fixtures.h"

#include "design/file/byte_reader.h"
#include "design/file/byte_writer.h"
#include "design/file/label_object_filer.h"
#include "design/file/value_codec.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/line_shape.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"
#include "design/model/windows1252.h"

#include <gtest/gtest.h>

#include <limits>

using namespace design;
using design_test::Bytes;

namespace {

QByteArray Written(const TGStreamValue& value)
{
    TGByteWriter writer;
    WriteValue(writer, value);
    return writer.Bytes();
}

struct IntegerCase {
    std::int32_t value;
    QByteArray bytes;
};

TEST(ValueEncoding, IntegersTakeTheSmallestTagThatHoldsThem)
{
    const IntegerCase cases[] = {
        {0, Bytes()({0x02, 0x00})},
        {127, Bytes()({0x02, 0x7F})},
        {-128, Bytes()({0x02, 0x80})},
        {128, Bytes()({0x03, 0x80, 0x00})},
        {-129, Bytes()({0x03, 0x7F, 0xFF})},
        {32767, Bytes()({0x03, 0xFF, 0x7F})},
        {-32768, Bytes()({0x03, 0x00, 0x80})},
        {32768, Bytes()({0x04, 0x00, 0x80, 0x00, 0x00})},
        {-32769, Bytes()({0x04, 0xFF, 0x7F, 0xFF, 0xFF})},
        {std::numeric_limits<std::int32_t>::max(), Bytes()({0x04, 0xFF, 0xFF, 0xFF, 0x7F})},
        {std::numeric_limits<std::int32_t>::min(), Bytes()({0x04, 0x00, 0x00, 0x00, 0x80})},
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Written(TGStreamValue::Integer(c.value)).toHex(' '), c.bytes.toHex(' '));
        TGByteReader reader(c.bytes);
        EXPECT_EQ(ReadValue(reader), TGStreamValue::Integer(c.value));
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(ValueEncoding, StringsOf256BytesOrMoreAreLongStrings)
{
    const QByteArray short255(255, 'a');
    EXPECT_EQ(Written(TGStreamValue::String(short255)), Bytes()({0x06, 0xFF}).Raw(short255).Data());
    const QByteArray long256(256, 'b');
    EXPECT_EQ(Written(TGStreamValue::String(long256)), Bytes()({0x0C}).Le32(256).Raw(long256).Data());
}

TEST(ValueEncoding, LongCaptionSurvivesAFile)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* text = static_cast<TGPLabel*>(surface.Add(std::make_unique<TGPLabel>(owner)));
    const QString caption = QString(300, QLatin1Char('x')) + QStringLiteral("\u00e9nd");
    text->SetCaption(caption);
    const QByteArray file = design_test::Encode(surface);
    EXPECT_TRUE(file.contains(Bytes().Short("Caption")({0x0C}).Le32(303).Data()));

    TGSurfaceObjects copy(TGClassSet::LabelSurface());
    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(file, owner, copy));
    EXPECT_EQ(static_cast<TGPLabel*>(copy.At(0))->Caption(), caption);
}

TEST(ValueEncoding, ColorsAreWrittenByNameWhenTheyHaveOne)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* line = static_cast<TGLineShape*>(surface.Add(std::make_unique<TGLineShape>(owner)));
    const auto penColorBytes = [&](TColor color) {
        line->SetPen({color, TPenMode::pmCopy, TPenStyle::psSolid, 1});
        const QByteArray file = design_test::Encode(surface);
        const QByteArray key = Bytes().Short("Pen.Color");
        const auto at = file.indexOf(key);
        return at < 0 ? QByteArray() : file.mid(at + key.size(), file.size() - at - key.size() - 3);
    };
    EXPECT_EQ(penColorBytes(clBlack), QByteArray()); // the default is left out
    EXPECT_EQ(penColorBytes(ColorValue(0x000000FF)), Bytes()({0x07}).Short("clRed").Data());
    EXPECT_EQ(penColorBytes(ColorValue(0x8000000F)), Bytes()({0x07}).Short("clBtnFace").Data());
    EXPECT_EQ(penColorBytes(ColorValue(0x00010203)), Bytes()({0x04}).Le32(0x00010203).Data());
    EXPECT_EQ(penColorBytes(ColorValue(0x80000020)), Bytes()({0x04}).Le32(ColorValue(0x80000020)).Data());
}

TEST(ValueEncoding, Windows1252CoversEveryByteBothWays)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromWindows1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x81], QChar(0x0081));
    EXPECT_EQ(toWindows1252(text), all);
    EXPECT_FALSE(toWindows1252(QStringLiteral("\u4e2d")).has_value());
}

TEST(ValueEncoding, ListingShowsValuesReadably)
{
    EXPECT_EQ(FormatValue(TGStreamValue::Integer(-13)), QStringLiteral("-13"));
    EXPECT_EQ(FormatValue(TGStreamValue::Ident("clBlack")), QStringLiteral("clBlack"));
    EXPECT_EQ(FormatValue(TGStreamValue::Boolean(true)), QStringLiteral("True"));
    EXPECT_EQ(FormatValue(TGStreamValue::String("a\"b\r\n")), QStringLiteral("\"a\\\"b\\r\\n\""));
    EXPECT_EQ(FormatValue(TGStreamValue::Set({"fsBold", "fsItalic"})), QStringLiteral("[fsBold, fsItalic]"));
    EXPECT_EQ(FormatValue(TGStreamValue::List({TGStreamValue::String("x")})), QStringLiteral("(\"x\")"));
    EXPECT_EQ(FormatValue(TGStreamValue::Binary(QByteArray(5, 'z'))), QStringLiteral("(5 bytes)"));
}

} // namespace
