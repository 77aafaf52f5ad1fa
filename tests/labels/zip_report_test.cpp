// The "Zip Code Count Report" on its recorded pages: where codes and counts
// stand in the four columns, the frame and title of every page, the shading
// of every other line, counts of any length, and how the job ends.
#include "label_run_fixture.h"

#include "labels/zip_count.h"
#include "labels/zip_report.h"
#include "output/font_measure.h"
#include "output/output_test_support.h"
#include "output/tab_stops.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace labels;
using output::TPrintOutcome;

namespace {

constexpr double kTolerance = 1e-6;
// Arial 10 points: 54 lines of 1/6 inch between the top and bottom margins
// of a letter page.
constexpr int kLinesPerColumn = 54;

class ZipReportTest : public ::testing::Test {
protected:
    ZipReportTest() : device(output_testing::MakeOfficeDevice(0.25)) {}

    TZipReportResult Preview(const QStringList& lines)
    {
        const TZipReportContext context{dialogs, host, device.get()};
        return RunZipReport(lines, true, context);
    }

    // The report lines of `count` distinct codes counted once each.
    static QStringList DistinctCodes(int count)
    {
        TZipCount counts;
        for (int i = 0; i < count; ++i)
            counts.codes.push_back({QStringLiteral("%1").arg(i * 7 + 10000, 5, 10, QLatin1Char('0')), 1});
        return ZipReportLines(counts);
    }

    std::unique_ptr<output::TRPDevice> device;
    output::TScriptedOutputDialogs dialogs;
    labels_testing::RecordingHost host;
};

// A text as laid out: its page, and where its left and right edges are.
struct Placed {
    int page;
    QString text;
    double left;
    double right;
    double baseline;
    bool bold;
};

std::vector<Placed> PlacedTexts(const std::vector<output::TPage>& pages)
{
    output::TFontMeasure measure;
    std::vector<Placed> placed;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const output::TTextOp& text : output_testing::TextsOf(pages[page])) {
            EXPECT_EQ(text.align, output::taLeft);
            const double width = measure.width(text.font, text.text);
            placed.push_back({static_cast<int>(page) + 1, text.text, text.position.x(), text.position.x() + width,
                              text.position.y(), text.font.bold});
        }
    }
    return placed;
}

const Placed* Find(const std::vector<Placed>& placed, const QString& text, int page = 1)
{
    for (const Placed& p : placed)
        if (p.text == text && p.page == page)
            return &p;
    return nullptr;
}

TEST_F(ZipReportTest, CodesAndCountsStandInTheirCellsOfTheFirstColumn)
{
    const TZipCount counts{{{QStringLiteral("00501"), 1}, {QStringLiteral("30301"), 1234}},
                           {{QStringLiteral("K1A 0"), 1000000}},
                           7};
    const TZipReportResult result = Preview(ZipReportLines(counts));
    EXPECT_EQ(result.outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rPreview Ready!"));
    ASSERT_TRUE(host.previewShown);
    ASSERT_EQ(host.pages.size(), 1u);
    const std::vector<Placed> placed = PlacedTexts(host.pages);
    // Lines 1, 2, then two empty ones, then the other code and BLANK.
    const std::pair<const char*, const char*> rows[] = {
        {"00501", "1"}, {"30301", "1,234"}, {"K1A 0", "1,000,000"}, {"BLANK", "7"}};
    const int lineOf[] = {0, 1, 4, 5};
    const Placed* first = Find(placed, QStringLiteral("00501"));
    ASSERT_NE(first, nullptr);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].first);
        const Placed* code = Find(placed, QString::fromLatin1(rows[i].first));
        const Placed* count = Find(placed, QString::fromLatin1(rows[i].second));
        ASSERT_NE(code, nullptr);
        ASSERT_NE(count, nullptr);
        EXPECT_NEAR(code->left, 0.55, kTolerance);
        EXPECT_NEAR(count->right, 1.70, kTolerance);
        EXPECT_NEAR(code->baseline, first->baseline + lineOf[i] / 6.0, kTolerance);
        EXPECT_NEAR(count->baseline, code->baseline, kTolerance);
        EXPECT_FALSE(code->bold);
    }
}

TEST_F(ZipReportTest, EveryPageHasItsTitleNumberAndFrame)
{
    const QStringList lines = DistinctCodes(1000);
    const TZipReportResult result = Preview(lines);
    // 1,003 lines in columns of 54, four columns a page.
    const int columns = (static_cast<int>(lines.size()) + kLinesPerColumn - 1) / kLinesPerColumn;
    ASSERT_EQ(host.pages.size(), static_cast<std::size_t>((columns + 3) / 4));
    EXPECT_EQ(result.pages, 5);
    const std::vector<Placed> placed = PlacedTexts(host.pages);
    for (int page = 1; page <= static_cast<int>(host.pages.size()); ++page) {
        SCOPED_TRACE(page);
        const Placed* title = Find(placed, QStringLiteral("Zip Code Count Report"), page);
        ASSERT_NE(title, nullptr);
        EXPECT_TRUE(title->bold);
        EXPECT_NEAR(title->left, 0.5, kTolerance);
        EXPECT_NEAR(title->baseline, 0.75, kTolerance);
        const Placed* number = Find(placed, QStringLiteral("Page %1").arg(page), page);
        ASSERT_NE(number, nullptr);
        EXPECT_FALSE(number->bold);
        EXPECT_NEAR(number->left, 0.5, kTolerance);
        EXPECT_NEAR(number->baseline, 10.0 + 1.0 / 6.0, kTolerance);
        // The frame around the text area and the lines between the columns.
        const std::vector<output::TShapeOp> shapes = output_testing::ShapesOf(host.pages[page - 1]);
        ASSERT_GE(shapes.size(), 4u);
        EXPECT_EQ(shapes[0].kind, output::skRectangle);
        EXPECT_EQ(shapes[0].rect, QRectF(QPointF(0.5, 1.0), QPointF(8.0, 10.0)));
        EXPECT_EQ(shapes[0].brush.style, output::bsClear);
        for (int line = 1; line <= 3; ++line) {
            EXPECT_EQ(shapes[line].kind, output::skLine);
            EXPECT_EQ(shapes[line].rect,
                      QRectF(QPointF(0.5 + line * 1.875, 1.0), QPointF(0.5 + line * 1.875, 10.0)));
        }
    }
}

