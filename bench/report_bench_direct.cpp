// The reference side of the report benchmark: the same records read
// through the engine in the same order, the same header, headings, rules
// and cells at the same places in the same fonts, drawn straight with
// QPainter on a QPdfWriter of letter pages (and into one QPicture a page
// for the preview), with nothing in between.
#include "report_bench_phases.h"

#include "reports/built_in_report_texts.h"
#include "store/cp1252.h"
#include "xbase/apollo.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace quorvel::bench {

namespace {

constexpr int kResolution = 1200;
constexpr double kAreaTop = 1.0;
constexpr double kAreaBottom = 10.0;
constexpr double kAreaLeft = 1.0;
constexpr double kAreaRight = 8.0;

// A font with its metrics in inches.
struct MeasuredFont {
    QFont font;
    double size = 0;    // inches
    double descent = 0; // inches
    std::unique_ptr<QFontMetricsF> metrics;

    MeasuredFont(const char* family, double points, bool bold, QPaintDevice& device)
        : font(QString::fromLatin1(family)), size(points / 72.0)
    {
        font.setPointSizeF(points);
        font.setBold(bold);
        metrics = std::make_unique<QFontMetricsF>(font, &device);
        descent = metrics->descent() / kResolution;
    }
};

struct Column {
    const char* heading;
    double width;
};

// Draws report 1 or report 4 page by page; the pages made.
class DirectReport {
public:
    DirectReport(QPaintDevice& metrics, bool allFields, TextHash* hash)
        : allFields_(allFields), hash_(hash), title_("Times New Roman", 14, true, metrics),
          headings_("Arial", 9, true, metrics), body_("Arial", allFields ? 8 : 9, false, metrics),
          bodyPoints_(allFields ? 8 : 9), date_(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat))
    {
    }

    int draw(const std::string& file, const std::function<QPainter&()>& newPage)
    {
        xbase::TApollo table;
        if (!table.sx_Use(file, xbase::OpenMode::ReadOnly) ||
            !table.sx_Query("!ISDEL .and. UPPER(PREFIX)<>\"DELETED\"") || !table.sx_SetOrder(table.sx_TagArea("LNAME")))
            throw std::runtime_error("cannot open " + file);
        table.sx_GoTop();
        if (!allFields_)
            seekFromZero(table);
        painter_ = &startPage(newPage);
        for (; !table.sx_Eof(); table.sx_Skip(1)) {
            if (linesRemaining() < (allFields_ ? 3 : 1))
                painter_ = &startPage(newPage);
            const reports::TBuiltInRecord record = reports::BuiltInRecordOf(
                [&table](const QString& field) { return fromCp1252(QByteArray::fromStdString(table.sx_GetString(field.toStdString()))); });
            if (allFields_)
                drawAllFields(record);
            else
                drawListLine(record);
        }
        return page_;
    }

private:
    static void seekFromZero(xbase::TApollo& table)
    {
        // Records whose key sorts below "0" (no last name) are left out.
        xbase::TApolloEnv& env = xbase::TApolloEnv::global();
        env.sx_SetSoftSeek(true);
        table.sx_Seek("0");
        env.sx_SetSoftSeek(false);
    }

    double px(double inches) const { return inches * kResolution; }
    double lineHeight() const { return bodyPoints_ / 60.0; }

    int linesRemaining() const
    {
        const double top = y_ - lineHeight() + body_.descent;
        const double lines = std::floor((kAreaBottom - top) / lineHeight() + 1e-9);
        return lines > 0 ? static_cast<int>(lines) : 0;
    }

    void text(const MeasuredFont& font, const QString& value, double x, double baseline)
    {
        painter_->setFont(font.font);
        painter_->drawText(QPointF(px(x), px(baseline)), value);
        if (hash_)
            hash_->add(page_, value.toStdString());
    }

    void rightText(const MeasuredFont& font, const QString& value, double right, double baseline)
    {
        text(font, value, right - font.metrics->horizontalAdvance(value) / kResolution, baseline);
    }

    // Clipped to the cell only when the text is wider than it.
    void cell(const QString& value, double x, double clipWidth)
    {
        if (value.isEmpty())
            return;
        const double right = x + clipWidth - 0.2;
        if (x + body_.metrics->horizontalAdvance(value) / kResolution <= right) {
            text(body_, value, x, y_);
            return;
        }
        painter_->save();
        painter_->setClipRect(QRectF(QPointF(px(x), px(y_ - body_.size)), QPointF(px(right), px(y_ + body_.size))));
        text(body_, value, x, y_);
        painter_->restore();
    }

    void rule(double y, const QColor& color)
    {
        painter_->setPen(QPen(color, 1));
        painter_->drawLine(QPointF(px(kAreaLeft), px(y)), QPointF(px(kAreaRight), px(y)));
    }

