// Jobs recorded by the filer and read back from the stream: where text and
// shapes land, line heights, tab stops, status, page ranges, aborting and
// misuse.
#include "output_test_support.h"

#include "output/output_error.h"
#include "output/page_painter.h"
#include "output/report_printer.h"
#include "output/status_label.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

namespace {

class RecordedStreamTest : public ::testing::Test {
protected:
    RecordingJob job;
    TReportFiler& filer = job.filer;
};

} // namespace

TEST_F(RecordedStreamTest, TextLandsAtItsPositionInInches)
{
    const auto pages = job.Record([](TBaseReport& r) {
        r.SelectFont(QStringLiteral("Arial"), 10);
        r.MoveCursor(0.5, 1.0);
        r.TextLeftAt(QStringLiteral("Left"), 0.5);
        r.TextCenteredAt(QStringLiteral("Centre"), 4.25);
        r.TextRightAt(QStringLiteral("Right"), 8.0);
        r.HorizontalOrigin(0.5);
        r.TextLeftAt(QStringLiteral("Shifted"), 0.5);
    });
    ASSERT_EQ(pages.size(), 1u);
    const auto texts = TextsOf(pages[0]);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].position, QPointF(0.5, 1.0));
    EXPECT_EQ(texts[0].align, taLeft);
    EXPECT_EQ(texts[0].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(texts[0].font.size, 10.0);
    EXPECT_EQ(texts[1].position, QPointF(4.25, 1.0));
    EXPECT_EQ(texts[1].align, taCenter);
    EXPECT_EQ(texts[2].align, taRight);
    EXPECT_EQ(texts[3].position, QPointF(1.0, 1.0)) << "the horizontal origin shifts later positions";
    EXPECT_EQ(pages[0].size, QSizeF(8.5, 11.0));
}

TEST_F(RecordedStreamTest, OtherUnitsBecomeInches)
{
    filer.SetUnits(unMM);
    filer.SetMarginLeft(12.7);
    const auto pages = job.Record([](TBaseReport& r) {
        EXPECT_DOUBLE_EQ(r.AreaLeft(), 12.7);
        EXPECT_NEAR(r.PaperWidth(), 215.9, 1e-6);
        r.MoveCursor(25.4, 50.8);
        r.WriteText(QStringLiteral("mm"));
    });
    EXPECT_EQ(TextsOf(pages[0]).at(0).position, QPointF(1.0, 2.0));
}

TEST_F(RecordedStreamTest, FontLineHeightIsSixtiethsOfAnInchPerPoint)
{
    job.Record([](TBaseReport& r) {
        r.SelectFont(QStringLiteral("Times New Roman"), 12);
        EXPECT_DOUBLE_EQ(r.LineHeight(), 0.2);
        r.CursorHome();
        EXPECT_NEAR(r.LineTop(), r.AreaTop(), 1e-12) << "the first line starts at the area's top";
        EXPECT_NEAR(r.CursorY(), 0.5 + 0.2 - r.FontDescent(), 1e-12);
        EXPECT_EQ(r.LinesRemaining(), 50) << "ten inches of area";
        const double first = r.CursorY();
        r.WriteLine(QStringLiteral("one"));
        EXPECT_DOUBLE_EQ(r.CursorY(), first + 0.2);
        EXPECT_DOUBLE_EQ(r.CursorX(), r.AreaLeft());
        EXPECT_EQ(r.LinesRemaining(), 49);
        r.MoveCursor(1.0, 12.0);
        EXPECT_EQ(r.LinesRemaining(), 0) << "below the area";
    });
}

TEST_F(RecordedStreamTest, LinesPerInchAndUserLineHeights)
{
    filer.SetLineHeightMethod(lhmLinesPerInch);
    job.Record([](TBaseReport& r) {
        EXPECT_DOUBLE_EQ(r.LineHeight(), 1.0 / 6.0);
        r.SetLineHeight(0.25);
        EXPECT_EQ(r.LineHeightMethod(), lhmUser);
        EXPECT_DOUBLE_EQ(r.LineHeight(), 0.25);
    });
}

