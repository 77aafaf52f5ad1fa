// Metafile pictures on the image object: painted on the screen, printed at
// the printer's resolution; and probing stored pictures stays quiet.
#include "design/file/design_fixtures.h"
#include "output/output_test_support.h"
#include "picture/metafile_builder.h"
#include "picture/metafile_checks.h"

#include "design/file/design_file_tools.h"
#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/image_object.h"
#include "design/model/surface_objects.h"
#include "picture/image_picture.h"
#include "support/temp_dir.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

using namespace design;
using namespace metafile_test;

namespace {

QByteArray RedSquareEmf()
{
    return TEmfBuilder(QSize(100, 100)).Record(39, {1, 0, 0x0000FF, 0}).Record(37, {1}).Record(37, {0x80000008})
        .Record(43, {20, 20, 80, 80}).Build();
}

// The pictures the object prints at the page offset.
std::vector<output::TImageOp> PrintedImages(TGImage& image, double xOffset, double yOffset)
{
    output_testing::RecordingJob job;
    const std::vector<output::TPage> pages =
        job.Record([&](output::TBaseReport& report) { image.PrintTo(report, xOffset, yOffset); });
    std::vector<output::TImageOp> images;
    for (const output::TPage& page : pages)
        for (const output::TPageOp& op : page.ops)
            if (const auto* picture = std::get_if<output::TImageOp>(&op))
                images.push_back(*picture);
    return images;
}

// Collects what Qt writes to its message log while alive.
class MessageCatcher {
public:
    MessageCatcher() { previous_ = qInstallMessageHandler(&Catch); }
    ~MessageCatcher() { qInstallMessageHandler(previous_); }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;
    static QStringList& Messages()
    {
        static QStringList messages;
        return messages;
    }

private:
    static void Catch(QtMsgType, const QMessageLogContext&, const QString& message) { Messages().append(message); }
    QtMessageHandler previous_ = nullptr;
};

QByteArray IconFile()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "ico").write(image);
    return bytes;
}

TEST(MetafileImage, PaintsTheDrawingOverTheObject)
{
    TGDesignOwner owner(96);
    TGImage image(owner);
    image.SetPicture(picture::TGPicture::Metafile(RedSquareEmf()));
    image.SetBounds(0, 0, 50, 50);
    QImage canvas(50, 50, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        image.Paint(painter);
    }
    EXPECT_EQ(canvas.pixel(25, 25), kRed);
    EXPECT_EQ(canvas.pixel(5, 5), kWhite);
}

TEST(MetafileImage, PrintsAtTheDevicesResolutionIntoThePageRectangle)
{
    TGDesignOwner owner(96);
    TGImage image(owner);
    image.SetPicture(picture::TGPicture::Metafile(RedSquareEmf()));
    image.SetBounds(96, 48, 96, 48);
    const auto images = PrintedImages(image, 0.5, 0.25);
    ASSERT_EQ(images.size(), 1u);
    const QRectF target = images[0].target;
    EXPECT_NEAR(target.left(), 1.5, 0.01);
    EXPECT_NEAR(target.top(), 0.75, 0.01);
    EXPECT_NEAR(target.right(), 2.5, 0.01);
    EXPECT_NEAR(target.bottom(), 1.25, 0.01);
    // Sharper than the screen, at up to 300 dots per inch: the object is an
    // inch wide on paper.
    const QImage& printed = images[0].image;
    EXPECT_GT(printed.width(), 96);
    EXPECT_LE(printed.width(), 300);
    EXPECT_NEAR(printed.width(), 2 * printed.height(), 2);
    EXPECT_EQ(printed.pixel(printed.width() / 2, printed.height() / 2), kRed);
    EXPECT_EQ(printed.pixel(2, 2), kWhite);
}

