#pragma once

#include "output/file_printer.h"
#include "output/preview_zoom.h"

#include <QPen>

#include <functional>

class QLabel;
class QScrollArea;

namespace output {

enum TRulerType { rtNone, rtHorizCm, rtVertCm, rtBothCm, rtHorizIn, rtVertIn, rtBothIn };

// Shows a recorded page stream one page at a time in a scroll box, at a zoom.
class TFilePreview : public TFilePrinter {
public:
    using TNotify = std::function<void()>;

    TNotify OnZoomChange;
    TNotify OnPageChange;

    TFilePreview();
    ~TFilePreview() override;

    void SetScrollBox(QScrollArea* box) { scrollBox_ = box; }
    QScrollArea* ScrollBox() const { return scrollBox_; }
    // The widget that shows the page inside the scroll box while viewing.
    QLabel* PageView() const { return pageView_; }

    double ZoomInc() const { return zoomInc_; }
    void SetZoomInc(double inc) { zoomInc_ = inc; }
    double ZoomFactor() const { return zoom_; }
    void SetZoomFactor(double zoom);
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool on);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int depth);
    TMarginMethod MarginMethod() const { return marginMethod_; }
    void SetMarginMethod(TMarginMethod method) { marginMethod_ = method; }
    double MarginPercent() const { return marginPercent_; }
    void SetMarginPercent(double percent) { marginPercent_ = percent < 0.0 ? 0.0 : percent; }
    // Rulers, grids and several pages side by side are kept but not drawn.
    TRulerType RulerType() const { return rulerType_; }
    void SetRulerType(TRulerType type) { rulerType_ = type; }
    QPen GridPen;
    double GridHoriz = 0.0;
    double GridVert = 0.0;
    int PagesWide = 1;
    int PagesHigh = 1;
    int PageInc() const { return pageInc_; }
    void SetPageInc(int inc) { pageInc_ = inc < 1 ? 1 : inc; }

    void StartViewing();
    void StopViewing();
    bool Viewing() const { return viewing_; }
    void ShowPage(int page);
    void NextPage();
    void PreviousPage();
    void ZoomIn() { SetZoomFactor(zoom_ + zoomInc_); }
    void ZoomOut() { SetZoomFactor(zoom_ - zoomInc_); }
    void ZoomPageWidth() { SetZoomFactor(ZoomPageWidthFactor()); }
    void ZoomWholePage() { SetZoomFactor(ZoomWholePageFactor()); }
    double ZoomPageWidthFactor() const;
    double ZoomWholePageFactor() const;
    int PageCount() const { return LoadedPageCount(); }
    int ShownPage() const { return shownPage_; }

    QString DeviceName() const override { return QStringLiteral("Preview"); }

protected:
    TStatusContext DeviceStatus() const override;

private:
    TZoomFit fit() const;
    void redraw();

    QScrollArea* scrollBox_ = nullptr;
    QLabel* pageView_ = nullptr;
    bool viewing_ = false;
    int shownPage_ = 0;
    double zoomInc_ = 10.0;
    double zoom_ = 100.0;
    bool monochrome_ = false;
    int shadowDepth_ = 0;
    TMarginMethod marginMethod_ = mmFixed;
    double marginPercent_ = 0.0;
    TRulerType rulerType_ = rtNone;
    int pageInc_ = 1;
};

} // namespace output
