#include "letters/letter_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace letters {

namespace {

constexpr long long kTwipsPerInch = 1440;

// A letter keeps its indents, spacing and tab stops in pixels at 96 to the
// inch. The text layout takes some such lengths as pixels of its paint
// device and scales others from 96 dpi to it; at 96 dpi both agree. So a
// letter is laid out on a device of 96 pixels an inch and drawn scaled to
// the target: every device, screen, printer or PDF, then breaks the pages
// alike.
constexpr int kLayoutDpi = 96;

QPaintDevice& layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kLayoutDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

int pixels(int pixelsPerInch, int twips)
{
    return static_cast<int>(pixelsPerInch * static_cast<long long>(twips) / kTwipsPerInch);
}

} // namespace

QRect PrintableRect(const TLetterPage& page, int pixelsPerInchX, int pixelsPerInchY, QPoint unprintableOffset)
{
    const int left = pixels(pixelsPerInchX, page.marginLeft) - unprintableOffset.x();
    const int top = pixels(pixelsPerInchY, page.marginTop) - unprintableOffset.y();
    const int width = pixels(pixelsPerInchX, page.paperWidth) - pixels(pixelsPerInchX, page.marginRight) - left;
    const int height = pixels(pixelsPerInchY, page.paperHeight) - pixels(pixelsPerInchY, page.marginBottom) - top;
    return QRect(left, top, width, height);
}

TLetterPages::TLetterPages(QTextDocument& document, const TLetterPage& page, QPaintDevice& device,
                           QPoint unprintableOffset)
    : document_(document)
{
    rect_ = PrintableRect(page, device.logicalDpiX(), device.logicalDpiY(), unprintableOffset);
    if (rect_.isEmpty())
        return;
    scaleX_ = device.logicalDpiX() / double(kLayoutDpi);
    scaleY_ = device.logicalDpiY() / double(kLayoutDpi);
    // The margins are the page's own; the layout adds none of its own.
    // Glyph advances unrounded at the layout's resolution, so that lines
    // keep their width when scaled up.
    document_.setUseDesignMetrics(true);
    document_.documentLayout()->setPaintDevice(&layoutDevice());
    document_.setDocumentMargin(0);
    document_.setPageSize(QSizeF(rect_.width() / scaleX_, rect_.height() / scaleY_));
}

int TLetterPages::PageCount() const
{
    if (!Usable())
        return 0;
    return document_.documentLayout()->pageCount();
}

void TLetterPages::DrawPage(QPainter& painter, int index) const
{
    if (!Usable())
        return;
    const QSizeF pageSize = document_.pageSize();
    const QRectF onLayout(0, index * pageSize.height(), pageSize.width(), pageSize.height());
    painter.save();
    painter.translate(rect_.left(), rect_.top());
    painter.scale(scaleX_, scaleY_);
    painter.translate(0, -onLayout.top());
    painter.setClipRect(onLayout, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    // The next page's first line starts right at this page's bottom edge;
    // the painter's clip would hide it, but a PDF would still hold it as
    // invisible text, so the layout is not asked to draw it at all.
    context.clip = onLayout.adjusted(0, 0, 0, -1.0 / scaleY_);
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace letters
