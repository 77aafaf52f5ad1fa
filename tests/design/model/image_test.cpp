// Pictures: AutoSize and Stretch, painting, printing, the menu, and loading
// picture files of every offered kind.
#include "graphics_test_support.h"

#include "design/model/design_owner.h"
#include "design/model/image_object.h"
#include "picture/image_picture.h"
#include "picture/smart_image.h"
#include "support/temp_dir.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

using namespace design;
using namespace graphics_test;

namespace {

QImage Checker(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(200, 0, 0));
    image.setPixel(0, 0, qRgb(0, 0, 200));
    return image;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// A placeable Windows metafile of one inch by half an inch, header only.
QByteArray PlaceableMetafile()
{
    QByteArray bytes("\xD7\xCD\xC6\x9A\x00\x00\x00\x00\x00\x00\xA0\x05\xD0\x02\xA0\x05\x00\x00\x00\x00\x00\x00", 22);
    return bytes + QByteArray(18, '\0');
}

class ImageTest : public ::testing::Test {
protected:
    TGDesignOwner owner{96};
    TGImage image{owner};
};

TEST_F(ImageTest, AutoSizeTakesThePictureSizeAtTheZoomAndStretchGivesItUp)
{
    image.SetPicture(picture::image_picture::BitmapPicture(Checker(30, 20)));
    EXPECT_EQ(image.Bounds(), (TGBounds{0, 0, 105, 105}));
    image.SetZoom(1.5f);
    image.SetBounds(10, 12, 50, 50);
    image.SetAutoSize(true);
    EXPECT_FALSE(image.Stretch());
    EXPECT_EQ(image.Bounds(), (TGBounds{10, 12, 45, 30}));
    image.SetBounds(10, 12, 80, 80); // a drag snaps back while AutoSize is on
    EXPECT_EQ(image.Bounds(), (TGBounds{10, 12, 45, 30}));

    image.SetStretch(true);
    EXPECT_FALSE(image.AutoSize());
    image.SetBounds(10, 12, 80, 80);
    EXPECT_EQ(image.Bounds(), (TGBounds{10, 12, 80, 80}));
}

TEST_F(ImageTest, MetafileSizeComesFromItsHeader)
{
    image.SetAutoSize(true);
    image.SetPicture(picture::TGPicture::Metafile(PlaceableMetafile()));
    EXPECT_EQ(image.Bounds(), (TGBounds{0, 0, 96, 48}));
}

TEST_F(ImageTest, BitmapPrintsStretchedIntoTheObjectsPageRectangle)
{
    image.SetPicture(picture::image_picture::BitmapPicture(Checker(30, 20)));
    image.SetBounds(96, 48, 192, 96);
    const auto ops = PrintObject(image, 0.5, 0.25);
    const auto images = Images(ops);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].target, QRectF(QPointF(1.5, 0.75), QPointF(3.5, 1.75)));
    EXPECT_EQ(images[0].image.size(), QSize(30, 20));
    EXPECT_EQ(images[0].image.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_TRUE(Shapes(ops).empty());

    image.ToggleBorder();
    const auto shapes = Shapes(PrintObject(image, 0.5, 0.25));
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].rect, QRectF(QPointF(1.5, 0.75), QPointF(3.5, 1.75)));
    EXPECT_EQ(shapes[0].brush.style, output::bsClear);
    EXPECT_EQ(shapes[0].pen, (output::TPenSpec{qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy}));
}

TEST_F(ImageTest, WhatPrintsForEachKindOfPicture)
{
    EXPECT_TRUE(PrintObject(image, 0, 0).empty()); // empty picture

    image.SetPicture(picture::TGPicture::Icon(Encoded(Checker(16, 16), "ico")));
    ASSERT_FALSE(image.RasterImage().isNull());
    EXPECT_EQ(Images(PrintObject(image, 0, 0)).size(), 1u);

    // Undecodable bytes and metafiles have no pixels to print.
    image.SetPicture(picture::TGPicture::Bitmap(QByteArray("BM not really a bitmap")));
    EXPECT_TRUE(PrintObject(image, 0, 0).empty());
    image.SetPicture(picture::TGPicture::Metafile(PlaceableMetafile()));
    EXPECT_TRUE(PrintObject(image, 0, 0).empty());
}

