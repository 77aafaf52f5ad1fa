// Damaged and hostile metafiles: whatever the bytes say, the player stays
// inside the file, keeps its tables small and either shows what it could
// draw or the placeholder frame.
#include "metafile_builder.h"
#include "metafile_checks.h"

#include "picture/image_metafile.h"

#include <gtest/gtest.h>

using namespace metafile_test;
namespace metafile = picture::metafile;

namespace {

enum : std::uint16_t {
    SAVEDC = 0x001E, RESTOREDC = 0x0127, SELECTOBJECT = 0x012D, DELETEOBJECT = 0x01F0, CREATEBRUSHINDIRECT = 0x02FC,
    CREATEPENINDIRECT = 0x02FA, POLYGON = 0x0324, RECTANGLE = 0x041B, TEXTOUT = 0x0521, POLYPOLYGON = 0x0538,
    STRETCHDIB = 0x0F43,
};
enum : std::uint32_t {
    EMF_POLYPOLYGON = 8, EMF_RESTOREDC = 34, EMF_SETWORLDTRANSFORM = 35, EMF_SELECTOBJECT = 37,
    EMF_CREATEBRUSHINDIRECT = 39, EMF_RECTANGLE = 43, EMF_STRETCHDIBITS = 81, EMF_EXTTEXTOUTW = 84,
};

const QSize kSize(60, 60);

QByteArray RedSquareWmf()
{
    return TWmfBuilder(QRect(0, 0, 100, 100)).Record(CREATEBRUSHINDIRECT, {0, 0x00FF, 0, 0})
        .Record(SELECTOBJECT, {0}).Record(RECTANGLE, {80, 80, 20, 20}).Build();
}

QByteArray DibRecord(int width, int height, bool withBits)
{
    QByteArray params;
    AppendLe32(params, 0x00CC0020);
    for (int word : {0, 2, 2, 0, 0, 100, 100, 0, 0})
        AppendLe16(params, word);
    QByteArray info = FourColourDibInfo();
    info.replace(4, 8, QByteArray());
    QByteArray size;
    AppendLe32(size, width);
    AppendLe32(size, height);
    info.insert(4, size);
    return params + info + (withBits ? FourColourDibBits() : QByteArray());
}

QByteArray HugeTextEmf()
{
    QByteArray text;
    text.append(Le32s({0, 0, 9, 9, 1, 0, 0, 10, 10, 0x7FFFFFFF, 76, 0, 0, 0, 0, 0, 0}));
    text.append("H\0", 2);
    return TEmfBuilder(kSize).Raw(EMF_EXTTEXTOUTW, text).Build();
}

QByteArray DibOutsideRecordEmf()
{
    QByteArray params;
    params.append(Le32s({0, 0, 9, 9, 0, 0, 0, 0, 2, 2, 0xFFFFFFF0, 40, 0x7FFFFFF0, 16, 0, 0x00CC0020, 100, 100}));
    return TEmfBuilder(kSize).Raw(EMF_STRETCHDIBITS, params).Build();
}

QByteArray ManySavesWmf()
{
    TWmfBuilder wmf(QRect(0, 0, 100, 100));
    for (int i = 0; i < 3000; ++i)
        wmf.Record(SAVEDC, {});
    wmf.Record(RESTOREDC, {-32000}).Record(RESTOREDC, {2999}).Record(RESTOREDC, {-1});
    return wmf.Record(RECTANGLE, {80, 80, 20, 20}).Build();
}

QByteArray ManyObjectsWmf()
{
    TWmfBuilder wmf(QRect(0, 0, 100, 100));
    for (int i = 0; i < 5000; ++i)
        wmf.Record(CREATEPENINDIRECT, {0, 1, 0, 0, 0});
    return wmf.Record(DELETEOBJECT, {3}).Record(CREATEBRUSHINDIRECT, {0, 0x00FF, 0, 0}).Record(SELECTOBJECT, {3})
        .Record(SELECTOBJECT, {4999}).Record(RECTANGLE, {80, 80, 20, 20}).Build();
}

enum class TOutcome { Placeholder, Drawing };

TEST(MetafileDamage, NeverReadsOutsideTheFileAndShowsWhatItCould)
{
    const QByteArray wmf = RedSquareWmf();
    const QByteArray emf = TEmfBuilder(kSize).Record(EMF_CREATEBRUSHINDIRECT, {1, 0, 0xFF, 0})
                               .Record(EMF_SELECTOBJECT, {1}).Record(EMF_RECTANGLE, {10, 10, 50, 50}).Build();
    const std::vector<std::tuple<const char*, QByteArray, TOutcome>> cases = {
        {"wmf header only", TWmfBuilder(QRect(0, 0, 100, 100)).Build(), TOutcome::Placeholder},
        {"wmf cut inside the closing record", wmf.first(wmf.size() - 3), TOutcome::Drawing},
        {"wmf cut inside the rectangle", wmf.first(wmf.size() - 9), TOutcome::Placeholder},
        {"wmf cut inside its header", wmf.first(30), TOutcome::Placeholder},
        {"wmf record of size zero", TWmfBuilder(QRect(0, 0, 9, 9)).Lying(0, RECTANGLE).Build(), TOutcome::Placeholder},
        {"wmf record larger than the file", TWmfBuilder(QRect(0, 0, 9, 9)).Lying(0x7FFFFFFF, RECTANGLE).Build(),
         TOutcome::Placeholder},
        {"wmf polygon counting beyond its record",
         TWmfBuilder(QRect(0, 0, 9, 9)).Record(POLYGON, {65535, 1, 2, 3, 4}).Build(), TOutcome::Placeholder},
        {"wmf polygons counting beyond their record",
         TWmfBuilder(QRect(0, 0, 9, 9)).Record(POLYPOLYGON, {2, 3, 60000, 0, 0, 5, 5, 0, 5}).Build(),
         TOutcome::Placeholder},
        {"wmf text longer than its record",
         TWmfBuilder(QRect(0, 0, 9, 9)).Record(TEXTOUT, {40000, 0x4848}).Build(), TOutcome::Placeholder},
        {"wmf object index out of range",
         TWmfBuilder(QRect(0, 0, 100, 100)).Record(SELECTOBJECT, {9999}).Record(DELETEOBJECT, {9999})
             .Record(RECTANGLE, {80, 80, 20, 20}).Build(),
         TOutcome::Drawing},
        {"wmf saving the context thousands of times", ManySavesWmf(), TOutcome::Drawing},
        {"wmf more objects than the table holds", ManyObjectsWmf(), TOutcome::Drawing},
        {"wmf bitmap of absurd size", TWmfBuilder(QRect(0, 0, 9, 9)).Raw(STRETCHDIB, DibRecord(100000, 100000, true))
                                          .Build(), TOutcome::Placeholder},
        {"wmf bitmap without its bits", TWmfBuilder(QRect(0, 0, 9, 9)).Raw(STRETCHDIB, DibRecord(2, 2, false))
                                            .Build(), TOutcome::Placeholder},
        {"wmf bitmap promising more rows than it holds",
         TWmfBuilder(QRect(0, 0, 9, 9)).Raw(STRETCHDIB, DibRecord(4000, 4000, true)).Build(), TOutcome::Placeholder},
        {"wmf empty bounding box", TWmfBuilder(QRect(0, 0, 0, 0)).Record(RECTANGLE, {80, 80, 20, 20}).Build(),
         TOutcome::Drawing},
        {"emf header claiming more than the file", QByteArray(emf).replace(4, 4, "\xF0\xFF\xFF\x7F"),
         TOutcome::Placeholder},
        {"emf cut inside a record", emf.first(emf.size() - 30), TOutcome::Placeholder},
        {"emf cut inside the closing record", emf.first(emf.size() - 4), TOutcome::Drawing},
        {"emf polygons counting beyond their record",
         TEmfBuilder(kSize).Record(EMF_POLYPOLYGON, {0, 0, 9, 9, 0x7FFFFFFF, 0x7FFFFFFF, 3}).Build(),
         TOutcome::Placeholder},
        {"emf text longer than its record", HugeTextEmf(), TOutcome::Drawing},
        {"emf bitmap outside its record", DibOutsideRecordEmf(), TOutcome::Placeholder},
        {"emf transform that collapses everything",
         TEmfBuilder(kSize).Record(EMF_SETWORLDTRANSFORM, {0, 0, 0, 0, 0, 0}).Record(EMF_RECTANGLE, {1, 1, 50, 50})
             .Build(),
         TOutcome::Placeholder},
        {"emf transform of not-a-numbers",
         TEmfBuilder(kSize).Record(EMF_SETWORLDTRANSFORM, {0x7FC00000, 0, 0, 0x7FC00000, 0, 0})
             .Record(EMF_RECTANGLE, {1, 1, 50, 50}).Build(),
         TOutcome::Placeholder},
        {"emf restoring levels never saved",
         TEmfBuilder(kSize).Record(EMF_RESTOREDC, {-5}).Record(EMF_RESTOREDC, {7}).Record(EMF_RECTANGLE, {1, 1, 50, 50})
             .Build(),
         TOutcome::Drawing},
        {"emf object indexes of every kind",
         TEmfBuilder(kSize).Record(EMF_CREATEBRUSHINDIRECT, {0, 0, 0xFF, 0})
             .Record(EMF_CREATEBRUSHINDIRECT, {0x80000004, 0, 0xFF, 0}).Record(EMF_SELECTOBJECT, {0xFFFFFFFF})
             .Record(EMF_SELECTOBJECT, {12345}).Record(EMF_RECTANGLE, {1, 1, 50, 50}).Build(),
         TOutcome::Drawing},
    };
    for (const auto& [name, file, outcome] : cases) {
        SCOPED_TRACE(name);
        const QImage image = picture::metafile::Render(file, kSize);
        ASSERT_EQ(image.size(), kSize);
        EXPECT_EQ(image == picture::metafile::Placeholder(kSize), outcome == TOutcome::Placeholder);
    }
}

TEST(MetafileDamage, AFileCutShortKeepsWhatWasDrawnBeforeTheCut)
{
    const QByteArray wmf = RedSquareWmf();
    ExpectRendering("cut wmf", wmf.first(wmf.size() - 3), QSize(100, 100), {At(50, 50, kRed)});
}

// A file that paints over the whole picture tens of thousands of times is
// not clip art; the player stops long before a printer-sized page would
// keep it busy for hours, and shows what it drew until then.
TEST(MetafileDamage, EndlessOverpaintingStops)
{
    TWmfBuilder wmf(QRect(0, 0, 100, 100));
    wmf.Record(CREATEBRUSHINDIRECT, {0, 0x00FF, 0, 0}).Record(CREATEBRUSHINDIRECT, {0, 0xFF00, 0, 0});
    wmf.Record(SELECTOBJECT, {0});
    for (int i = 0; i < 40000; ++i)
        wmf.Record(RECTANGLE, {100, 100, 0, 0});
    wmf.Record(SELECTOBJECT, {1}).Record(RECTANGLE, {100, 100, 0, 0});
    ExpectRendering("overpainting", wmf.Build(), kSize, {At(30, 30, kRed)});
}

TEST(MetafileDamage, OnlyMetafilesOfAUsableSizeAreRendered)
{
    const QByteArray wmf = RedSquareWmf();
    EXPECT_TRUE(picture::metafile::RenderDrawing(wmf, QSize(0, 10)).isNull());
    EXPECT_TRUE(picture::metafile::RenderDrawing(wmf, QSize(20000, 10)).isNull());
    EXPECT_TRUE(picture::metafile::RenderDrawing(QByteArray("BM a bitmap, not a metafile"), QSize(10, 10)).isNull());
    EXPECT_TRUE(picture::metafile::Render(QByteArray(), QSize()).isNull());
}

} // namespace
