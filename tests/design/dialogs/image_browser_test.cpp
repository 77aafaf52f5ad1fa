// The "Load Image File " dialog driven as a user would: choose a file
// through the file dialog, toggle the boxes, confirm.
#include "design/dialogs/image_browser.h"
#include "design/model/design_owner.h"
#include "design/model/image_object.h"
#include "support/temp_dir.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_help.h"
#include "ui/scripted_messages.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace design;

namespace {

class ImageBrowserTest : public ::testing::Test {
protected:
    QString WriteBitmap(const char* name, int width, int height)
    {
        const QString path = QString::fromStdString(dir.file(name));
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    template <typename T>
    T* Child(const char* name)
    {
        return browser.findChild<T*>(QString::fromLatin1(name));
    }

    testing_support::TempDir dir;
    quorvel::TScriptedMessages messages;
    quorvel::TScriptedDialogs dialogs;
    quorvel::TScriptedHelp help;
    quorvel::TServicesScope scope{messages, dialogs, help};
    TGImageBrowser browser;
};

TEST_F(ImageBrowserTest, ChosenFileIsPreviewedThroughTheFileDialog)
{
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Load Image File "));
    dialogs.setNextFileName(WriteBitmap("logo.bmp", 20, 10));
    QTest::mouseClick(Child<QPushButton>("BrowseButton"), Qt::LeftButton);
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests()[0].file.caption, QStringLiteral("Load Image File "));
    EXPECT_EQ(dialogs.requests()[0].file.filter,
              QStringLiteral("Image Files|*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO"));
    EXPECT_EQ(browser.Picture().Kind(), picture::TGPicture::TGraphicKind::Bitmap);
    EXPECT_FALSE(Child<QLabel>("Preview")->pixmap().isNull());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ImageBrowserTest, BrokenBitmapSaysSoAndClearsThePreview)
{
    browser.SelectFile(WriteBitmap("logo.bmp", 4, 4));
    const QString broken = QString::fromStdString(dir.file("broken.BMP"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM but nothing else");
    file.close();
    EXPECT_FALSE(browser.SelectFile(broken));
    EXPECT_FALSE(browser.Picture().HasGraphic());
    EXPECT_TRUE(Child<QLabel>("Preview")->pixmap().isNull());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Error loading file!"));
}

TEST_F(ImageBrowserTest, StretchAndAutoSizeExcludeEachOther)
{
    auto* stretch = Child<QCheckBox>("StretchBox");
    auto* autoSize = Child<QCheckBox>("AutoSizeBox");
    EXPECT_EQ(stretch->toolTip(), QStringLiteral("Stretch image to max display size"));
    EXPECT_EQ(autoSize->toolTip(), QStringLiteral("AutoSize TImage"));
    QTest::mouseClick(stretch, Qt::LeftButton);
    EXPECT_TRUE(browser.Stretch());
    QTest::mouseClick(autoSize, Qt::LeftButton);
    EXPECT_TRUE(browser.AutoSize());
    EXPECT_FALSE(browser.Stretch());
    QTest::mouseClick(Child<QPushButton>("HelpButton"), Qt::LeftButton);
    EXPECT_EQ(help.opened(), QList<int>{40003});
}

TEST(ImageLoading, ObjectTakesTheLoadedPictureAndItsSize)
{
    TGDesignOwner owner{96};
    TGImage image{owner};
    QImage pixels(30, 20, QImage::Format_RGB32);
    pixels.fill(Qt::blue);
    TGImageBrowser browser;
    testing_support::TempDir dir;
    const QString path = QString::fromStdString(dir.file("a.bmp"));
    ASSERT_TRUE(pixels.save(path, "BMP"));
    ASSERT_TRUE(browser.SelectFile(path));
    image.TakeLoadedPicture(browser.Picture(), true);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_EQ(image.Bounds(), (TGBounds{0, 0, 30, 20}));
    image.TakeLoadedPicture(browser.Picture(), false);
    EXPECT_TRUE(image.Stretch());
}

} // namespace
