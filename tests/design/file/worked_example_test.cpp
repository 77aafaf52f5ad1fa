// The byte layout of design files against hand-assembled bytes.

#include "design_fixtures.h"

#include "design/file/label_object_filer.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/line_shape.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"

#include <gtest/gtest.h>

using namespace design;
using design_test::Bytes;
using design_test::Encode;

namespace {

QByteArray LineRecord()
{
    return Bytes()({0x54, 0x50, 0x46, 0x30})
        .Short("TGLineShape")
        .Short("Component0")
        .Short("Left")({0x02, 0x0A})
        .Short("Top")({0x02, 0x14})
        .Short("Width")({0x02, 0x64})
        .Short("Height")({0x02, 0x0A})
        .Short("Locked")({0x08})
        .Short("Unselectable")({0x08})({0x00, 0x00});
}

TEST(DesignFileLayout, HorizontalLineIsTheDocumentedRecord)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* line = surface.Add(std::make_unique<TGLineShape>(owner));
    line->SetName(QStringLiteral("Component0"));
    line->SetBounds(10, 20, 100, 10);

    const QByteArray expected = Bytes()({0x01}).Raw(LineRecord())({0x00});
    EXPECT_EQ(Encode(surface).toHex(' '), expected.toHex(' '));
}

TEST(DesignFileLayout, DocumentedRecordReadsBackAsTheLine)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    const QByteArray file = Bytes()({0x01}).Raw(LineRecord())({0x00});

    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(file, owner, surface));
    ASSERT_EQ(surface.Count(), 1);
    auto* line = dynamic_cast<TGLineShape*>(surface.At(0));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Bounds(), (TGBounds{10, 20, 100, 10}));
    EXPECT_EQ(line->LineStyle(), TLineStyle::stHorizontal);
    EXPECT_EQ(line->Pen(), TGPen());
    EXPECT_FALSE(line->Locked());
}

TEST(DesignFileLayout, StaticTextAtItsInitialState)
{
    TGDesignOwner owner(96);
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    auto* text = surface.Add(std::make_unique<TGPLabel>(owner));
    text->SetName(QStringLiteral("Component0"));

    const QByteArray expected = Bytes()({0x01, 0x54, 0x50, 0x46, 0x30})
                                    .Short("TGPLabel")
                                    .Short("Component0")
                                    .Short("Left")({0x02, 0x00})
                                    .Short("Top")({0x02, 0x00})
                                    .Short("Width")({0x03, 0x8E, 0x00})
                                    .Short("Height")({0x02, 0x21})
                                    .Short("Locked")({0x08})
                                    .Short("Unselectable")({0x08})
                                    .Short("Caption")({0x06})
                                    .Short("Text")
                                    .Short("Font.Color")({0x07})
                                    .Short("clBlack")
                                    .Short("Font.Height")({0x02, 0xF3})
                                    .Short("Font.Name")({0x06})
                                    .Short("Arial")
                                    .Short("Font.Style")({0x0B, 0x00})
                                    .Short("Transparent")({0x09})
                                    .Short("BackColor")({0x07})
                                    .Short("clWhite")
                                    .Short("BorderStyle")({0x07})
                                    .Short("bsNone")({0x00, 0x00, 0x00});
    EXPECT_EQ(Encode(surface).toHex(' '), expected.toHex(' '));
}

TEST(DesignFileLayout, SurfaceWithoutObjectsIsTwoBytes)
{
    TGDesignOwner owner;
    TGSurfaceObjects surface(TGClassSet::LabelSurface());
    EXPECT_EQ(Encode(surface), QByteArrayLiteral("\x01\x00"));

    ASSERT_TRUE(TGLabelObjectFiler().DecodeObjects(QByteArrayLiteral("\x01\x00"), owner, surface));
    EXPECT_EQ(surface.Count(), 0);
}

TEST(DesignFileLayout, FontHeightIsPixelsAtTheScreenResolution)
{
    EXPECT_EQ(TGFont::HeightForPoints(10, 96), -13);
    EXPECT_EQ(TGFont::HeightForPoints(10, 120), -17);
    EXPECT_EQ(TGFont::HeightForPoints(24, 96), -32);
    TGFont font;
    font.Height = -13;
    EXPECT_EQ(font.PointSize(96), 10);
}

} // namespace
