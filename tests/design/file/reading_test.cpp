// Reading design files: name matching, accepted tags, and every kind of
// damage reported with its message, leaving the surface as it was.

#include "design_fixtures.h"

#include "design/file/label_object_filer.h"
#include "design/file/picture_data.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/image_object.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"

#include <gtest/gtest.h>

using namespace design;
using design_test::Bytes;

namespace {

Bytes RecordStart(const char* className)
{
    return std::move(Bytes()({0x54, 0x50, 0x46, 0x30}).Short(className).Short("Old"));
}

QByteArray OneRecordFile(const char* className, const QByteArray& properties)
{
    return Bytes()({0x01}).Raw(RecordStart(className)).Raw(properties)({0x00, 0x00, 0x00});
}

class ReadingTest : public ::testing::Test {
protected:
    TGFilerStatus Read(const QByteArray& file, const TGClassSet& classes = TGClassSet::LabelSurface())
    {
        surface_ = std::make_unique<TGSurfaceObjects>(classes);
        return TGLabelObjectFiler().DecodeObjects(file, owner_, *surface_);
    }
    template <typename Class>
    Class* Only()
    {
        EXPECT_EQ(surface_->Count(), 1);
        return surface_->Count() == 1 ? dynamic_cast<Class*>(surface_->At(0)) : nullptr;
    }

    TGDesignOwner owner_;
    std::unique_ptr<TGSurfaceObjects> surface_;
};

TEST_F(ReadingTest, ClassPropertyAndValueNamesIgnoreLetterCase)
{
    const QByteArray props = Bytes()
                                 .Short("lEFT")({0x02, 0x05})
                                 .Short("pen.COLOR")({0x07})
                                 .Short("CLRED")
                                 .Short("linestyle")({0x07})
                                 .Short("STVERTICAL")
                                 .Short("locked")({0x07})
                                 .Short("true");
    ASSERT_TRUE(Read(OneRecordFile("tglineshape", props)));
    auto* line = Only<TGLineShape>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Left(), 5);
    EXPECT_EQ(line->Pen().Color, ColorValue(0x000000FF));
    EXPECT_EQ(line->LineStyle(), TLineStyle::stVertical);
    EXPECT_TRUE(line->Locked());
}

TEST_F(ReadingTest, IntegersAcceptEveryIntegerTag)
{
    const QByteArray props = Bytes()
                                 .Short("Left")({0x04})
                                 .Le32(3)
                                 .Short("Top")({0x03, 0x04, 0x00})
                                 .Short("Pen.Color")({0x02, 0x7F});
    ASSERT_TRUE(Read(OneRecordFile("TGLineShape", props)));
    auto* line = Only<TGLineShape>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Left(), 3);
    EXPECT_EQ(line->Top(), 4);
    EXPECT_EQ(line->Pen().Color, 0x7F);
}

struct DamageCase {
    const char* what;
    QByteArray file;
    QString message;
};

TEST_F(ReadingTest, DamagedFilesAreReportedAndLoadNothing)
{
    const QByteArray good = Bytes()({0x01}).Raw(RecordStart("TGLineShape"))({0x00, 0x00});
    const QString invalidFormat = QStringLiteral("Invalid stream format");
    const QString invalidValue = QStringLiteral("Invalid property value");
    const DamageCase cases[] = {
        {"unknown class", OneRecordFile("TGBogus", {}), QStringLiteral("Class TGBogus not found")},
        {"class of another surface", OneRecordFile("TGDateTimeLabel", {}),
         QStringLiteral("Class TGDateTimeLabel not found")},
        {"unknown class after a good record", Bytes().Raw(good).Raw(RecordStart("TGNope"))({0x00, 0x00, 0x00}),
         QStringLiteral("Class TGNope not found")},
        {"unknown property", OneRecordFile("TGLineShape", Bytes().Short("Caption")({0x06}).Short("x")),
         QStringLiteral("Property does not exist")},
        {"name of another class's property", OneRecordFile("TGLineShape", Bytes().Short("Shape")({0x07}).Short("stCircle")),
         QStringLiteral("Property does not exist")},
        {"string for an integer", OneRecordFile("TGLineShape", Bytes().Short("Left")({0x06}).Short("1")), invalidValue},
        {"unknown enumeration value", OneRecordFile("TGLineShape", Bytes().Short("LineStyle")({0x07}).Short("stDiagonal")),
         invalidValue},
        {"unknown colour name", OneRecordFile("TGLineShape", Bytes().Short("Pen.Color")({0x07}).Short("clPink")),
         invalidValue},
        {"cursor beyond 16 bits", OneRecordFile("TGLineShape", Bytes().Short("Cursor")({0x04}).Le32(40000)), invalidValue},
        {"extended float", OneRecordFile("TGLineShape", Bytes().Short("Left")({0x05}).Raw(QByteArray(10, '\0'))),
         invalidValue},
        {"nil", OneRecordFile("TGLineShape", Bytes().Short("Left")({0x0D})), invalidValue},
        {"unknown tag", OneRecordFile("TGLineShape", Bytes().Short("Left")({0x7F})), invalidValue},
        {"unknown font style", OneRecordFile("TGPLabel", Bytes().Short("Font.Style")({0x0B}).Short("fsShadow")({0x00})),
         invalidValue},
        {"nested list", OneRecordFile("TGMultiLineLabel", Bytes().Short("Items.Strings")({0x01, 0x01, 0x00, 0x00})),
         invalidValue},
        {"bad signature", Bytes()({0x01}).Raw("TPF1").Short("TGLineShape").Short("a")({0x00, 0x00, 0x00}),
         invalidFormat},
        {"no list tag", Bytes()({0x02, 0x00}), invalidFormat},
        {"empty file", QByteArray(), invalidFormat},
        {"child records", Bytes()({0x01}).Raw(RecordStart("TGLineShape"))({0x00}).Raw(RecordStart("TGLineShape"))({0x00, 0x00, 0x00, 0x00}),
         invalidFormat},
        {"long string longer than the file", OneRecordFile("TGPLabel", Bytes().Short("Caption")({0x0C}).Le32(0x7FFFFFFF)),
         invalidFormat},
        {"negative binary length", OneRecordFile("TGImage", Bytes().Short("Picture.Data")({0x0A}).Le32(-1)), invalidFormat},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TGFilerStatus status = Read(c.file, TGClassSet::LabelSurface());
        EXPECT_FALSE(status);
        EXPECT_EQ(status.Message(), c.message);
        EXPECT_EQ(surface_->Count(), 0);
        EXPECT_EQ(owner_.ComponentCount(), 0);
    }
}

