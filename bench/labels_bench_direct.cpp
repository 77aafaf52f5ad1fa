// The reference side of the label benchmark: the same records read through
// the engine, the same address lines and POSTNET bars at the same places,
// drawn straight with QPainter on a QPdfWriter (and into one QPicture a
// page for the preview), with nothing in between.
#include "labels_bench_phases.h"

#include "design/model/postnet_code.h"
#include "store/cp1252.h"
#include "xbase/apollo.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPdfWriter>
#include <QPicture>

#include <stdexcept>

namespace quorvel::bench {

namespace {

constexpr int kResolution = 1200; // what the label run's PDF printer uses

struct LabelLines {
    QStringList lines;
    QString zip;
    QString street;
};

QString trimLeading(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// The pen the label run draws the bars' outlines with. Its mitred corners
// matter: with Qt's default bevel joins the PDF engine strokes each bar
// itself, several times slower.
QPen barPen()
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

// An address as a mailing label writes it: the name line (each present part
// followed by a blank), the street, then city, two blanks, state and ZIP.
LabelLines addressLines(const xbase::TApollo& table)
{
    const auto field = [&table](const char* name) { return fromCp1252(QByteArray::fromStdString(table.sx_GetString(name))); };
    const QString blankText = QStringLiteral(" ");
    LabelLines label;
    QString middle = field("MIDDLE");
    if (!blank(middle))
        middle += QLatin1Char('.');
    const QString name = trimLeading(field("PREFIX") + blankText) + trimLeading(field("FNAME") + blankText) +
                         trimLeading(middle + blankText) + trimLeading(field("LNAME") + blankText);
    label.street = field("STREET");
    label.zip = field("ZIP");
    const QString city =
        trimLeading(field("CITY") + blankText) + blankText + trimLeading(field("STATE") + blankText) + trimLeading(label.zip);
    for (const QString& line : {name, label.street})
        if (!line.isEmpty())
            label.lines << line;
    if (!blank(city))
        label.lines << city;
    return label;
}

// Draws the labels of the table's live records on pages of the device,
// starting a page every 30 labels; the pages made.
class DirectLabels {
public:
    DirectLabels(QPaintDevice& metrics, TextHash* hash) : hash_(hash)
    {
        font_ = QFont(QStringLiteral("Arial"));
        font_.setPointSizeF(kFontPoints);
        ascent_ = QFontMetricsF(font_, &metrics).ascent() / kResolution;
    }

    // Draws the labels; `newPage` gives the painter of each next page.
    template <typename NewPage> int run(const std::string& file, NewPage&& newPage)
    {
        xbase::TApollo table;
        if (!table.sx_Use(file, xbase::OpenMode::ReadOnly) || !table.sx_Query("!ISDEL"))
            throw std::runtime_error("cannot open " + file);
        int pages = 0;
        int position = kAcross * kDown;
        QPainter* painter = nullptr;
        for (bool more = table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
            if (position == kAcross * kDown) {
                painter = newPage();
                painter->setFont(font_);
                painter->setPen(barPen());
                painter->setBrush(Qt::black);
                position = 0;
                ++pages;
            }
            const double x = kLeftMargin + (position % kAcross) * kHorizPitch;
            const double y = kTopMargin + (position / kAcross) * kVertPitch;
            drawLabel(*painter, addressLines(table), pages, x, y);
            ++position;
        }
        return pages;
    }

private:
    static double px(double inches) { return inches * kResolution; }

    void drawLabel(QPainter& painter, const LabelLines& label, int page, double x, double y)
    {
        const double left = x + double(kBlockLeft) / kPixelsPerInch;
        const double top = y + double(kBlockTop) / kPixelsPerInch;
        const double lineHeight = kFontPoints / 60.0;
        for (qsizetype i = 0; i < label.lines.size(); ++i) {
            painter.drawText(QPointF(px(left), px(top + i * lineHeight + ascent_)), label.lines[i]);
            if (hash_)
                hash_->add(page, label.lines[i].toStdString());
        }
        const std::optional<QString> digits =
            design::postnet::EncodedDigits(label.zip, label.street, design::TPostNetBarCodeType::pnbc11Digit);
        if (!digits)
            return;
        const double barTop = y + double(kBarcodeTop) / kPixelsPerInch;
        for (const QRectF& bar : design::postnet::BarRectangles(design::postnet::BarPattern(*digits), left, barTop))
            painter.drawRect(QRectF(px(bar.left()), px(bar.top()), px(bar.width()), px(bar.height())));
    }

    QFont font_;
    double ascent_ = 0;
    TextHash* hash_;
};

} // namespace

std::vector<PhaseResult> runDirectLabelsSide(const LabelsBenchConfig& config)
{
    const OffscreenApplication application;
    const std::string file = labelsAddressFile(config);
    TextHash hash;

    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhasePdf, [&] {
        QPdfWriter writer(QString::fromStdString(config.folder) + QStringLiteral("/direct.pdf"));
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF());
        QPainter painter;
        DirectLabels labels(writer, &hash);
        const int pages = labels.run(file, [&]() -> QPainter* {
            if (!painter.isActive()) {
                if (!painter.begin(&writer))
                    throw std::runtime_error("cannot start the PDF");
            } else {
                writer.newPage();
            }
            return &painter;
        });
        painter.end();
        return pages;
    });
    clock.run(kPhasePreview, [&] {
        QPdfWriter metrics(QString::fromStdString(config.folder) + QStringLiteral("/unused.pdf"));
        metrics.setResolution(kResolution);
        std::vector<std::unique_ptr<QPicture>> pictures;
        QPainter painter;
        DirectLabels labels(metrics, nullptr);
        return labels.run(file, [&]() -> QPainter* {
            if (painter.isActive())
                painter.end();
            pictures.push_back(std::make_unique<QPicture>());
            painter.begin(pictures.back().get());
            return &painter;
        });
    });
    clock.run(kPhaseTexts, [&] { return hash.value(); });
    return log;
}

} // namespace quorvel::bench