// Read back column by column, the codes come in the order of the lines:
// each column holds 54 lines at its origin, and the fifth column starts a
// new page.
TEST_F(ZipReportTest, AThousandCodesFillColumnsInOrderOverSeveralPages)
{
    const QStringList lines = DistinctCodes(1000);
    Preview(lines);
    std::vector<Placed> codes;
    for (const Placed& p : PlacedTexts(host.pages)) {
        const double columns = (p.left - 0.55) / 1.875;
        if (std::abs(columns - std::round(columns)) < kTolerance && !p.text.startsWith(QStringLiteral("Page")))
            codes.push_back(p);
    }
    std::stable_sort(codes.begin(), codes.end(), [](const Placed& a, const Placed& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.left - b.left) > kTolerance)
            return a.left < b.left;
        return a.baseline < b.baseline;
    });
    QStringList expected;
    for (const QString& line : lines)
        if (!ZipReportLineCode(line).isEmpty())
            expected << ZipReportLineCode(line);
    QStringList read;
    for (const Placed& p : codes)
        read << p.text;
    EXPECT_EQ(read.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
    // Line n (0-based, counting the empty lines too) of the report.
    const auto expectAt = [&](int n, const QString& code) {
        SCOPED_TRACE(code.toStdString());
        const int column = n / kLinesPerColumn;
        const auto found = std::find_if(codes.begin(), codes.end(), [&](const Placed& p) { return p.text == code; });
        ASSERT_NE(found, codes.end());
        EXPECT_EQ(found->page, column / 4 + 1);
        EXPECT_NEAR(found->left, 0.5 + (column % 4) * 1.875 + 0.05, kTolerance);
        EXPECT_NEAR(found->baseline, codes.front().baseline + (n % kLinesPerColumn) / 6.0, kTolerance);
    };
    for (int n : {0, 53, 54, 3 * 54 + 53, 4 * 54, 999})
        expectAt(n, ZipReportLineCode(lines.at(n)));
    expectAt(1002, QStringLiteral("BLANK"));
}

TEST_F(ZipReportTest, OddLinesOfEachColumnAreShaded)
{
    Preview(DistinctCodes(kLinesPerColumn + 3));
    const QRgb shade = output::ShadeColor(qRgb(0, 0, 0), 5);
    std::vector<QRectF> cells;
    for (const output::TShapeOp& op : output_testing::ShapesOf(host.pages.at(0))) {
        if (op.kind == output::skRectangle && op.brush.style == output::bsSolid) {
            EXPECT_EQ(op.brush.color, shade);
            EXPECT_EQ(op.pen.style, output::psClear);
            cells.push_back(op.rect);
        }
    }
    // Three cells across each odd line: 27 odd lines in the first column,
    // then lines 1, 3 and 5 of the second (the 57 codes, two empty lines and
    // BLANK make 60 lines).
    ASSERT_EQ(cells.size(), 3u * (27 + 3));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int cell = static_cast<int>(i % 3);
        const int line = static_cast<int>(i / 3);
        const bool second = line >= 27;
        const int lineInColumn = second ? 2 * (line - 27) : 2 * line; // 0-based: lines 0, 2, 4 ...
        const double origin = second ? 0.5 + 1.875 : 0.5;
        SCOPED_TRACE(i);
        EXPECT_NEAR(cells[i].left(), origin + cell * 0.625, kTolerance);
        EXPECT_NEAR(cells[i].width(), 0.625, kTolerance);
        EXPECT_NEAR(cells[i].top(), 1.0 + lineInColumn / 6.0, kTolerance);
        EXPECT_NEAR(cells[i].height(), 1.0 / 6.0, kTolerance);
    }
}

TEST_F(ZipReportTest, StoppingThePreviewShowsWhatWasMade)
{
    host.onEvents = [](output::TPrintStatus& status) {
        if (status.Report().CurrentPage() == 2)
            status.CancelButtonClick();
    };
    const TZipReportResult result = Preview(DistinctCodes(1000));
    EXPECT_EQ(result.outcome, TPrintOutcome::poStopped);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rPreview Stopped at page 2!"));
    EXPECT_EQ(host.pages.size(), 2u);
}

} // namespace