    QPainter& startPage(const std::function<QPainter&()>& newPage)
    {
        QPainter& painter = newPage();
        painter_ = &painter;
        ++page_;
        const double titleLine = 14 / 60.0;
        const double first = titleLine - title_.descent;
        text(title_, QString::fromLatin1(kReportTitle), kAreaLeft, first);
        rightText(title_, QStringLiteral("Page ") + QString::number(page_), kAreaRight, first);
        rightText(title_, date_, kAreaRight, first + titleLine);
        if (allFields_) {
            const double top = 0.5 + 0.15;
            text(headings_, QStringLiteral("Name"), 1.02, top);
            text(headings_, QStringLiteral("Title and Organization"), 3.77, top);
            text(headings_, QStringLiteral("Street"), 1.52, top + 0.15);
            text(headings_, QStringLiteral("City/State/Zip"), 3.77, top + 0.15);
            text(headings_, QStringLiteral("Country"), 6.77, top + 0.15);
            text(headings_, QStringLiteral("Phone,Fax"), 1.52, top + 0.3);
            text(headings_, QStringLiteral("Email"), 3.77, top + 0.3);
            text(headings_, QStringLiteral("Date"), 6.77, top + 0.3);
        } else {
            const char* headings[] = {"Name", "Address", "City/St/Zip", "Phone"};
            const double starts[] = {1.02, 2.77, 4.92, 6.92};
            for (int i = 0; i < 4; ++i)
                text(headings_, QString::fromLatin1(headings[i]), starts[i], 0.8 + 0.15);
        }
        rule(kAreaTop, Qt::black);
        rule(kAreaBottom, Qt::black);
        y_ = kAreaTop + lineHeight() - body_.descent;
        return painter;
    }

    void drawListLine(const reports::TBuiltInRecord& record)
    {
        cell(reports::ListName(record), 1.02, 1.75);
        cell(record.street, 2.77, 2.15);
        cell(reports::ListCityLine(record), 4.92, 2.0);
        cell(record.phone, 6.92, 1.5);
        y_ += lineHeight();
    }

    void drawAllFields(const reports::TBuiltInRecord& record)
    {
        cell(reports::FullReportName(record), 1.02, 2.75);
        cell(reports::TitleAndOrganization(record), 3.77, 4.5);
        y_ += lineHeight();
        cell(record.street, 1.52, 2.25);
        cell(reports::FullReportCityLine(record), 3.77, 3.0);
        cell(record.country, 6.77, 1.5);
        y_ += lineHeight();
        cell(reports::PhoneLine(record), 1.52, 2.25);
        cell(record.email, 3.77, 3.0);
        cell(record.date, 6.77, 1.5);
        y_ += lineHeight();
        if (linesRemaining() > 3) {
            rule(y_ - lineHeight() + body_.descent + lineHeight() / 2.0, QColor(192, 192, 192));
            y_ += lineHeight();
        }
    }

    bool allFields_;
    TextHash* hash_;
    MeasuredFont title_, headings_, body_;
    int bodyPoints_;
    QString date_;
    QPainter* painter_ = nullptr;
    int page_ = 0;
    double y_ = 0;
};

QPageLayout LetterPortrait() { return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()); }

int drawPdf(const QString& pdf, const std::string& file, bool allFields, TextHash* hash)
{
    QPdfWriter writer(pdf);
    writer.setResolution(kResolution);
    writer.setPageLayout(LetterPortrait());
    QPainter painter;
    DirectReport report(writer, allFields, hash);
    const int pages = report.draw(file, pdfPages(writer, painter));
    painter.end();
    return pages;
}

int drawPictures(const QString& unused, const std::string& file)
{
    QPdfWriter metrics(unused);
    metrics.setResolution(kResolution);
    std::vector<std::unique_ptr<QPicture>> pictures;
    QPainter painter;
    DirectReport report(metrics, false, nullptr);
    return report.draw(file, picturePages(pictures, painter));
}

} // namespace

std::vector<PhaseResult> runDirectReportSide(const ReportBenchConfig& config)
{
    const OffscreenApplication application;
    const std::string file = reportAddressFile(config);
    const QString folder = QString::fromStdString(config.folder);
    TextHash hash;
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseAllFields, [&] { return drawPdf(folder + QStringLiteral("/direct-4.pdf"), file, true, nullptr); });
    clock.run(kPhaseList, [&] { return drawPdf(folder + QStringLiteral("/direct-1.pdf"), file, false, &hash); });
    clock.run(kPhasePreview, [&] { return drawPictures(folder + QStringLiteral("/unused.pdf"), file); });
    clock.run(kPhaseTexts, [&] { return hash.value(); });
    return log;
}

} // namespace quorvel::bench
