// Placeable Windows metafiles drawn by our player: shapes, mapping, objects,
// text and bitmaps, checked by the colours at known places.
#include "metafile_builder.h"
#include "metafile_checks.h"

#include <gtest/gtest.h>

using namespace metafile_test;

namespace {

enum : std::uint16_t {
    SAVEDC = 0x001E, SETMAPMODE = 0x0103, SETPOLYFILLMODE = 0x0106, RESTOREDC = 0x0127, SELECTOBJECT = 0x012D,
    SETTEXTCOLOR = 0x0209, SETWINDOWORG = 0x020B, SETWINDOWEXT = 0x020C, LINETO = 0x0213, MOVETO = 0x0214,
    CREATEPENINDIRECT = 0x02FA, CREATEFONTINDIRECT = 0x02FB, CREATEBRUSHINDIRECT = 0x02FC, POLYLINE = 0x0325,
    ELLIPSE = 0x0418, RECTANGLE = 0x041B, TEXTOUT = 0x0521, POLYPOLYGON = 0x0538, PIE = 0x081A,
    EXTTEXTOUT = 0x0A32, STRETCHDIB = 0x0F43, EXCLUDECLIPRECT = 0x0415, INTERSECTCLIPRECT = 0x0416,
};

// A 100 x 100 picture whose window is its bounding box.
TWmfBuilder Picture()
{
    TWmfBuilder wmf(QRect(0, 0, 100, 100));
    wmf.Record(SETWINDOWORG, {0, 0}).Record(SETWINDOWEXT, {100, 100});
    return wmf;
}

// Objects 0 (red brush) and 1 (no pen) made and selected.
TWmfBuilder RedFill()
{
    TWmfBuilder wmf = Picture();
    wmf.Record(CREATEBRUSHINDIRECT, {0, 0x00FF, 0x0000, 0}).Record(CREATEPENINDIRECT, {5, 0, 0, 0, 0});
    wmf.Record(SELECTOBJECT, {0}).Record(SELECTOBJECT, {1});
    return wmf;
}

// Rectangle parameters run bottom, right, top, left.
QByteArray RedSquare(TWmfBuilder wmf) { return wmf.Record(RECTANGLE, {80, 80, 20, 20}).Build(); }

QByteArray Font(int height, const char* face)
{
    QByteArray params;
    for (int word : {height, 0, 0, 0, 700})
        AppendLe16(params, word);
    params.append(QByteArray(8, '\0'));
    params.append(QByteArray(face).leftJustified(32, '\0'));
    return params;
}

QByteArray StretchedDib()
{
    QByteArray params;
    AppendLe32(params, 0x00CC0020); // copy the source
    for (int word : {0, 2, 2, 0, 0, 100, 100, 0, 0})
        AppendLe16(params, word);
    return params + FourColourDibInfo() + FourColourDibBits();
}

TEST(WmfPlayer, DrawsShapesWhereTheMappingPutsThem)
{
    const QSize size(100, 100);
    const std::vector<std::tuple<const char*, QByteArray, std::vector<TCheck>>> cases = {
        {"filled rectangle", RedSquare(RedFill()), {At(50, 50, kRed), At(10, 10, kWhite), At(90, 90, kWhite)}},
        {"window origin moves the picture", RedSquare(RedFill().Record(SETWINDOWORG, {50, 50})),
         {At(10, 10, kRed), At(50, 50, kWhite)}},
        {"window extent scales it", RedSquare(RedFill().Record(SETWINDOWEXT, {200, 200})),
         {At(25, 25, kRed), At(50, 50, kWhite)}},
        {"isotropic mapping keeps the aspect",
         RedFill().Record(SETMAPMODE, {7}).Record(SETWINDOWEXT, {100, 200}).Record(RECTANGLE, {100, 200, 0, 0}).Build(),
         {At(50, 25, kRed), At(50, 75, kWhite)}},
        {"thick polyline",
         Picture().Record(CREATEPENINDIRECT, {0, 10, 0, 0x0000, 0x00FF}).Record(SELECTOBJECT, {0})
             .Record(POLYLINE, {2, 10, 50, 90, 50}).Build(),
         {At(50, 50, kBlue), At(50, 47, kBlue), At(50, 30, kWhite)}},
        {"line from the current position",
         Picture().Record(CREATEPENINDIRECT, {0, 10, 0, 0x0000, 0x00FF}).Record(SELECTOBJECT, {0})
             .Record(MOVETO, {50, 10}).Record(LINETO, {50, 90}).Build(), // (y, x)
         {At(50, 50, kBlue), At(50, 20, kWhite), At(50, 80, kWhite)}},
        {"polygons with a hole, alternate fill",
         RedFill().Record(POLYPOLYGON, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 40, 40, 60, 40, 60, 60, 40, 60})
             .Build(),
         {At(20, 20, kRed), At(50, 50, kWhite)}},
        {"winding fill closes the hole",
         RedFill().Record(SETPOLYFILLMODE, {2})
             .Record(POLYPOLYGON, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 40, 40, 60, 40, 60, 60, 40, 60})
             .Build(),
         {At(20, 20, kRed), At(50, 50, kRed)}},
        {"ellipse", RedFill().Record(ELLIPSE, {100, 100, 0, 0}).Build(), {At(50, 50, kRed), At(4, 4, kWhite)}},
        // From three o'clock counter-clockwise to twelve: the upper right quarter.
        {"pie", RedFill().Record(PIE, {0, 50, 50, 100, 100, 100, 0, 0}).Build(),
         {At(70, 30, kRed), At(30, 30, kWhite), At(30, 70, kWhite), At(70, 70, kWhite)}},
        {"restoring the device context brings the brush back",
         RedSquare(RedFill().Record(CREATEBRUSHINDIRECT, {0, 0xFF00, 0x0000, 0}).Record(SAVEDC, {})
                       .Record(SELECTOBJECT, {2}).Record(RESTOREDC, {-1})),
         {At(50, 50, kRed)}},
        {"clipped to a rectangle", RedSquare(RedFill().Record(INTERSECTCLIPRECT, {50, 50, 0, 0})),
         {At(30, 30, kRed), At(60, 60, kWhite)}},
        {"rectangle cut out of the clipping", RedSquare(RedFill().Record(EXCLUDECLIPRECT, {50, 50, 0, 0})),
         {At(30, 30, kWhite), At(60, 60, kRed)}},
        {"bitmap stretched over the picture", Picture().Raw(STRETCHDIB, StretchedDib()).Build(),
         {At(25, 25, kRed), At(75, 25, kGreen), At(25, 75, kBlue), At(75, 75, kWhite)}},
    };
    for (const auto& [name, file, checks] : cases)
        ExpectRendering(name, file, size, checks);
}

TEST(WmfPlayer, WritesTextInTheSelectedFontAndColour)
{
    QByteArray text("HH");
    QByteArray textOut;
    AppendLe16(textOut, 2);
    textOut.append(text);
    for (int word : {10, 10}) // y, x
        AppendLe16(textOut, word);
    QByteArray extTextOut;
    for (int word : {60, 10, 2, 0}) // y, x, length, options
        AppendLe16(extTextOut, word);
    extTextOut.append(text);

    const auto font = [](TWmfBuilder wmf) {
        return wmf.Raw(CREATEFONTINDIRECT, Font(-30, "DejaVu Sans")).Record(SELECTOBJECT, {0})
            .Record(SETTEXTCOLOR, {0x00FF, 0x0000});
    };
    ExpectRendering("text out", font(Picture()).Raw(TEXTOUT, textOut).Build(), QSize(100, 100),
                    {Somewhere(QRect(10, 10, 40, 30), kRed), At(5, 5, kWhite), At(50, 80, kWhite)});
    ExpectRendering("extended text out", font(Picture()).Raw(EXTTEXTOUT, extTextOut).Build(), QSize(100, 100),
                    {Somewhere(QRect(10, 60, 40, 30), kRed), At(50, 30, kWhite)});
}

} // namespace