TEST_F(RecordedStreamTest, SelectFontWithoutSizeChangesNothing)
{
    job.Record([](TBaseReport& r) {
        r.SelectFont(QStringLiteral("Courier New"), 14);
        r.SetBold(true);
        r.SelectFont(QStringLiteral("Arial"), 0);
        EXPECT_EQ(r.Font().name, QStringLiteral("Courier New"));
        EXPECT_TRUE(r.Font().bold);
        r.SelectFont(QStringLiteral("Arial"), 9);
        EXPECT_FALSE(r.Font().bold) << "a new font starts plain";
        r.SetFontAngle(-90);
        EXPECT_DOUBLE_EQ(r.Font().angle, 270.0);
    });
}

TEST_F(RecordedStreamTest, TabStopsPlaceTextByJustificationAndMargin)
{
    // margins are hundredths of a unit: 10 = 0.1 inch
    const auto pages = job.Record([](TBaseReport& r) {
        r.SelectFont(QStringLiteral("Arial"), 10);
        r.AddTabStop(1.0, tjLeft, 1.5, 10, blNone);
        r.AddTabStop(-1, tjRight, 1.5, 10, blNone);
        r.AddTabStop(-1, tjCenter, 1.5, 10, blNone);
        r.AddTabStop(-1, tjBlock, 2.0, 10, blNone);
        EXPECT_DOUBLE_EQ(r.TabStart(2), 2.6);
        r.CursorHome();
        r.WriteText(QStringLiteral("\tLeft\tRight\tMid\tone two three"));
    });
    const auto texts = TextsOf(pages[0]);
    ASSERT_EQ(texts.size(), 6u);
    RecordingJob measuring;
    auto widthOf = [&](const QString& text) {
        double width = 0;
        measuring.Record([&](TBaseReport& r) {
            r.SelectFont(QStringLiteral("Arial"), 10);
            width = r.TextWidth(text);
        });
        return width;
    };
    EXPECT_DOUBLE_EQ(texts[0].position.x(), 1.1);
    EXPECT_NEAR(texts[1].position.x() + widthOf(QStringLiteral("Right")), 2.5 + 1.5 - 0.1, 1e-9);
    EXPECT_NEAR(texts[2].position.x() + widthOf(QStringLiteral("Mid")) / 2, 4.0 + 0.75, 1e-9);
    EXPECT_DOUBLE_EQ(texts[3].position.x(), 5.6) << "block text starts at the margin";
    EXPECT_NEAR(texts[5].position.x() + widthOf(QStringLiteral("three")), 7.5 - 0.1, 1e-9)
        << "and its last word ends at the other margin";
}

TEST_F(RecordedStreamTest, TabBoxLinesAndShadeUseTheCellAndLeavePenAndBrush)
{
    filer.SetTabShade(5);
    const auto pages = job.Record([](TBaseReport& r) {
        r.SelectFont(QStringLiteral("Arial"), 12);
        r.SelectPen(qRgb(0, 0, 255), psSolid, -2, pmCopy);
        r.SelectBrush(qRgb(255, 0, 0), bsClear);
        r.AddTabStop(1.0, tjLeft, 2.0, 5, blLeft | blBottom, 10);
        r.AddTabStop(-1, tjLeft, 1.0, 5, blNone); // the job's TabShade
        r.CursorHome();
        const double top = r.LineTop();
        r.NextTabStop();
        r.NextTabStop();
        EXPECT_EQ(r.Pen().color, qRgb(0, 0, 255));
        EXPECT_EQ(r.Brush().style, bsClear);
        EXPECT_DOUBLE_EQ(top, 0.5);
    });
    const auto shapes = ShapesOf(pages[0]);
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_EQ(shapes[0].kind, skRectangle);
    EXPECT_EQ(shapes[0].rect, QRectF(QPointF(1.0, 0.5), QPointF(3.0, 0.7)));
    EXPECT_EQ(shapes[0].brush.color, qRgb(229, 229, 229));
    EXPECT_EQ(shapes[0].pen.style, psClear);
    EXPECT_EQ(shapes[1].kind, skLine);
    EXPECT_EQ(shapes[1].rect.topLeft(), QPointF(1.0, 0.5));
    EXPECT_EQ(shapes[1].rect.bottomRight(), QPointF(1.0, 0.7));
    EXPECT_EQ(shapes[1].pen.width, -2);
    EXPECT_EQ(shapes[2].rect.topLeft(), QPointF(1.0, 0.7)) << "bottom line";
    EXPECT_EQ(shapes[3].brush.color, qRgb(242, 242, 242)) << "second stop takes TabShade 5";
}

