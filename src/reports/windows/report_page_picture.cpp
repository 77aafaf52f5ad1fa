#include "reports/windows/report_page_picture.h"

#include "reports/report_page_area.h"
#include "reports/band_settings.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace reports {

namespace {

// The picture shows the page at one twentieth of its size in thousandths
// of an inch, 50 picture pixels to the inch, whatever the screen: at one
// twentieth of its screen size a band would be a pixel or two high.
constexpr int kPictureDotsPerInch = 50;
constexpr int kMinimumBandHeight = 16;
constexpr int kFrame = 8; // room around the paper for its shadow

int Scaled(int pixels, int pixelsPerInch)
{
    return pixelsPerInch > 0 ? pixels * kPictureDotsPerInch / pixelsPerInch : 0;
}

const std::array<const char*, 4> kBandNames { "Header", "Detail", "Memo", "Footer" };

int ScaledBandHeight(const TReportSettings& settings, TReportBand band, int pixelsPerInch)
{
    const int height = band == rbMemo ? MemoBandHeight(settings) : BandHeight(settings, band);
    return std::max(kMinimumBandHeight, Scaled(height, pixelsPerInch));
}

} // namespace

TPagePictureLayout LayoutPagePicture(const TReportSettings& settings, int pixelsPerInch)
{
    const auto scaled = [pixelsPerInch](int pixels) { return Scaled(pixels, pixelsPerInch); };
    TPagePictureLayout layout;
    layout.page = QRect(0, 0, scaled(settings.pageWidth), scaled(settings.pageHeight));
    layout.printable = QRect(QPoint(scaled(settings.leftMargin), scaled(settings.topMargin)),
        QPoint(layout.page.width() - scaled(settings.rightMargin) - 1,
            layout.page.height() - scaled(settings.bottomMargin) - 1));
    const QRect& area = layout.printable;
    int top = area.top();
    for (TReportBand band : { rbHeader, rbDetail, rbMemo }) {
        const int height = ScaledBandHeight(settings, band, pixelsPerInch);
        layout.bands[band] = QRect(area.left(), top, area.width(), height);
        top += height;
    }
    const int footerHeight = ScaledBandHeight(settings, rbFooter, pixelsPerInch);
    layout.bands[rbFooter] = QRect(area.left(), area.bottom() + 1 - footerHeight, area.width(), footerHeight);
    return layout;
}

TReportPagePicture::TReportPagePicture(const TReportSettings& settings, int pixelsPerInch, QWidget* parent)
    : QWidget(parent), settings_(settings), pixelsPerInch_(pixelsPerInch)
{
    setObjectName(QStringLiteral("PagePicture"));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TReportPagePicture::sizeHint() const
{
    // Room for the page either way round, so turning it does not resize
    // the dialog.
    const int side = Scaled(std::max(settings_.pageWidth, settings_.pageHeight), pixelsPerInch_);
    return QSize(side, side) + QSize(2 * kFrame, 2 * kFrame);
}

void TReportPagePicture::Refresh()
{
    updateGeometry();
    update();
}

QPoint TReportPagePicture::Origin() const
{
    const QRect page = LayoutPagePicture(settings_, pixelsPerInch_).page;
    return QPoint((width() - page.width()) / 2, (height() - page.height()) / 2);
}

void TReportPagePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TPagePictureLayout layout = LayoutPagePicture(settings_, pixelsPerInch_);
    painter.translate(Origin());
    painter.fillRect(layout.page.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(layout.page, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(layout.page.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    painter.drawRect(layout.printable);

    QFont small = font();
    small.setPointSize(7);
    painter.setFont(small);
    for (TReportBand band : { rbHeader, rbDetail, rbMemo, rbFooter }) {
        const QRect& area = layout.bands[band];
        const TBandBorder& border = settings_.borders[band];
        painter.fillRect(area, QColor::fromRgb(BandShade(border)));
        // A faint outline shows where a band without lines can be clicked.
        painter.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::black, border.lineWidth));
        if (border.top)
            painter.drawLine(area.topLeft(), area.topRight());
        if (border.bottom)
            painter.drawLine(area.bottomLeft(), area.bottomRight());
        if (border.left)
            painter.drawLine(area.topLeft(), area.bottomLeft());
        if (border.right)
            painter.drawLine(area.topRight(), area.bottomRight());
        painter.setPen(BandInUse(settings_, band) ? Qt::black : Qt::gray);
        painter.drawText(area, Qt::AlignCenter, QString::fromLatin1(kBandNames[band]));
    }
}

void TReportPagePicture::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint() - Origin();
    const TPagePictureLayout layout = LayoutPagePicture(settings_, pixelsPerInch_);
    // The footer first: on a short page it may lie over the others.
    for (TReportBand band : { rbFooter, rbHeader, rbDetail, rbMemo }) {
        if (layout.bands[band].contains(point)) {
            emit BandClicked(band);
            return;
        }
    }
}

} // namespace reports
