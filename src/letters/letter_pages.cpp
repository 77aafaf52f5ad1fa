#include "letters/letter_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace letters {

namespace {

constexpr long long kTwipsPerInch = 1440;

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
    // The margins are the page's own; the layout adds none of its own.
    document_.documentLayout()->setPaintDevice(&device);
    document_.setDocumentMargin(0);
    document_.setPageSize(QSizeF(rect_.width(), rect_.height()));
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
    painter.translate(rect_.left(), rect_.top() - onLayout.top());
    painter.setClipRect(onLayout, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    // The next page's first line starts right at this page's bottom edge;
    // the painter's clip would hide it, but a PDF would still hold it as
    // invisible text, so the layout is not asked to draw it at all.
    context.clip = onLayout.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace letters