TEST(MetafileImage, ANewPictureReplacesTheDrawingShownAndPrinted)
{
    TGDesignOwner owner(96);
    TGImage image(owner);
    image.SetBounds(0, 0, 50, 50);
    const auto centre = [&] {
        QImage canvas(50, 50, QImage::Format_RGB32);
        QPainter painter(&canvas);
        image.Paint(painter);
        painter.end();
        return canvas.pixel(25, 25);
    };
    const auto printedCentre = [&] {
        const auto images = PrintedImages(image, 0, 0);
        return images.size() == 1 ? images[0].image.pixel(images[0].image.width() / 2, images[0].image.height() / 2)
                                  : QRgb(0);
    };
    image.SetPicture(picture::TGPicture::Metafile(RedSquareEmf()));
    EXPECT_EQ(centre(), kRed);
    EXPECT_EQ(printedCentre(), kRed);
    const QByteArray black = TEmfBuilder(QSize(100, 100)).Record(37, {0x80000004}).Record(43, {0, 0, 100, 100}).Build();
    image.TakeLoadedPicture(picture::TGPicture::Metafile(black), false);
    EXPECT_EQ(centre(), kBlack);
    EXPECT_EQ(printedCentre(), kBlack);
}

TEST(PictureProbing, DamagedIconsDecodeToNothingWithoutComplaint)
{
    const QByteArray good = IconFile();
    QByteArray pastTheEnd = good;
    pastTheEnd.replace(18, 4, "\x33\x33\x33\x33");
    QByteArray tooLong = good;
    tooLong.replace(14, 4, QByteArray("\x00\x00\x01\x00", 4));
    const std::vector<std::tuple<const char*, QByteArray, bool>> cases = {
        {"sound icon", good, true},
        {"image offset past the end", pastTheEnd, false},
        {"image size past the end", tooLong, false},
        {"directory cut short", good.first(12), false},
        {"no images", QByteArray("\x00\x00\x01\x00\x00\x00", 6), false},
        {"directory of stray bytes", QByteArrayLiteral("\x00\x00\x01\x00\x01\x00") + QByteArray(22, '\x33'), false},
    };
    for (const auto& [name, bytes, decodes] : cases) {
        SCOPED_TRACE(name);
        MessageCatcher::Messages().clear();
        MessageCatcher catcher;
        EXPECT_EQ(!picture::image_picture::DecodeRaster(picture::TGPicture::Icon(bytes)).isNull(), decodes);
        EXPECT_TRUE(MessageCatcher::Messages().isEmpty()) << MessageCatcher::Messages().join(u'\n').toStdString();
    }
}

TEST(PictureProbing, DamagedBitmapsDecodeToNothingWithoutComplaint)
{
    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    const QByteArray good = picture::image_picture::BitmapPicture(pixels).GraphicData();
    QByteArray offsetPastTheEnd = good;
    offsetPastTheEnd.replace(10, 4, "\x33\x33\x33\x33");
    const std::vector<std::tuple<const char*, QByteArray, bool>> cases = {
        {"sound bitmap", good, true},
        {"pixels past the end", offsetPastTheEnd, false},
        {"pixels cut short", good.first(good.size() - 20), true},
        {"header cut short", good.first(30), false},
    };
    for (const auto& [name, bytes, decodes] : cases) {
        SCOPED_TRACE(name);
        MessageCatcher::Messages().clear();
        MessageCatcher catcher;
        EXPECT_EQ(!picture::image_picture::DecodeRaster(picture::TGPicture::Bitmap(bytes)).isNull(), decodes);
        EXPECT_TRUE(MessageCatcher::Messages().isEmpty()) << MessageCatcher::Messages().join(u'\n').toStdString();
    }
}

TEST(PictureProbing, CopyingADesignWithEveryClassIsQuiet)
{
    TGDesignOwner owner(96);
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    design_test::AddEveryClass(owner, surface);
    const testing_support::TempDir dir;
    const QString in = QString::fromStdString(dir.file("in.L"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(design_test::Encode(surface));
    file.close();

    MessageCatcher::Messages().clear();
    MessageCatcher catcher;
    EXPECT_TRUE(CopyDesignFile(in, QString::fromStdString(dir.file("out.L"))));
    EXPECT_TRUE(MessageCatcher::Messages().isEmpty()) << MessageCatcher::Messages().join(u'\n').toStdString();
}

} // namespace