TEST_F(ImageTest, PaintingShowsThePictureAFrameOrTheMetafileLabel)
{
    image.SetBounds(0, 0, 60, 40);
    QImage canvas(60, 40, QImage::Format_RGB32);
    const auto paint = [&] {
        canvas.fill(qRgb(1, 2, 3));
        QPainter painter(&canvas);
        image.Paint(painter);
    };
    paint();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(59, 39), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(30, 20), qRgb(255, 255, 255));

    image.SetPicture(picture::image_picture::BitmapPicture(Checker(2, 2)));
    paint();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(canvas.pixel(59, 39), qRgb(200, 0, 0));

    image.SetPicture(picture::TGPicture::Metafile(PlaceableMetafile()));
    paint();
    EXPECT_NE(canvas.pixel(30, 20), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(45, 3), qRgb(255, 255, 255));
}

class ImageHost : public TGMenuHost {
public:
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void LoadImageFromDisk(TGImage&) override { ++loads; }
    int SurfaceWidth() const override { return 0; }
    int SurfaceHeight() const override { return 0; }
    void Repaint() override {}
    int loads = 0;
};

TEST_F(ImageTest, MenuTogglesBorderStretchAndAutoSize)
{
    ImageHost host;
    // The class's own items follow the common ones.
    const auto imageItems = [&] {
        TGMenuItems all = image.MenuItems(host);
        return TGMenuItems(all.end() - 6, all.end());
    };
    TGMenuItems items = imageItems();
    ASSERT_EQ(items.size(), 6u);
    const char* captions[] = {"-", "Load Image From Disk", "-", "Border", "Stretch to Fit", "AutoSize"};
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].Caption, QString::fromLatin1(captions[i]));
    EXPECT_FALSE(items[3].Checked);
    EXPECT_TRUE(items[4].Checked);
    EXPECT_FALSE(items[5].Checked);
    items[1].Action();
    EXPECT_EQ(host.loads, 1);
    items[3].Action();
    items[5].Action();
    items = imageItems();
    EXPECT_TRUE(items[3].Checked);
    EXPECT_FALSE(items[4].Checked);
    EXPECT_TRUE(items[5].Checked);
    EXPECT_EQ(image.BorderStyle(), TBorderStyle::bsSingle);
}

class ImageFileTest : public ::testing::Test {
protected:
    QString Write(const char* name, const QByteArray& bytes)
    {
        const QString path = QString::fromStdString(dir.file(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    testing_support::TempDir dir;
};

TEST_F(ImageFileTest, EveryOfferedFormatBecomesAPicture)
{
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A;
    pcx[2] = 1;
    pcx[3] = 8;
    pcx[65] = 3;
    pcx[66] = 1; // 1 x 1 pixel, true colour
    pcx += QByteArray("\x01\x02\x03", 3);
    const std::pair<const char*, QByteArray> files[] = {
        {"logo.bmp", Encoded(Checker(8, 4), "bmp")}, {"LOGO.DIB", Encoded(Checker(8, 4), "bmp")},
        {"photo.JPG", Encoded(Checker(8, 4), "jpeg")}, {"photo.jif", Encoded(Checker(8, 4), "jpeg")},
        {"shop.pcx", pcx},                            {"icon.ico", Encoded(Checker(16, 16), "ico")},
    };
    for (const auto& [name, bytes] : files) {
        const picture::TGImageFileLoad load = picture::LoadImageFile(Write(name, bytes));
        EXPECT_EQ(load.Picture.Kind(), picture::TGPicture::TGraphicKind::Bitmap) << name;
        EXPECT_FALSE(picture::image_picture::DecodeRaster(load.Picture).isNull()) << name;
    }
    const picture::TGImageFileLoad metafile = picture::LoadImageFile(Write("drawing.WMF", PlaceableMetafile()));
    EXPECT_EQ(metafile.Picture.Kind(), picture::TGPicture::TGraphicKind::Metafile);
}

TEST_F(ImageFileTest, UnreadableFilesLeaveNoPictureAndSayWhenToTellTheUser)
{
    const std::pair<const char*, bool> files[] = {
        {"broken.bmp", true}, {"broken.wmf", true}, {"broken.jpg", false},
        {"broken.pcx", false}, {"broken.ico", false}, {"broken.tga", false},
    };
    for (const auto& [name, reported] : files) {
        const picture::TGImageFileLoad load = picture::LoadImageFile(Write(name, QByteArray("not a picture at all")));
        EXPECT_FALSE(load.Picture.HasGraphic()) << name;
        EXPECT_EQ(load.ReportFailure, reported) << name;
    }
    EXPECT_FALSE(picture::LoadImageFile(QString::fromStdString(dir.file("missing.bmp"))).Picture.HasGraphic());
}

} // namespace
