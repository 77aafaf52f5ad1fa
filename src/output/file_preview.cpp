#include "output/file_preview.h"

#include "output/output_error.h"
#include "output/preview_renderer.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QStyle>

namespace output {

TFilePreview::TFilePreview() = default;

TFilePreview::~TFilePreview()
{
    StopViewing();
}

void TFilePreview::SetMonochrome(bool on)
{
    if (on && shadowDepth_ > 0)
        throw EReportError(messages::monochromeWithShadow());
    monochrome_ = on;
}

void TFilePreview::SetShadowDepth(int depth)
{
    if (depth > 0 && monochrome_)
        throw EReportError(messages::shadowWithMonochrome());
    shadowDepth_ = depth < 0 ? 0 : depth;
}

TStatusContext TFilePreview::DeviceStatus() const
{
    TStatusContext context;
    context.driverName = QStringLiteral("Preview");
    context.printerName = QStringLiteral("Preview");
    context.port = QStringLiteral("Screen");
    return context;
}

TZoomFit TFilePreview::fit() const
{
    TZoomFit result;
    if (scrollBox_ != nullptr) {
        // The room without scroll bars: whether they show depends on the zoom.
        const QSize room = scrollBox_->maximumViewportSize();
        result.viewportWidth = room.width();
        result.viewportHeight = room.height();
        result.scrollBarExtent = scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBox_);
        result.pixelsPerInchX = scrollBox_->logicalDpiX();
        result.pixelsPerInchY = scrollBox_->logicalDpiY();
    }
    if (shownPage_ >= 1 && shownPage_ <= PageCount()) {
        result.pageWidth = LoadedPageSize(shownPage_).width();
        result.pageHeight = LoadedPageSize(shownPage_).height();
    }
    result.marginPercent = marginPercent_;
    result.marginMethod = marginMethod_;
    result.shadowDepth = shadowDepth_;
    return result;
}

double TFilePreview::ZoomPageWidthFactor() const { return PageWidthZoom(fit()); }
double TFilePreview::ZoomWholePageFactor() const { return WholePageZoom(fit()); }

void TFilePreview::SetZoomFactor(double zoom)
{
    zoom_ = ResolveZoom(zoom, fit());
    if (viewing_)
        redraw();
    if (OnZoomChange)
        OnZoomChange();
}

void TFilePreview::StartViewing()
{
    if (scrollBox_ == nullptr)
        throw EReportError(messages::noScrollBox());
    LoadPages();
    pageView_ = new QLabel;
    pageView_->setObjectName(QStringLiteral("PreviewPage"));
    pageView_->setAlignment(Qt::AlignCenter);
    scrollBox_->setWidget(pageView_);
    scrollBox_->setAlignment(Qt::AlignCenter);
    viewing_ = true;
    ShowPage(1);
}

void TFilePreview::StopViewing()
{
    if (!viewing_)
        return;
    viewing_ = false;
    if (scrollBox_ != nullptr && scrollBox_->widget() == pageView_)
        delete scrollBox_->takeWidget();
    pageView_ = nullptr;
    shownPage_ = 0;
    ClearPages();
}

void TFilePreview::ShowPage(int page)
{
    if (!viewing_ || page < 1 || page > PageCount())
        return;
    shownPage_ = page;
    redraw();
    if (OnPageChange)
        OnPageChange();
}

void TFilePreview::NextPage()
{
    if (shownPage_ + pageInc_ <= PageCount())
        ShowPage(shownPage_ + pageInc_);
}

void TFilePreview::PreviousPage()
{
    if (shownPage_ - pageInc_ >= 1)
        ShowPage(shownPage_ - pageInc_);
}

void TFilePreview::redraw()
{
    if (pageView_ == nullptr || shownPage_ < 1)
        return;
    const TZoomFit zoomFit = fit();
    TPreviewLook look;
    look.zoom = zoom_;
    look.pixelsPerInchX = zoomFit.pixelsPerInchX;
    look.pixelsPerInchY = zoomFit.pixelsPerInchY;
    look.border = BorderPixels(zoomFit, zoom_);
    look.shadowDepth = shadowDepth_;
    look.monochrome = monochrome_;
    const QImage image = RenderPreviewPage(LoadedPage(shownPage_), look);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(image.size());
}

} // namespace output
