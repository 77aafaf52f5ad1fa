// The preview window on recorded pages, driven the way a user drives it.
#include "output_test_support.h"

#include "output/output_error.h"
#include "output/preview_form.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

namespace {

class RecordingPlacement : public TPlacementStore {
public:
    QStringList calls;
    void Restore(QWidget&, const QString& section) override { calls.append(QStringLiteral("restore ") + section); }
    void Save(const QWidget&, const QString& section) override { calls.append(QStringLiteral("save ") + section); }
};

class PreviewFormTest : public ::testing::Test {
protected:
    void record(int pageCount)
    {
        job.Record([pageCount](TBaseReport& r) {
            for (int page = 1; page <= pageCount; ++page) {
                if (page > 1)
                    r.StartNextPage();
                r.SelectBrush(qRgb(0, 0, 0), bsSolid);
                r.DrawRectangle(1, 1, 2, 2);
                r.WriteText(QStringLiteral("Page %1").arg(page));
            }
        });
    }

    QPushButton* button(TPreviewForm& form, const char* name)
    {
        auto* found = form.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    RecordingJob job;
};

} // namespace

TEST_F(PreviewFormTest, ShowsTheRecordedPagesWithPageButtons)
{
    record(3);
    RecordingPlacement placement;
    TPreviewForm form(&job.stream);
    form.SetPlacementStore(&placement);
    form.SetInitialZoom(100);
    form.setWindowTitle(QStringLiteral("Preview Labels"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 3 ( 100% )"));
    EXPECT_TRUE(button(form, "NextPageButton")->isVisible());
    auto* page = form.findChild<QLabel*>(QStringLiteral("PreviewPage"));
    ASSERT_NE(page, nullptr);
    const QImage shown = page->pixmap().toImage();
    const int dpi = form.findChild<QScrollArea*>(QStringLiteral("ScrollBox"))->logicalDpiX();
    const int border = qRound(8.5 * dpi * 0.025);
    EXPECT_EQ(shown.width(), qRound(8.5 * dpi) + 2 * border);
    EXPECT_EQ(QColor(shown.pixel(border + qRound(1.5 * dpi), border + qRound(1.5 * dpi))), QColor(Qt::black))
        << "the recorded rectangle is on the page";
    EXPECT_EQ(QColor(shown.pixel(border + 3 * dpi, border + 3 * dpi)), QColor(Qt::white));

    QTest::mouseClick(button(form, "LastPageButton"), Qt::LeftButton);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 3 of 3 ( 100% )"));
    QTest::mouseClick(button(form, "NextPageButton"), Qt::LeftButton);
    EXPECT_EQ(form.FilePreview().ShownPage(), 3) << "no page after the last";
    QTest::mouseClick(button(form, "PrevPageButton"), Qt::LeftButton);
    EXPECT_EQ(form.FilePreview().ShownPage(), 2);
    QTest::mouseClick(button(form, "FirstPageButton"), Qt::LeftButton);
    EXPECT_EQ(form.FilePreview().ShownPage(), 1);

    QTest::mouseClick(button(form, "OkButton"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(placement.calls, (QStringList{QStringLiteral("restore TPreviewForm_Placement"),
                                            QStringLiteral("save TPreviewForm_Placement")}));
}

TEST_F(PreviewFormTest, OnePagePreviewHasNoPageButtons)
{
    record(1);
    TPreviewForm form(&job.stream);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"FirstPageButton", "PrevPageButton", "NextPageButton", "LastPageButton"})
        EXPECT_FALSE(button(form, name)->isVisible()) << name;
    EXPECT_TRUE(button(form, "ZoomInButton")->isVisible());
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Preview Page 1 of 1 ( ")));
}

TEST_F(PreviewFormTest, ZoomStaysWithinItsLimits)
{
    record(1);
    TPreviewForm form(&job.stream);
    form.SetInitialZoom(15);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TFilePreview& preview = form.FilePreview();
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 15.0);
    QTest::mouseClick(button(form, "ZoomOutButton"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 10.0);
    preview.SetZoomFactor(195);
    QTest::mouseClick(button(form, "ZoomInButton"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 200.0);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview Page 1 of 1 ( 200% )"));

    auto* page = form.findChild<QLabel*>(QStringLiteral("PreviewPage"));
    QTest::mouseClick(page, Qt::RightButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 190.0) << "other buttons zoom out";
    QTest::mouseClick(page, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 200.0);

    QTest::mouseClick(button(form, "Zoom100Button"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), 100.0);
    QTest::mouseClick(button(form, "PageWidthButton"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), preview.ZoomPageWidthFactor());
    QTest::mouseClick(button(form, "WholePageButton"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(preview.ZoomFactor(), preview.ZoomWholePageFactor());
    EXPECT_LE(preview.ZoomFactor(), preview.ZoomPageWidthFactor());
}

TEST_F(PreviewFormTest, PageWidthZoomShowsTheWholeWidth)
{
    record(1);
    TPreviewForm form(&job.stream);
    form.SetInitialZoom(TPreviewForm::zmPageWidth);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QScrollArea* box = form.findChild<QScrollArea*>(QStringLiteral("ScrollBox"));
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
    EXPECT_GE(box->viewport()->width(), form.findChild<QLabel*>(QStringLiteral("PreviewPage"))->width() - 1);
}

TEST_F(PreviewFormTest, ArrowKeysScrollWithinRange)
{
    record(1);
    TPreviewForm form(&job.stream);
    form.SetInitialZoom(200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QScrollBar* bar = form.findChild<QScrollArea*>(QStringLiteral("ScrollBox"))->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->singleStep());
}

TEST_F(PreviewFormTest, ADamagedStreamIsReportedNotShown)
{
    QBuffer damaged;
    damaged.setData(QByteArrayLiteral("QVPS\x01\x00P\x01"));
    damaged.open(QIODevice::ReadOnly);
    TScriptedOutputDialogs dialogs;
    TPreviewForm form(&damaged);
    form.SetDialogs(&dialogs);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST(FilePreviewTest, ViewerSettingsThatCannotGoTogetherAreRefused)
{
    TFilePreview preview;
    EXPECT_THROW(preview.StartViewing(), EReportError);
    preview.SetShadowDepth(3);
    try {
        preview.SetMonochrome(true);
        FAIL();
    } catch (const EReportError& error) {
        EXPECT_EQ(error.text(),
                  QStringLiteral("Monochrome not allowed while shadows are in effect.\rChange ShadowDepth to 0 first"));
    }
    preview.SetShadowDepth(0);
    preview.SetMonochrome(true);
    EXPECT_THROW(preview.SetShadowDepth(2), EReportError);
    EXPECT_EQ(preview.DeviceName(), QStringLiteral("Preview"));
}
