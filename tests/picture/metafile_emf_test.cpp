// Enhanced metafiles drawn by our player: shapes, mapping modes, world
// transforms, paths, stock objects, text and bitmaps.
#include "metafile_builder.h"
#include "metafile_checks.h"

#include <gtest/gtest.h>

using namespace metafile_test;

namespace {

enum : std::uint32_t {
    POLYGON16 = 86, POLYLINE16 = 87, POLYBEZIER16 = 85, SETWINDOWEXTEX = 9, SETVIEWPORTEXTEX = 11,
    SETVIEWPORTORGEX = 12, SETMAPMODE = 17, SETTEXTCOLOR = 24, MOVETOEX = 27, SAVEDC = 33, RESTOREDC = 34,
    SETWORLDTRANSFORM = 35, MODIFYWORLDTRANSFORM = 36, SELECTOBJECT = 37, CREATEPEN = 38,
    CREATEBRUSHINDIRECT = 39, RECTANGLE = 43, ROUNDRECT = 44, LINETO = 54, BEGINPATH = 59, ENDPATH = 60,
    CLOSEFIGURE = 61, FILLPATH = 62, BITBLT = 76, STRETCHDIBITS = 81, EXTCREATEFONTINDIRECTW = 82,
    EXTTEXTOUTW = 84, EXTCREATEPEN = 95, EXCLUDECLIPRECT = 29, INTERSECTCLIPRECT = 30, PIE = 47,
    SETARCDIRECTION = 57, SELECTCLIPPATH = 67, EXTSELECTCLIPRGN = 75,
};
constexpr std::int64_t kStock = 0x80000000;
constexpr std::int64_t kNullPen = kStock | 8;
constexpr std::int64_t kBlackBrush = kStock | 4;

// Object 1: a red brush, selected with no pen.
TEmfBuilder RedFill()
{
    TEmfBuilder emf(QSize(100, 100));
    emf.Record(CREATEBRUSHINDIRECT, {1, 0, 0x0000FF, 0}).Record(SELECTOBJECT, {1}).Record(SELECTOBJECT, {kNullPen});
    return emf;
}

// Object 2: a blue pen ten units wide.
TEmfBuilder BluePen()
{
    TEmfBuilder emf(QSize(100, 100));
    emf.Record(CREATEPEN, {2, 0, 10, 0, 0xFF0000}).Record(SELECTOBJECT, {2});
    return emf;
}

std::int64_t F(float value) { return FloatBits(value); }

QByteArray Points16(std::initializer_list<std::pair<int, int>> points)
{
    QByteArray params;
    for (int bound : {0, 0, 100, 100})
        AppendLe32(params, bound);
    AppendLe32(params, static_cast<std::int64_t>(points.size()));
    for (const auto& [x, y] : points) {
        AppendLe16(params, x);
        AppendLe16(params, y);
    }
    return params;
}

QByteArray StretchDibits()
{
    QByteArray params;
    // bounds, destination, source, then where the bitmap lies in the record
    params.append(Le32s({0, 0, 99, 99, 0, 0, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 100, 100}));
    return params + FourColourDibInfo() + FourColourDibBits();
}

QByteArray PatternBlit()
{
    QByteArray params;
    params.append(Le32s({0, 0, 99, 49, 0, 0, 100, 50, 0x00F00021, 0, 0}));
    params.append(Le32s({F(1), F(0), F(0), F(1), F(0), F(0)}));
    for (int i = 0; i < 6; ++i)
        AppendLe32(params, 0); // background, usage, no bitmap
    return params;
}

QByteArray ExtPen()
{
    QByteArray params;
    params.append(Le32s({2, 0, 0, 0, 0, 0x10000, 10, 0, 0xFF0000, 0, 0}));
    return params;
}

TEST(EmfPlayer, DrawsShapesWhereTheMappingPutsThem)
{
    const QSize size(100, 100);
    const std::vector<std::tuple<const char*, QByteArray, std::vector<TCheck>>> cases = {
        {"filled rectangle", RedFill().Record(RECTANGLE, {20, 20, 80, 80}).Build(),
         {At(50, 50, kRed), At(10, 10, kWhite), At(90, 90, kWhite)}},
        {"stock black brush",
         TEmfBuilder(size).Record(SELECTOBJECT, {kBlackBrush}).Record(SELECTOBJECT, {kNullPen})
             .Record(RECTANGLE, {20, 20, 80, 80}).Build(),
         {At(50, 50, kBlack), At(10, 10, kWhite)}},
        {"window and viewport extents",
         RedFill().Record(SETMAPMODE, {8}).Record(SETWINDOWEXTEX, {1000, 1000}).Record(SETVIEWPORTEXTEX, {100, 100})
             .Record(RECTANGLE, {200, 200, 800, 800}).Build(),
         {At(50, 50, kRed), At(10, 10, kWhite)}},
        {"viewport origin",
         RedFill().Record(SETVIEWPORTORGEX, {50, 0}).Record(RECTANGLE, {0, 0, 40, 40}).Build(),
         {At(70, 20, kRed), At(20, 20, kWhite)}},
        {"metric mapping turns y upwards",
         RedFill().Record(SETMAPMODE, {2}).Record(RECTANGLE, {0, 0, 100, -100}).Build(),
         {At(20, 20, kRed), At(60, 60, kWhite), At(20, 60, kWhite)}},
        {"world transform scales",
         RedFill().Record(SETWORLDTRANSFORM, {F(2), F(0), F(0), F(2), F(0), F(0)})
             .Record(RECTANGLE, {10, 10, 40, 40}).Build(),
         {At(50, 50, kRed), At(10, 10, kWhite)}},
        {"modified world transform translates",
         RedFill().Record(MODIFYWORLDTRANSFORM, {F(1), F(0), F(0), F(1), F(50), F(0), 4})
             .Record(RECTANGLE, {0, 0, 40, 40}).Build(),
         {At(70, 20, kRed), At(20, 20, kWhite)}},
        {"restoring the context undoes the transform",
         RedFill().Record(SAVEDC, {}).Record(SETWORLDTRANSFORM, {F(1), F(0), F(0), F(1), F(50), F(0)})
             .Record(RESTOREDC, {-1}).Record(RECTANGLE, {0, 0, 40, 40}).Build(),
         {At(20, 20, kRed), At(70, 20, kWhite)}},
        {"filled path",
         RedFill().Record(BEGINPATH, {}).Record(MOVETOEX, {10, 90}).Record(LINETO, {50, 10})
             .Record(LINETO, {90, 90}).Record(CLOSEFIGURE, {}).Record(ENDPATH, {}).Record(FILLPATH, {0, 0, 99, 99})
             .Build(),
         {At(50, 60, kRed), At(15, 20, kWhite), At(85, 20, kWhite)}},
        {"polygon with 16-bit points", RedFill().Raw(POLYGON16, Points16({{10, 10}, {90, 10}, {90, 90}})).Build(),
         {At(80, 20, kRed), At(20, 80, kWhite)}},
        {"rounded rectangle keeps its corners free",
         RedFill().Record(ROUNDRECT, {0, 0, 100, 100, 60, 60}).Build(),
         {At(50, 50, kRed), At(3, 3, kWhite), At(50, 3, kRed)}},
        {"thick polyline", BluePen().Raw(POLYLINE16, Points16({{10, 50}, {90, 50}})).Build(),
         {At(50, 50, kBlue), At(50, 47, kBlue), At(50, 30, kWhite)}},
        {"bezier", BluePen().Raw(POLYBEZIER16, Points16({{10, 50}, {40, 50}, {60, 50}, {90, 50}})).Build(),
         {At(50, 50, kBlue), At(50, 30, kWhite)}},
        {"extended pen",
         TEmfBuilder(size).Raw(EXTCREATEPEN, ExtPen()).Record(SELECTOBJECT, {2}).Record(MOVETOEX, {10, 50})
             .Record(LINETO, {90, 50}).Build(),
         {At(50, 50, kBlue), At(50, 47, kBlue), At(50, 30, kWhite)}},
        {"bitmap stretched over the picture", TEmfBuilder(size).Raw(STRETCHDIBITS, StretchDibits()).Build(),
         {At(25, 25, kRed), At(75, 25, kGreen), At(25, 75, kBlue), At(75, 75, kWhite)}},
        {"block transfer without a bitmap paints with the brush", RedFill().Raw(BITBLT, PatternBlit()).Build(),
         {At(50, 25, kRed), At(50, 75, kWhite)}},
    };
    for (const auto& [name, file, checks] : cases)
        ExpectRendering(name, file, size, checks);
}

// A clipping region of one rectangle, in device units.
QByteArray Region(int mode, std::initializer_list<std::int64_t> rect)
{
    QByteArray params = Le32s({48, mode, 32, 1, 1, 16});
    params.append(Le32s(rect)).append(Le32s(rect));
    return params;
}

TEST(EmfPlayer, ClipsToTheAreasTheFileSelects)
{
    const auto square = [](TEmfBuilder emf) { return emf.Record(RECTANGLE, {0, 0, 100, 100}).Build(); };
    const std::vector<std::tuple<const char*, QByteArray, std::vector<TCheck>>> cases = {
        {"intersected rectangle", square(RedFill().Record(INTERSECTCLIPRECT, {0, 0, 50, 50})),
         {At(25, 25, kRed), At(75, 25, kWhite), At(25, 75, kWhite)}},
        {"two intersections leave their overlap",
         square(RedFill().Record(INTERSECTCLIPRECT, {0, 0, 50, 100}).Record(INTERSECTCLIPRECT, {0, 0, 100, 50})),
         {At(25, 25, kRed), At(75, 25, kWhite), At(25, 75, kWhite)}},
        {"excluded rectangle", square(RedFill().Record(EXCLUDECLIPRECT, {0, 0, 50, 50})),
         {At(25, 25, kWhite), At(75, 25, kRed), At(75, 75, kRed)}},
        {"restoring the context restores the clipping",
         square(RedFill().Record(SAVEDC, {}).Record(INTERSECTCLIPRECT, {0, 0, 50, 50}).Record(RESTOREDC, {-1})),
         {At(25, 25, kRed), At(75, 75, kRed)}},
        {"region replaces the clipping", square(RedFill().Record(INTERSECTCLIPRECT, {0, 0, 50, 50})
                                                     .Raw(EXTSELECTCLIPRGN, Region(5, {50, 50, 100, 100}))),
         {At(25, 25, kWhite), At(75, 75, kRed)}},
        {"empty region with copy clips nothing away",
         square(RedFill().Record(INTERSECTCLIPRECT, {0, 0, 50, 50}).Record(EXTSELECTCLIPRGN, {0, 5})),
         {At(25, 25, kRed), At(75, 75, kRed)}},
        {"path as the clipping",
         square(RedFill().Record(BEGINPATH, {}).Record(RECTANGLE, {50, 0, 100, 100}).Record(ENDPATH, {})
                    .Record(SELECTCLIPPATH, {5})),
         {At(25, 50, kWhite), At(75, 50, kRed)}},
        // Clockwise from three o'clock to twelve: all but the upper right quarter.
        {"clockwise pie",
         RedFill().Record(SETARCDIRECTION, {2}).Record(PIE, {0, 0, 100, 100, 100, 50, 50, 0}).Build(),
         {At(70, 30, kWhite), At(30, 30, kRed), At(30, 70, kRed), At(70, 70, kRed)}},
    };
    for (const auto& [name, file, checks] : cases)
        ExpectRendering(name, file, QSize(100, 100), checks);
}

TEST(EmfPlayer, WritesWideTextInTheSelectedFontAndColour)
{
    QByteArray font;
    AppendLe32(font, 3);
    font.append(Le32s({-30, 0, 0, 0, 700, 0, 0}));
    font.append(QByteArray(reinterpret_cast<const char*>(u"DejaVu Sans"), 22).leftJustified(64, '\0'));

    QByteArray text;
    text.append(Le32s({0, 0, 99, 99, 1, F(1), F(1), 10, 10, 2, 76, 0, 0, 0, 0, 0, 0}));
    text.append(QByteArray(reinterpret_cast<const char*>(u"HH"), 4));

    const QByteArray file = TEmfBuilder(QSize(100, 100)).Raw(EXTCREATEFONTINDIRECTW, font).Record(SELECTOBJECT, {3})
                                .Record(SETTEXTCOLOR, {0x0000FF}).Raw(EXTTEXTOUTW, text).Build();
    ExpectRendering("wide text", file, QSize(100, 100),
                    {Somewhere(QRect(10, 10, 40, 30), kRed), At(5, 5, kWhite), At(50, 80, kWhite)});

    // Turned a quarter clockwise about the origin, then moved right: the
    // letters run downwards along the left half.
    const QByteArray turned = TEmfBuilder(QSize(100, 100)).Raw(EXTCREATEFONTINDIRECTW, font).Record(SELECTOBJECT, {3})
                                  .Record(SETTEXTCOLOR, {0x0000FF})
                                  .Record(SETWORLDTRANSFORM, {F(0), F(1), F(-1), F(0), F(60), F(0)})
                                  .Raw(EXTTEXTOUTW, text).Build();
    ExpectRendering("turned text", turned, QSize(100, 100),
                    {Somewhere(QRect(20, 10, 30, 40), kRed), At(80, 20, kWhite), At(30, 80, kWhite)});
}

TEST(EmfPlayer, FrameFillsTheTargetAtAnySize)
{
    const QByteArray file = RedFill().Record(RECTANGLE, {0, 0, 50, 100}).Build();
    ExpectRendering("half size", file, QSize(50, 50), {At(12, 25, kRed), At(37, 25, kWhite)});
    ExpectRendering("stretched", file, QSize(400, 100), {At(100, 50, kRed), At(300, 50, kWhite)});
}

} // namespace
