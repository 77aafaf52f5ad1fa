// The PCX decoder: each colour layout it reads, and damaged files refused
// without reading outside the bytes given.
#include "picture/pcx_decoder.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

using namespace picture;

namespace {

// A PCX file under construction: header fields, then coded scan lines.
struct PcxFile {
    int width = 1, height = 1, bits = 8, planes = 1, bytesPerLine = 2;
    QByteArray egaPalette = QByteArray(48, '\0');
    QByteArray data;
    QByteArray trailer;

    QByteArray Bytes() const
    {
        QByteArray header(128, '\0');
        header[0] = 0x0A;
        header[1] = 5;
        header[2] = 1;
        header[3] = static_cast<char>(bits);
        SetU16(header, 8, width - 1);
        SetU16(header, 10, height - 1);
        header.replace(16, 48, egaPalette);
        header[65] = static_cast<char>(planes);
        SetU16(header, 66, bytesPerLine);
        return header + data + trailer;
    }
    static void SetU16(QByteArray& bytes, int at, int value)
    {
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    }
};

QByteArray Palette256()
{
    QByteArray trailer(1, '\x0C');
    for (int i = 0; i < 256; ++i)
    {
        trailer += static_cast<char>(i);
        trailer += static_cast<char>(255 - i);
        trailer += static_cast<char>(i / 2);
    }
    return trailer;
}

TEST(PcxDecoder, EightBitPictureUsesThePaletteAtTheEnd)
{
    PcxFile pcx;
    pcx.width = 3;
    pcx.height = 2;
    pcx.bytesPerLine = 4;
    // Line 1: a run of three 10s and a pad byte; line 2: 0xC5 must be coded
    // as a run of one, then 1, 2 and the pad.
    pcx.data = QByteArray("\xC3\x0A\x00\xC1\xC5\x01\x02\x00", 8);
    pcx.trailer = Palette256();
    const QImage image = picture::DecodePcx(pcx.Bytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 245, 5));
    EXPECT_EQ(image.pixel(2, 0), qRgb(10, 245, 5));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0xC5, 255 - 0xC5, 0xC5 / 2));
    EXPECT_EQ(image.pixel(2, 1), qRgb(2, 253, 1));
}

TEST(PcxDecoder, TrueColourComesInThreePlanesPerLine)
{
    PcxFile pcx;
    pcx.width = 2;
    pcx.planes = 3;
    pcx.bytesPerLine = 2;
    pcx.data = QByteArray("\x10\x20\x30\x40\x50\x60", 6);
    const QImage image = picture::DecodePcx(pcx.Bytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x10, 0x30, 0x50));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x20, 0x40, 0x60));
}

TEST(PcxDecoder, PlanarPicturesTakeTheHeaderPalette)
{
    PcxFile mono;
    mono.width = 10;
    mono.bits = 1;
    mono.bytesPerLine = 2;
    mono.data = QByteArray("\x80\x40", 2); // pixels 0 and 9 set
    QImage image = picture::DecodePcx(mono.Bytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(9, 0), qRgb(255, 255, 255));

    PcxFile ega;
    ega.width = 2;
    ega.bits = 1;
    ega.planes = 4;
    ega.bytesPerLine = 2;
    ega.egaPalette[3 * 5] = '\x11'; // colour 5
    ega.egaPalette[3 * 5 + 1] = '\x22';
    ega.egaPalette[3 * 5 + 2] = '\x33';
    // Pixel 0 has planes 0 and 2 set: colour 5; pixel 1 none.
    ega.data = QByteArray("\x80\x00\x00\x00\x80\x00\x00\x00", 8);
    image = picture::DecodePcx(ega.Bytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(PcxDecoder, DamagedFilesGiveNoPicture)
{
    PcxFile good;
    good.width = 2;
    good.bytesPerLine = 2;
    good.data = QByteArray("\x01\x02", 2);
    good.trailer = Palette256();
    ASSERT_FALSE(picture::DecodePcx(good.Bytes()).isNull());

    const auto damaged = [&](const std::function<void(PcxFile&)>& damage) {
        PcxFile pcx = good;
        damage(pcx);
        return picture::DecodePcx(pcx.Bytes()).isNull();
    };
    EXPECT_TRUE(damaged([](PcxFile& p) { p.trailer.clear(); }));                   // no palette
    EXPECT_TRUE(damaged([](PcxFile& p) { p.trailer[0] = 0; }));                    // palette marker wrong
    EXPECT_TRUE(damaged([](PcxFile& p) { p.bytesPerLine = 1; }));                  // line too short
    EXPECT_TRUE(damaged([](PcxFile& p) { p.width = 16385; p.bytesPerLine = 16385; })); // absurd size
    EXPECT_TRUE(damaged([](PcxFile& p) { p.bits = 4; }));                          // unsupported depth

    // True colour has no trailer that could pass for scan lines.
    PcxFile colour;
    colour.width = 2;
    colour.planes = 3;
    colour.bytesPerLine = 2;
    colour.height = 2;
    colour.data = QByteArray(6, '\x01'); // one line of two
    EXPECT_TRUE(picture::DecodePcx(colour.Bytes()).isNull());
    colour.data = QByteArray(6, '\x01') + QByteArray(4000, '\xC0'); // runs of nothing
    EXPECT_TRUE(picture::DecodePcx(colour.Bytes()).isNull());
    colour.data = QByteArray(6, '\x01') + QByteArray("\xC6\x02", 2);
    EXPECT_FALSE(picture::DecodePcx(colour.Bytes()).isNull());
    EXPECT_TRUE(picture::DecodePcx(QByteArray(127, '\x0A')).isNull());
    EXPECT_TRUE(picture::DecodePcx(QByteArray()).isNull());
}

} // namespace