TEST_F(RecordedStreamTest, ShapesKeepTheirPenAndBrush)
{
    const auto pages = job.Record([](TBaseReport& r) {
        r.SelectPen(qRgb(0, 0, 0), psDot, 2, pmCopy);
        r.SelectBrush(qRgb(0, 128, 0), bsSolid);
        r.DrawRectangle(3, 2, 1, 1);
        r.DrawEllipse(1, 3, 2, 4);
        r.MovePenTo(1, 5);
        r.LineToPoint(7.5, 5);
        r.SelectBrush(qRgb(255, 255, 0), bsSolid);
        r.TextInBox(1, 6, 3, 6.5, 1.1, 6.1, QStringLiteral("boxed"));
    });
    const auto shapes = ShapesOf(pages[0]);
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_EQ(shapes[0].rect, QRectF(1, 1, 2, 1)) << "corners in any order";
    EXPECT_EQ(shapes[0].pen.style, psDot);
    EXPECT_EQ(shapes[0].brush.color, qRgb(0, 128, 0));
    EXPECT_EQ(shapes[1].kind, skEllipse);
    EXPECT_EQ(shapes[2].rect.topLeft(), QPointF(1, 5));
    EXPECT_EQ(shapes[2].rect.bottomRight(), QPointF(7.5, 5));
    EXPECT_EQ(shapes[3].brush.color, qRgb(255, 255, 0)) << "the box is filled first";
    const auto text = TextsOf(pages[0]).at(0);
    ASSERT_TRUE(text.clip.has_value());
    EXPECT_EQ(*text.clip, QRectF(QPointF(1, 6), QPointF(3, 6.5)));
    EXPECT_GT(text.position.y(), 6.1) << "the top-left corner is given, the baseline kept";
}

TEST_F(RecordedStreamTest, StatusShowsThePageBeingProduced)
{
    QStringList shown;
    filer.SetStatusLabel([&](const QString& text) { shown.append(text); });
    filer.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    filer.StatusText() = {QString(), QString()};
    job.Record([](TBaseReport& r) {
        r.StartNextPage();
        r.StartNextPage();
    });
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[2], QStringLiteral("Printing Page 3\r\r"));
    filer.SetStatusFormat(QStringLiteral("\rPreview Stopped at page %p!"));
    filer.RefreshStatus();
    EXPECT_EQ(shown.last(), QStringLiteral("\rPreview Stopped at page 3!"));

    QLabel label;
    filer.SetStatusLabel(StatusToLabel(&label));
    filer.RefreshStatus();
    EXPECT_EQ(label.text(), QStringLiteral("\nPreview Stopped at page 3!")) << "a label breaks lines with newlines";
}

TEST_F(RecordedStreamTest, PagesOutsideTheRangeAreProducedButNotEmitted)
{
    filer.SetFirstPage(2);
    filer.SetLastPage(3);
    int produced = 0;
    filer.OnPrintPage = [&](TBaseReport& r, int page) {
        ++produced;
        r.WriteText(QStringLiteral("Page %1").arg(page));
        return page < 5;
    };
    filer.RunJob();
    const auto pages = ReadPageStream(job.stream);
    EXPECT_EQ(produced, 5);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(TextsOf(pages[0]).at(0).text, QStringLiteral("Page 2"));
    EXPECT_EQ(TextsOf(pages[1]).at(0).text, QStringLiteral("Page 3"));
}

TEST_F(RecordedStreamTest, EventsFireInJobOrder)
{
    QStringList events;
    const auto note = [&](const char* name) { return [&events, name](TBaseReport&) { events.append(QLatin1String(name)); }; };
    filer.OnBeforePrint = note("before");
    filer.OnNewPage = note("new");
    filer.OnPrintHeader = note("header");
    filer.OnPrintFooter = note("footer");
    filer.OnAfterPrint = note("after");
    job.Record([&](TBaseReport& r) {
        events.append(QStringLiteral("print"));
        r.StartNextPage();
    });
    EXPECT_EQ(events.join(QLatin1Char(' ')),
              QStringLiteral("before new header print footer new header footer after"));
}