TEST_F(ReadingTest, EveryTruncationOfAGoodFileFailsCleanly)
{
    TGSurfaceObjects full(TGClassSet::AllClasses());
    design_test::AddEveryClass(owner_, full);
    const QByteArray file = design_test::Encode(full);
    const int before = owner_.ComponentCount();
    for (qsizetype length = 0; length < file.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(Read(file.left(length), TGClassSet::AllClasses()));
        EXPECT_EQ(owner_.ComponentCount(), before);
    }
}

TEST_F(ReadingTest, FailureLeavesTheObjectsAlreadyOnTheSurface)
{
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    surface.Add(std::make_unique<TGPLabel>(owner_));
    const TGFilerStatus status = TGLabelObjectFiler().DecodeObjects(OneRecordFile("TGBogus", {}), owner_, surface);
    EXPECT_FALSE(status);
    EXPECT_EQ(surface.Count(), 1);
}

TEST_F(ReadingTest, PicturesPassThroughByteForByte)
{
    const QByteArray bitmap = design_test::SampleBitmapFile();
    const QByteArray payload = Bytes().Short("TBitmap").Le32(static_cast<std::int32_t>(bitmap.size())).Raw(bitmap);
    const QByteArray props = Bytes().Short("Picture.Data")({0x0A}).Le32(static_cast<std::int32_t>(payload.size())).Raw(payload);
    const QByteArray file = OneRecordFile("TGImage", props);
    ASSERT_TRUE(Read(file));
    auto* image = Only<TGImage>();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Picture().Kind(), picture::TGPicture::TGraphicKind::Bitmap);
    EXPECT_EQ(image->Picture().GraphicData(), bitmap);
    EXPECT_EQ(EncodePictureData(image->Picture()), payload);
}

TEST_F(ReadingTest, PicturePayloadsAreChecked)
{
    const auto pictureFile = [](const QByteArray& payload) {
        return OneRecordFile("TGImage", Bytes().Short("Picture.Data")({0x0A})
                                            .Le32(static_cast<std::int32_t>(payload.size()))
                                            .Raw(payload));
    };
    const DamageCase cases[] = {
        {"bitmap without BM", pictureFile(Bytes().Short("TBitmap").Le32(20).Raw(QByteArray(20, 'x'))),
         QStringLiteral("Bitmap image is not valid")},
        {"bitmap longer than its payload", pictureFile(Bytes().Short("TBitmap").Le32(500).Raw("BM")),
         QStringLiteral("Invalid property value")},
        {"metafile without signature", pictureFile(Bytes().Short("TMetafile").Le32(50).Raw(QByteArray(50, 'm'))),
         QStringLiteral("Metafile is not valid")},
        {"icon without header", pictureFile(Bytes().Short("TIcon").Raw("nope!!")), QStringLiteral("Icon image is not valid")},
        {"class name over 63 characters", pictureFile(Bytes().Short(QByteArray(64, 'T').constData())),
         QStringLiteral("Invalid property value")},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TGFilerStatus status = Read(c.file);
        EXPECT_EQ(status.Message(), c.message);
        EXPECT_EQ(surface_->Count(), 0);
    }
}

TEST_F(ReadingTest, UnknownGraphicClassesAreKeptAsTheyAre)
{
    const QByteArray payload = Bytes().Short("TJPEGImage").Raw("\xFF\xD8 some jpeg");
    const QByteArray props = Bytes().Short("Picture.Data")({0x0A}).Le32(static_cast<std::int32_t>(payload.size())).Raw(payload);
    ASSERT_TRUE(Read(OneRecordFile("TGImage", props)));
    auto* image = Only<TGImage>();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Picture().Kind(), picture::TGPicture::TGraphicKind::Other);
    EXPECT_EQ(EncodePictureData(image->Picture()), payload);
}

TEST_F(ReadingTest, SettersApplyTheirRulesWhileReading)
{
    const QByteArray label = Bytes()
                                 .Short("Width")({0x02, 0x64})
                                 .Short("Height")({0x02, 0x0A})
                                 .Short("Alignment")({0x07})
                                 .Short("taCenter")
                                 .Short("Angle")({0x02, 0x2D}); // 45 degrees: ignored
    ASSERT_TRUE(Read(OneRecordFile("TGPLabel", label)));
    auto* text = Only<TGPLabel>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Angle(), 0);
    EXPECT_EQ(text->Alignment(), TAlignment::taCenter);

    const QByteArray shape = Bytes().Short("Transparent")({0x09});
    ASSERT_TRUE(Read(OneRecordFile("TGLabelShapes", shape)));
    auto* rectangle = Only<TGLabelShapes>();
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->Brush().Style, TBrushStyle::bsClear);

    ASSERT_TRUE(Read(OneRecordFile("TGImage", Bytes().Short("Stretch")({0x08}))));
    auto* image = Only<TGImage>();
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->AutoSize());
}

} // namespace
