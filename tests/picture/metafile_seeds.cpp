#include "metafile_seeds.h"

#include "metafile_builder.h"

namespace metafile_test {

namespace {

QByteArray WmfShapes()
{
    TWmfBuilder wmf(QRect(0, 0, 100, 100));
    wmf.Record(0x020B, {0, 0}).Record(0x020C, {100, 100}).Record(0x0103, {8});            // window, mapping
    wmf.Record(0x02FC, {0, 0x00FF, 0, 0}).Record(0x02FA, {0, 3, 0, 0, 0x00FF});         // brush, pen
    wmf.Record(0x012D, {0}).Record(0x012D, {1}).Record(0x001E, {}).Record(0x0106, {2}); // select, save
    wmf.Record(0x041B, {80, 80, 20, 20}).Record(0x061C, {10, 10, 90, 90, 60, 60});      // rectangles
    wmf.Record(0x0418, {50, 50, 0, 0}).Record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0}); // ellipse, pie
    wmf.Record(0x0817, {0, 50, 50, 100, 100, 100, 0, 0}).Record(0x0830, {0, 50, 50, 100, 100, 100, 0, 0});
    wmf.Record(0x0214, {5, 5}).Record(0x0213, {95, 95}).Record(0x0325, {3, 0, 0, 50, 90, 99, 0});
    wmf.Record(0x0324, {3, 10, 10, 90, 10, 50, 90});
    wmf.Record(0x0538, {2, 4, 3, 10, 10, 90, 10, 90, 90, 10, 90, 40, 40, 60, 40, 50, 60});
    wmf.Record(0x0127, {-1}).Record(0x01F0, {0});
    return wmf.Build();
}

QByteArray WmfTextAndBitmap()
{
    QByteArray font;
    for (int word : {-20, 0, 0, 0, 400})
        AppendLe16(font, word);
    font.append(QByteArray(8, '\0')).append(QByteArray("Arial").leftJustified(32, '\0'));
    QByteArray text;
    AppendLe16(text, 4);
    text.append("Text");
    AppendLe16(text, 10);
    AppendLe16(text, 10);
    QByteArray dib;
    AppendLe32(dib, 0x00CC0020);
    for (int word : {0, 2, 2, 0, 0, 50, 50, 50, 50})
        AppendLe16(dib, word);
    dib.append(FourColourDibInfo()).append(FourColourDibBits());
    return TWmfBuilder(QRect(0, 0, 100, 100)).Raw(0x02FB, font).Record(0x012D, {0}).Record(0x0209, {0xFF, 0})
        .Record(0x0102, {1}).Raw(0x0521, text).Raw(0x0F43, dib).Build();
}

QByteArray EmfShapes()
{
    TEmfBuilder emf(QSize(100, 100));
    emf.Record(17, {8}).Record(9, {200, 200}).Record(11, {100, 100}).Record(10, {0, 0}).Record(12, {0, 0});
    emf.Record(39, {1, 0, 0xFF, 0}).Record(38, {2, 0, 4, 0, 0xFF0000}).Record(37, {1}).Record(37, {2});
    emf.Record(33, {}).Record(43, {20, 20, 180, 180}).Record(44, {10, 10, 90, 90, 20, 20});
    emf.Record(42, {0, 0, 100, 100}).Record(47, {0, 0, 100, 100, 100, 50, 50, 0});
    emf.Record(45, {0, 0, 100, 100, 100, 50, 50, 0}).Record(46, {0, 0, 100, 100, 100, 50, 50, 0});
    emf.Record(35, {FloatBits(1), 0, 0, FloatBits(1), FloatBits(5), 0}).Record(34, {-1});
    emf.Record(59, {}).Record(27, {10, 90}).Record(54, {50, 10}).Record(54, {90, 90}).Record(61, {});
    emf.Record(60, {}).Record(63, {0, 0, 99, 99});
    emf.Record(37, {0x80000004}).Record(37, {0x80000008}).Record(40, {1});
    return emf.Build();
}

QByteArray EmfTextAndBitmap()
{
    QByteArray font = Le32s({3, -20, 0, 0, 0, 400, 0, 0});
    font.append(QByteArray(reinterpret_cast<const char*>(u"Arial"), 10).leftJustified(64, '\0'));
    QByteArray text = Le32s({0, 0, 99, 99, 1, FloatBits(1), FloatBits(1), 10, 10, 4, 76, 2, 0, 0, 50, 20, 0});
    text.append(QByteArray(reinterpret_cast<const char*>(u"Text"), 8));
    QByteArray dib = Le32s({0, 0, 49, 49, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 50, 50});
    dib.append(FourColourDibInfo()).append(FourColourDibBits());
    return TEmfBuilder(QSize(100, 100)).Raw(82, font).Record(37, {3}).Record(24, {0xFF}).Raw(84, text)
        .Raw(81, dib).Build();
}

} // namespace

std::vector<std::pair<QString, QByteArray>> SeedMetafiles()
{
    return {
        {QStringLiteral("wmf_shapes.wmf"), WmfShapes()},
        {QStringLiteral("wmf_text_bitmap.wmf"), WmfTextAndBitmap()},
        {QStringLiteral("emf_shapes.emf"), EmfShapes()},
        {QStringLiteral("emf_text_bitmap.emf"), EmfTextAndBitmap()},
    };
}

} // namespace metafile_test