TEST_F(RecordedStreamTest, AbortUnwindsTheHandlerAndKeepsWhatWasDrawn)
{
    bool reachedAfterAbort = false;
    bool after = false;
    filer.OnAfterPrint = [&](TBaseReport&) { after = true; };
    const auto pages = job.Record([&](TBaseReport& r) {
        r.WriteText(QStringLiteral("one"));
        r.AbortJob();
        r.WriteText(QStringLiteral("never"));
        reachedAfterAbort = true;
    });
    EXPECT_FALSE(reachedAfterAbort);
    EXPECT_TRUE(filer.JobAborted());
    EXPECT_FALSE(filer.Printing());
    EXPECT_TRUE(after);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(TextsOf(pages[0]).size(), 1u);

    job.Record([](TBaseReport& r) { r.WriteText(QStringLiteral("again")); });
    EXPECT_FALSE(filer.JobAborted()) << "the next run starts afresh";
}

TEST_F(RecordedStreamTest, MisuseIsRefusedWithInvalidMethodCall)
{
    try {
        filer.WriteText(QStringLiteral("idle"));
        FAIL() << "drawing while idle";
    } catch (const EReportError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Invalid method call.  ReportPrinter is not printing."));
    }
    EXPECT_THROW(filer.StartNextPage(), EReportError);
    QString nested;
    job.Record([&](TBaseReport& r) {
        try {
            r.RunJob();
        } catch (const EReportError& error) {
            nested = error.text();
        }
        EXPECT_THROW(r.SetCopies(2), EReportError);
        EXPECT_THROW(r.SelectPrinterIndex(0), EReportError);
    });
    EXPECT_EQ(nested, QStringLiteral("Invalid method call.  ReportPrinter already printing."));
}

TEST_F(RecordedStreamTest, HandlerErrorsEndTheJobAndReachTheCaller)
{
    filer.OnPrint = [](TBaseReport& r) {
        r.WriteText(QStringLiteral("before the error"));
        throw EReportError(QStringLiteral("record unreadable"));
    };
    EXPECT_THROW(filer.RunJob(), EReportError);
    EXPECT_FALSE(filer.Printing());
    EXPECT_EQ(ReadPageStream(job.stream).size(), 1u) << "the page begun is still finished";
}

TEST(NoPrinterTest, PrintingWithoutAnyPrinterSaysSoAndPrintsNothing)
{
    TRPDevice device(std::make_unique<TFixedPrinterCatalog>(), false);
    TScriptedOutputDialogs dialogs;
    TReportPrinter printer;
    printer.SetDevice(&device);
    printer.SetDialogs(&dialogs);
    bool printed = false;
    printer.OnPrint = [&](TBaseReport&) { printed = true; };
    printer.RunJob();
    EXPECT_FALSE(printed);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("No printers are defined, aborting print job.")});
    EXPECT_THROW(device.PaperWidth(), EReportError);
}

// The painter keeps a shape's pen and brush while the next shape wants the
// same ones; whatever else was drawn in between (text sets its own pen),
// every shape must still come out in its own colours.
TEST(PagePainterTest, EachShapeKeepsItsOwnColoursWhateverWasDrawnBefore)
{
    TShapeOp red;
    red.rect = QRectF(0.1, 0.1, 0.3, 0.3);
    red.pen.color = qRgb(255, 0, 0);
    red.pen.width = 3;
    red.brush.color = qRgb(0, 255, 0);
    TTextOp text;
    text.position = QPointF(0.1, 0.6);
    text.text = QStringLiteral("WWW");
    text.font.size = 20;
    text.font.color = qRgb(0, 0, 255);
    TShapeOp again = red;
    again.rect.translate(0.5, 0.0);
    TShapeOp outline = red;
    outline.rect.translate(0.5, 0.5);
    outline.brush.style = bsClear;

    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TDeviceMapping mapping;
        mapping.pixelsPerInchX = mapping.pixelsPerInchY = 100;
        TPagePainter pages(painter, mapping);
        for (const TPageOp& op : std::vector<TPageOp>{ red, text, again, outline })
            pages.drawOp(op);
    }
    struct Probe {
        QPoint at;
        QRgb colour;
    };
    const Probe probes[] = {
        { { 10, 20 }, qRgb(255, 0, 0) },  // first border
        { { 20, 20 }, qRgb(0, 255, 0) },  // first fill
        { { 60, 20 }, qRgb(255, 0, 0) },  // border after the text's pen
        { { 70, 20 }, qRgb(0, 255, 0) },  // fill after the text
        { { 60, 70 }, qRgb(255, 0, 0) },  // border of the clear shape
        { { 70, 70 }, qRgb(255, 255, 255) }, // nothing inside it
    };
    for (const Probe& probe : probes)
        EXPECT_EQ(image.pixel(probe.at), probe.colour) << probe.at.x() << "," << probe.at.y();
}
